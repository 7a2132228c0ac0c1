<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../app/frame/CMainFrame.cpp" line="266"/>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="15"/>
        <source>Open ...</source>
        <translation>Открыть ...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="16"/>
        <source>Load the buffer from a file</source>
        <translation>Загрузить буфер из файла</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="17"/>
        <source>Save as ...</source>
        <translation>Сохранить как ...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="18"/>
        <source>Save the buffer to a file</source>
        <translation>Сохранить буфер в файл</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="19"/>
        <source>Open Block</source>
        <translation>Открыть блок</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="20"/>
        <source>Load the selected bytes from a file</source>
        <translation>Загрузить выделенные байты из файла</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="21"/>
        <source>Save Block</source>
        <translation>Сохранить блок</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="22"/>
        <source>Save the selected bytes to a file</source>
        <translation>Сохранить выделенные байты в файл</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="23"/>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="24"/>
        <source>Save the settings and quit</source>
        <translation>Сохранить настройки и выйти</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="25"/>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="26"/>
        <source>Undo the last change</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="27"/>
        <source>&amp;Redo</source>
        <translation>Пов&amp;торить</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="28"/>
        <source>Redo the change undone last</source>
        <translation>Вернуть последнее отменённое изменение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="29"/>
        <source>Cu&amp;t</source>
        <translation>Выре&amp;зать</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="30"/>
        <source>Cut the selection to the clipboard</source>
        <translation>Вырезать выделение в буфер обмена</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="31"/>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="32"/>
        <source>Copy the selection to the clipboard</source>
        <translation>Копировать выделение в буфер обмена</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="33"/>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="34"/>
        <source>Paste the clipboard at the selection</source>
        <translation>Вставить из буфера обмена на место выделения</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="36"/>
        <source>&amp;Find...</source>
        <translation>&amp;Найти...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="37"/>
        <source>Find hex bytes or text in the editor</source>
        <translation>Найти в редакторе байты в шестнадцатеричном виде или текст</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="39"/>
        <source>Find &amp;next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="40"/>
        <source>Find the next match</source>
        <translation>Найти следующее совпадение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="41"/>
        <source>Find &amp;previous</source>
        <translation>Найти п&amp;редыдущее</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="43"/>
        <source>Find the previous match</source>
        <translation>Найти предыдущее совпадение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="44"/>
        <source>&amp;Go to address...</source>
        <translation>П&amp;ерейти к адресу...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="45"/>
        <source>Move the caret to an address</source>
        <translation>Переместить курсор на адрес</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="46"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="47"/>
        <source>Show or hide the tool bar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="48"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="49"/>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="50"/>
        <source>Init buffer</source>
        <translation>Очистить буфер</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="51"/>
        <source>Set every byte to the chip&apos;s erased value</source>
        <translation>Записать во все байты значение стёртой микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="53"/>
        <source>Fill buffer</source>
        <translation>Заполнить буфер</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="54"/>
        <source>Set every byte to a value</source>
        <translation>Записать во все байты одно значение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="55"/>
        <source>Xor buffer</source>
        <translation>Xor буфера</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="56"/>
        <source>Combine every byte with a value by exclusive or</source>
        <translation>Исключающее ИЛИ каждого байта со значением</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="58"/>
        <source>Swap bytes</source>
        <translation>Переставить байты</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="59"/>
        <source>Exchange the bytes of each pair</source>
        <translation>Поменять местами байты каждой пары</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="60"/>
        <source>Check sum</source>
        <translation>Контрольная сумма</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="61"/>
        <source>Show the 16-bit sum of the chip&apos;s bytes</source>
        <translation>Показать 16-битную сумму байтов микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="63"/>
        <source>Show the CRC-32 of the chip&apos;s bytes</source>
        <translation>Показать CRC-32 байтов микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="65"/>
        <source>Show the MD5 digest of the chip&apos;s bytes</source>
        <translation>Показать дайджест MD5 байтов микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="66"/>
        <source>Device</source>
        <translation>Микросхема</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="67"/>
        <source>Choose the chip module and the chip</source>
        <translation>Выбрать модуль и микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="68"/>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="69"/>
        <source>Read the chip into the buffer</source>
        <translation>Прочитать микросхему в буфер</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="70"/>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="71"/>
        <source>Write the buffer into the chip</source>
        <translation>Записать буфер в микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="72"/>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="73"/>
        <source>Compare the chip with the buffer</source>
        <translation>Сравнить микросхему с буфером</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="74"/>
        <source>Compare &amp;report</source>
        <translation>&amp;Отчёт о сравнении</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="76"/>
        <source>Show the report of the last compare that found differences</source>
        <translation>Показать отчёт последнего сравнения, нашедшего различия</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="79"/>
        <source>Blank check</source>
        <translation>Проверка чистоты</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="80"/>
        <source>Check that the chip is erased</source>
        <translation>Проверить, что микросхема стёрта</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="81"/>
        <source>Erase</source>
        <translation>Стирание</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="82"/>
        <source>Erase the chip</source>
        <translation>Стереть микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="83"/>
        <source>Read ID</source>
        <translation>Чтение ID</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="84"/>
        <source>Read the chip&apos;s identifier</source>
        <translation>Прочитать идентификатор микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="85"/>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="86"/>
        <source>Test the chip</source>
        <translation>Проверить микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="87"/>
        <source>Lock</source>
        <translation>Защита</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="88"/>
        <source>Protect the chip</source>
        <translation>Защитить микросхему</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="89"/>
        <source>Unlock</source>
        <translation>Снятие защиты</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="90"/>
        <source>Remove the chip&apos;s protection</source>
        <translation>Снять защиту микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="91"/>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="92"/>
        <source>Write the chip&apos;s configuration</source>
        <translation>Записать конфигурацию микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="95"/>
        <location filename="../app/frame/FrameCommandTable.cpp" line="97"/>
        <location filename="../app/frame/FrameCommandTable.cpp" line="99"/>
        <location filename="../app/frame/FrameCommandTable.cpp" line="101"/>
        <source>Use a programmer of this family</source>
        <translation>Работать с программатором этого семейства</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="103"/>
        <source>Device voltage</source>
        <translation>Напряжения микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="104"/>
        <source>Change the chip&apos;s supply and programming voltages</source>
        <translation>Изменить напряжения питания и программирования</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="106"/>
        <source>Config keys</source>
        <translation>Ключи конфигурации</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="107"/>
        <source>Choose the write algorithm and the chip&apos;s keys</source>
        <translation>Выбрать алгоритм записи и ключи микросхемы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="109"/>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="110"/>
        <source>Driver, port, module folder, colours and font</source>
        <translation>Драйвер, порт, папка модулей, цвета и шрифт</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="112"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="113"/>
        <source>Write options and the editor layout</source>
        <translation>Параметры записи и вид редактора</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="115"/>
        <source>Russian user interface</source>
        <translation>Русский интерфейс</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="117"/>
        <source>English user interface</source>
        <translation>Английский интерфейс</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="118"/>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="119"/>
        <source>The program&apos;s version and credits</source>
        <translation>Версия программы и авторы</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="142"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="151"/>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="164"/>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="168"/>
        <source>HEX-Editor</source>
        <translation>HEX-редактор</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="180"/>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="194"/>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="195"/>
        <source>Hardware</source>
        <translation>Программатор</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="206"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location filename="../app/frame/FrameCommandTable.cpp" line="211"/>
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
        <location filename="../app/frame/PortBar.cpp" line="35"/>
        <source>Port bar</source>
        <translation>Панель порта</translation>
    </message>
    <message>
        <location filename="../app/frame/PortBar.cpp" line="36"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location filename="../app/frame/PortBar.cpp" line="38"/>
        <source>The port the programmer is attached to</source>
        <translation>Порт, к которому подключён программатор</translation>
    </message>
    <message>
        <location filename="../app/frame/CMainFrameEditing.cpp" line="88"/>
        <source>Not found: %1</source>
        <translation>Не найдено: %1</translation>
    </message>
    <message>
        <location filename="../app/frame/CMainFrameEditing.cpp" line="101"/>
        <source>Search wrapped: continued from the start</source>
        <translation>Поиск дошёл до конца и продолжен с начала</translation>
    </message>
    <message>
        <location filename="../app/frame/CMainFrameEditing.cpp" line="103"/>
        <source>Search wrapped: continued from the end</source>
        <translation>Поиск дошёл до начала и продолжен с конца</translation>
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
    <name>GoToAddress</name>
    <message>
        <location filename="../app/buffer/GoToAddress.cpp" line="40"/>
        <source>Not an address: %1</source>
        <translation>Это не адрес: %1</translation>
    </message>
    <message>
        <location filename="../app/buffer/GoToAddress.cpp" line="47"/>
        <source>Address %1 is outside the data: none is shown</source>
        <translation>Адрес %1 вне данных: данных нет</translation>
    </message>
    <message>
        <location filename="../app/buffer/GoToAddress.cpp" line="51"/>
        <source>Address %1 is outside the data (%2 to %3)</source>
        <translation>Адрес %1 вне данных (от %2 до %3)</translation>
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
    <name>SearchPattern</name>
    <message>
        <location filename="../app/buffer/SearchPattern.cpp" line="77"/>
        <source>Nothing to search for</source>
        <translation>Не задано, что искать</translation>
    </message>
    <message>
        <location filename="../app/buffer/SearchPattern.cpp" line="80"/>
        <source>Not a hex digit at position %1</source>
        <translation>Не шестнадцатеричная цифра в позиции %1</translation>
    </message>
    <message>
        <location filename="../app/buffer/SearchPattern.cpp" line="84"/>
        <source>Odd number of hex digits at position %1</source>
        <translation>Нечётное число шестнадцатеричных цифр в позиции %1</translation>
    </message>
</context>
<context>
    <name>UndoJournal</name>
    <message>
        <location filename="../app/buffer/UndoJournal.cpp" line="24"/>
        <source>This change cannot be undone</source>
        <translation>Это изменение нельзя отменить</translation>
    </message>
    <message>
        <location filename="../app/buffer/UndoJournal.cpp" line="25"/>
        <source>This change cannot be undone, nor can the changes before it</source>
        <translation>Это изменение нельзя отменить, как и изменения до него</translation>
    </message>
    <message>
        <location filename="../app/buffer/UndoJournal.cpp" line="31"/>
        <source>The oldest change can no longer be undone</source>
        <translation>Самое старое изменение больше нельзя отменить</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/buffer/UndoJournal.cpp" line="35"/>
        <source>The %n oldest changes can no longer be undone</source>
        <translation>
            <numerusform>%n самое старое изменение больше нельзя отменить</numerusform>
            <numerusform>%n самых старых изменения больше нельзя отменить</numerusform>
            <numerusform>%n самых старых изменений больше нельзя отменить</numerusform>
        </translation>
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
        <location filename="../app/frame/CompareReportWindow.cpp" line="90"/>
        <source>Compare report</source>
        <translation>Отчёт о сравнении</translation>
    </message>
    <message>
        <location filename="../app/frame/CompareReportWindow.cpp" line="91"/>
        <source>Copy to clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <location filename="../app/frame/CompareReportWindow.cpp" line="92"/>
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
    <name>veldrix::FindDialog</name>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="21"/>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="23"/>
        <source>&amp;Hex bytes</source>
        <translation>&amp;Байты (hex)</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="24"/>
        <source>&amp;Text</source>
        <translation>&amp;Текст</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="30"/>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="37"/>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="38"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FindDialog.cpp" line="40"/>
        <source>&amp;Previous</source>
        <translation>&amp;Назад</translation>
    </message>
</context>
<context>
    <name>veldrix::GoToDialog</name>
    <message>
        <location filename="../app/dialogs/GoToDialog.cpp" line="21"/>
        <source>Go to address</source>
        <translation>Переход к адресу</translation>
    </message>
    <message>
        <location filename="../app/dialogs/GoToDialog.cpp" line="27"/>
        <source>&amp;Address:</source>
        <translation>&amp;Адрес:</translation>
    </message>
    <message>
        <location filename="../app/dialogs/GoToDialog.cpp" line="30"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../app/dialogs/GoToDialog.cpp" line="30"/>
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
