<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../app/frame/CMainFrame.cpp" line="238"/>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="16"/>
        <source>Open ...</source>
        <translation>Открыть ...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="17"/>
        <source>Load the buffer from a file</source>
        <translation>Загрузить буфер из файла</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="18"/>
        <source>Save as ...</source>
        <translation>Сохранить как ...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="19"/>
        <source>Save the buffer to a file</source>
        <translation>Сохранить буфер в файл</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="20"/>
        <source>Open Block</source>
        <translation>Открыть блок</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="21"/>
        <source>Load the selected bytes from a file</source>
        <translation>Загрузить выделенные байты из файла</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="22"/>
        <source>Save Block</source>
        <translation>Сохранить блок</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="23"/>
        <source>Save the selected bytes to a file</source>
        <translation>Сохранить выделенные байты в файл</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="24"/>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="25"/>
        <source>Save the settings and quit</source>
        <translation>Сохранить настройки и выйти</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="26"/>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="27"/>
        <source>Undo the last change</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="28"/>
        <source>Cu&amp;t</source>
        <translation>Выре&amp;зать</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="29"/>
        <source>Cut the selection to the clipboard</source>
        <translation>Вырезать выделение в буфер обмена</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="30"/>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="31"/>
        <source>Copy the selection to the clipboard</source>
        <translation>Копировать выделение в буфер обмена</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="32"/>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="33"/>
        <source>Paste the clipboard at the selection</source>
        <translation>Вставить из буфера обмена на место выделения</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="34"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="35"/>
        <source>Show or hide the tool bar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="36"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="37"/>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="38"/>
        <source>Init buffer</source>
        <translation>Очистить буфер</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="39"/>
        <source>Set every byte to the chip&apos;s erased value</source>
        <translation>Записать во все байты значение стёртой микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="41"/>
        <source>Fill buffer</source>
        <translation>Заполнить буфер</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="42"/>
        <source>Set every byte to a value</source>
        <translation>Записать во все байты одно значение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="43"/>
        <source>Xor buffer</source>
        <translation>Xor буфера</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="44"/>
        <source>Combine every byte with a value by exclusive or</source>
        <translation>Исключающее ИЛИ каждого байта со значением</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="46"/>
        <source>Swap bytes</source>
        <translation>Переставить байты</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="47"/>
        <source>Exchange the bytes of each pair</source>
        <translation>Поменять местами байты каждой пары</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="48"/>
        <source>Check sum</source>
        <translation>Контрольная сумма</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="49"/>
        <source>Show the 16-bit sum of the chip&apos;s bytes</source>
        <translation>Показать 16-битную сумму байтов микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="51"/>
        <source>Show the CRC-32 of the chip&apos;s bytes</source>
        <translation>Показать CRC-32 байтов микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="53"/>
        <source>Show the MD5 digest of the chip&apos;s bytes</source>
        <translation>Показать дайджест MD5 байтов микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="54"/>
        <source>Device</source>
        <translation>Микросхема</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="55"/>
        <source>Choose the chip module and the chip</source>
        <translation>Выбрать модуль и микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="56"/>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="57"/>
        <source>Read the chip into the buffer</source>
        <translation>Прочитать микросхему в буфер</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="58"/>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="59"/>
        <source>Write the buffer into the chip</source>
        <translation>Записать буфер в микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="60"/>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="61"/>
        <source>Compare the chip with the buffer</source>
        <translation>Сравнить микросхему с буфером</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="62"/>
        <source>Compare &amp;report</source>
        <translation>&amp;Отчёт о сравнении</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="64"/>
        <source>Show the report of the last compare that found differences</source>
        <translation>Показать отчёт последнего сравнения, нашедшего различия</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="62"/>
        <source>Blank check</source>
        <translation>Проверка чистоты</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="63"/>
        <source>Check that the chip is erased</source>
        <translation>Проверить, что микросхема стёрта</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="64"/>
        <source>Erase</source>
        <translation>Стирание</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="65"/>
        <source>Erase the chip</source>
        <translation>Стереть микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="66"/>
        <source>Read ID</source>
        <translation>Чтение ID</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="67"/>
        <source>Read the chip&apos;s identifier</source>
        <translation>Прочитать идентификатор микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="68"/>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="69"/>
        <source>Test the chip</source>
        <translation>Проверить микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="70"/>
        <source>Lock</source>
        <translation>Защита</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="71"/>
        <source>Protect the chip</source>
        <translation>Защитить микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="72"/>
        <source>Unlock</source>
        <translation>Снятие защиты</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="73"/>
        <source>Remove the chip&apos;s protection</source>
        <translation>Снять защиту микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="74"/>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="75"/>
        <source>Write the chip&apos;s configuration</source>
        <translation>Записать конфигурацию микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="77"/>
        <location filename="../app/frame/FrameCommandTable.cpp" line="79"/>
        <location filename="../app/frame/FrameCommandTable.cpp" line="81"/>
        <location filename="../app/frame/FrameCommandTable.cpp" line="83"/>
        <source>Use a programmer of this family</source>
        <translation>Работать с программатором этого семейства</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="85"/>
        <source>Device voltage</source>
        <translation>Напряжения микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="86"/>
        <source>Change the chip&apos;s supply and programming voltages</source>
        <translation>Изменить напряжения питания и программирования</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="88"/>
        <source>Config keys</source>
        <translation>Ключи конфигурации</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="89"/>
        <source>Choose the write algorithm and the chip&apos;s keys</source>
        <translation>Выбрать алгоритм записи и ключи микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="91"/>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="92"/>
        <source>Driver, port, module folder, colours and font</source>
        <translation>Драйвер, порт, папка модулей, цвета и шрифт</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="94"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="95"/>
        <source>Write options and the editor layout</source>
        <translation>Параметры записи и вид редактора</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="97"/>
        <source>Russian user interface</source>
        <translation>Русский интерфейс</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="99"/>
        <source>English user interface</source>
        <translation>Английский интерфейс</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="100"/>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="101"/>
        <source>The program&apos;s version and credits</source>
        <translation>Версия программы и авторы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="124"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="133"/>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="140"/>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="144"/>
        <source>HEX-Editor</source>
        <translation>HEX-редактор</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="156"/>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="168"/>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="169"/>
        <source>Hardware</source>
        <translation>Программатор</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="180"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="185"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameStatusBar.cpp" line="22"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameStatusBar.cpp" line="24"/>
        <source>Chip: --------</source>
        <translation>Микросхема: --------</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameStatusBar.cpp" line="25"/>
        <source>Size: 00000000</source>
        <translation>Размер: 00000000</translation>
    </message>
    <message>
        <location filename="../app/frame/PortBar.cpp" line="38"/>
        <source>Port bar</source>
        <translation>Панель порта</translation>
    </message>
    <message>
        <location filename="../app/frame/PortBar.cpp" line="39"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location filename="../app/frame/PortBar.cpp" line="41"/>
        <source>The port the programmer is attached to</source>
        <translation>Порт, к которому подключён программатор</translation>
    </message>
    <message>
        <location filename="../app/frame/CMainFrameChipChecks.cpp" line="24"/>
        <source>The reads of the chip differ: the buffer keeps its image.</source>
        <translation>Чтения микросхемы не совпали: буфер не изменён.</translation>
    </message>
</context>
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
    <name>FileChooser</name>
    <message>
        <location filename="../app/frame/ImageFileFilters.cpp" line="11"/>
        <source>Raw binary (*.bin)</source>
        <translation>Двоичный образ (*.bin)</translation>
    </message>
    <message>
        <location filename="../app/frame/ImageFileFilters.cpp" line="13"/>
        <source>Intel HEX (*.hex *.ihx)</source>
        <translation>Intel HEX (*.hex *.ihx)</translation>
    </message>
    <message>
        <location filename="../app/frame/ImageFileFilters.cpp" line="16"/>
        <source>Motorola S-record (*.s19 *.s28 *.s37 *.srec *.mot)</source>
        <translation>Motorola S-record (*.s19 *.s28 *.s37 *.srec *.mot)</translation>
    </message>
    <message>
        <location filename="../app/frame/ImageFileFilters.cpp" line="19"/>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
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
    <name>veldrix::CompareReportWindow</name>
    <message>
        <location filename="../app/frame/CompareReportWindow.cpp" line="89"/>
        <source>Compare report</source>
        <translation>Отчёт о сравнении</translation>
    </message>
    <message>
        <location filename="../app/frame/CompareReportWindow.cpp" line="90"/>
        <source>Copy to clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <location filename="../app/frame/CompareReportWindow.cpp" line="91"/>
        <source>Close</source>
        <translation>Закрыть</translation>
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
