<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DriverBinding</name>
    <message>
        <location filename="../app/core/DriverBinding.cpp" line="83"/>
        <source>Can&apos;t load driver: </source>
        <translation>Невозможно загрузить драйвер: </translation>
    </message>
    <message>
        <location filename="../app/core/DriverBinding.cpp" line="91"/>
        <source>Wrong Driver</source>
        <translation>Драйвер несовместим</translation>
    </message>
</context>
<context>
    <name>ModuleSelection</name>
    <message>
        <location filename="../app/catalog/ModuleSelection.h" line="32"/>
        <source>Can&apos;t load module: </source>
        <translation>Невозможно загрузить модуль: </translation>
    </message>
    <message>
        <location filename="../app/catalog/ModuleSelection.h" line="34"/>
        <source>Wrong module</source>
        <translation>Модуль несовместим</translation>
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
    <name>veldrix::DeviceWnd</name>
    <message>
        <location filename="../app/dialogs/DeviceWnd.cpp" line="67"/>
        <source>Select IC</source>
        <translation>Выбор микросхемы</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DeviceWnd.cpp" line="94"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DeviceWnd.cpp" line="96"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
