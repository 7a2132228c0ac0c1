<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DriverBinding</name>
    <message>
        <source>Can&apos;t load driver: </source>
        <translation>Невозможно загрузить драйвер: </translation>
    </message>
    <message>
        <source>Wrong Driver</source>
        <translation>Драйвер несовместим</translation>
    </message>
</context>
<context>
    <name>veldrix::CHexEditBase</name>
    <message>
        <location filename="../app/hexedit/HexContextMenu.cpp" line="24"/>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <location filename="../app/hexedit/HexContextMenu.cpp" line="27"/>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
</context>
<context>
    <name>veldrix::ProgressWindow</name>
    <message>
        <location filename="../app/dialogs/ProgressWindow.cpp" line="39"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
