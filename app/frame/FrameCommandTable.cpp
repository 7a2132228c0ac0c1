#include "frame/FrameCommandTable.h"

#include <QtGlobal>
#include <array>

#include "frame/FrameCommandIds.h"

namespace veldrix {

namespace {

// Family and language names and the digests' names read the same in every
// language; they are not marked for translation.
constexpr std::array kCommandEntrys{
    CommandEntry{cmd::kOpen, QT_TRANSLATE_NOOP("CMainFrame", "Open ..."), "F3", "open",
                 QT_TRANSLATE_NOOP("CMainFrame", "Load the buffer from a file"), false},
    CommandEntry{cmd::kSaveAs, QT_TRANSLATE_NOOP("CMainFrame", "Save as ..."), "F2", "saveas",
                 QT_TRANSLATE_NOOP("CMainFrame", "Save the buffer to a file"), false},
    CommandEntry{cmd::kOpenBlock, QT_TRANSLATE_NOOP("CMainFrame", "Open Block"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Load the selected bytes from a file"), false},
    CommandEntry{cmd::kSaveBlock, QT_TRANSLATE_NOOP("CMainFrame", "Save Block"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Save the selected bytes to a file"), false},
    CommandEntry{cmd::kExit, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), "Alt+X", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Save the settings and quit"), false},
    CommandEntry{cmd::kUndo, QT_TRANSLATE_NOOP("CMainFrame", "&Undo"), "Ctrl+Z;Alt+Backspace",
                 nullptr, QT_TRANSLATE_NOOP("CMainFrame", "Undo the last change"), false},
    CommandEntry{cmd::kRedo, QT_TRANSLATE_NOOP("CMainFrame", "&Redo"), "Ctrl+Y;Ctrl+Shift+Z",
                 nullptr, QT_TRANSLATE_NOOP("CMainFrame", "Redo the change undone last"), false},
    CommandEntry{cmd::kCut, QT_TRANSLATE_NOOP("CMainFrame", "Cu&t"), "Ctrl+X;Shift+Del", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Cut the selection to the clipboard"), false},
    CommandEntry{cmd::kCopy, QT_TRANSLATE_NOOP("CMainFrame", "&Copy"), "Ctrl+C;Ctrl+Ins", "copy",
                 QT_TRANSLATE_NOOP("CMainFrame", "Copy the selection to the clipboard"), false},
    CommandEntry{cmd::kPaste, QT_TRANSLATE_NOOP("CMainFrame", "&Paste"), "Ctrl+V;Shift+Ins",
                 "paste", QT_TRANSLATE_NOOP("CMainFrame", "Paste the clipboard at the selection"),
                 false},
    CommandEntry{cmd::kFind, QT_TRANSLATE_NOOP("CMainFrame", "&Find..."), "Ctrl+F", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Find hex bytes or text in the editor"), false},
    // F3 opens a file, as it always has.
    CommandEntry{cmd::kFindNext, QT_TRANSLATE_NOOP("CMainFrame", "Find &next"), "Ctrl+F3", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Find the next match"), false},
    CommandEntry{cmd::kFindPrevious, QT_TRANSLATE_NOOP("CMainFrame", "Find &previous"),
                 "Ctrl+Shift+F3", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Find the previous match"), false},
    CommandEntry{cmd::kGoToAddress, QT_TRANSLATE_NOOP("CMainFrame", "&Go to address..."), "Ctrl+G",
                 nullptr, QT_TRANSLATE_NOOP("CMainFrame", "Move the caret to an address"), false},
    CommandEntry{cmd::kToolbar, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the tool bar"), true},
    CommandEntry{cmd::kStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the status bar"), true},
    CommandEntry{cmd::kInitBuffer, QT_TRANSLATE_NOOP("CMainFrame", "Init buffer"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Set every byte to the chip's erased value"),
                 false},
    CommandEntry{cmd::kFillBuffer, QT_TRANSLATE_NOOP("CMainFrame", "Fill buffer"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Set every byte to a value"), false},
    CommandEntry{cmd::kXorBuffer, QT_TRANSLATE_NOOP("CMainFrame", "Xor buffer"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Combine every byte with a value by exclusive or"),
                 false},
    CommandEntry{cmd::kSwapBytes, QT_TRANSLATE_NOOP("CMainFrame", "Swap bytes"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Exchange the bytes of each pair"), false},
    CommandEntry{cmd::kCheckSum, QT_TRANSLATE_NOOP("CMainFrame", "Check sum"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Show the 16-bit sum of the chip's bytes"), false},
    CommandEntry{cmd::kCrc32, "CRC32", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Show the CRC-32 of the chip's bytes"), false},
    CommandEntry{cmd::kMd5, "MD5", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Show the MD5 digest of the chip's bytes"), false},
    CommandEntry{cmd::kDevice, QT_TRANSLATE_NOOP("CMainFrame", "Device"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Choose the chip module and the chip"), false},
    CommandEntry{cmd::kRead, QT_TRANSLATE_NOOP("CMainFrame", "Read"), "F5", "read",
                 QT_TRANSLATE_NOOP("CMainFrame", "Read the chip into the buffer"), false},
    CommandEntry{cmd::kWrite, QT_TRANSLATE_NOOP("CMainFrame", "Write"), "F6", "write",
                 QT_TRANSLATE_NOOP("CMainFrame", "Write the buffer into the chip"), false},
    CommandEntry{cmd::kCompare, QT_TRANSLATE_NOOP("CMainFrame", "Compare"), "F7", "compare",
                 QT_TRANSLATE_NOOP("CMainFrame", "Compare the chip with the buffer"), false},
    CommandEntry{cmd::kCompareReport, QT_TRANSLATE_NOOP("CMainFrame", "Compare &report"), "",
                 nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame",
                                   "Show the report of the last compare that found differences"),
                 false},
    CommandEntry{cmd::kBlankCheck, QT_TRANSLATE_NOOP("CMainFrame", "Blank check"), "F8", "blank",
                 QT_TRANSLATE_NOOP("CMainFrame", "Check that the chip is erased"), false},
    CommandEntry{cmd::kErase, QT_TRANSLATE_NOOP("CMainFrame", "Erase"), "", "erase",
                 QT_TRANSLATE_NOOP("CMainFrame", "Erase the chip"), false},
    CommandEntry{cmd::kReadId, QT_TRANSLATE_NOOP("CMainFrame", "Read ID"), "", "readid",
                 QT_TRANSLATE_NOOP("CMainFrame", "Read the chip's identifier"), false},
    CommandEntry{cmd::kTest, QT_TRANSLATE_NOOP("CMainFrame", "Test"), "", "test",
                 QT_TRANSLATE_NOOP("CMainFrame", "Test the chip"), false},
    CommandEntry{cmd::kLock, QT_TRANSLATE_NOOP("CMainFrame", "Lock"), "", "lock",
                 QT_TRANSLATE_NOOP("CMainFrame", "Protect the chip"), false},
    CommandEntry{cmd::kUnlock, QT_TRANSLATE_NOOP("CMainFrame", "Unlock"), "", "unlock",
                 QT_TRANSLATE_NOOP("CMainFrame", "Remove the chip's protection"), false},
    CommandEntry{cmd::kConfiguration, QT_TRANSLATE_NOOP("CMainFrame", "Configuration"), "",
                 "config", QT_TRANSLATE_NOOP("CMainFrame", "Write the chip's configuration"),
                 false},
    CommandEntry{cmd::kFamilyVm204, "VM-204", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Use a programmer of this family"), true},
    CommandEntry{cmd::kFamilyTessaro, "Tessaro", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Use a programmer of this family"), true},
    CommandEntry{cmd::kFamilyZenta, "ZENTA", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Use a programmer of this family"), true},
    CommandEntry{cmd::kFamilyHoltan, "Holtan", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Use a programmer of this family"), true},
    CommandEntry{
        cmd::kDeviceVoltage, QT_TRANSLATE_NOOP("CMainFrame", "Device voltage"), "Alt+F9", nullptr,
        QT_TRANSLATE_NOOP("CMainFrame", "Change the chip's supply and programming voltages"),
        false},
    CommandEntry{cmd::kConfigKeys, QT_TRANSLATE_NOOP("CMainFrame", "Config keys"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Choose the write algorithm and the chip's keys"),
                 false},
    CommandEntry{cmd::kSettings, QT_TRANSLATE_NOOP("CMainFrame", "Settings..."), "F12", "settings",
                 QT_TRANSLATE_NOOP("CMainFrame", "Driver, port, module folder, colours and font"),
                 false},
    CommandEntry{cmd::kGeneral, QT_TRANSLATE_NOOP("CMainFrame", "General"), "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Write options and the editor layout"), false},
    CommandEntry{cmd::kLanguageRussian, "RU", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "Russian user interface"), true},
    CommandEntry{cmd::kLanguageEnglish, "EN", "", nullptr,
                 QT_TRANSLATE_NOOP("CMainFrame", "English user interface"), true},
    CommandEntry{cmd::kAbout, QT_TRANSLATE_NOOP("CMainFrame", "&About..."), "F1", "about",
                 QT_TRANSLATE_NOOP("CMainFrame", "The program's version and credits"), false},
};

constexpr MenuRow menu(const char* title) {
    return {MenuRowKind::Menu, 0, title};
}
constexpr MenuRow submenu(const char* title) {
    return {MenuRowKind::Submenu, 0, title};
}
constexpr MenuRow endSubmenu() {
    return {MenuRowKind::EndSubmenu, 0, nullptr};
}
constexpr MenuRow item(int id) {
    return {MenuRowKind::Command, id, nullptr};
}
constexpr MenuRow separator() {
    return {MenuRowKind::Separator, 0, nullptr};
}
constexpr MenuRow barCommand(int id) {
    return {MenuRowKind::BarCommand, id, nullptr};
}

constexpr std::array kMenus{
    menu(QT_TRANSLATE_NOOP("CMainFrame", "&File")),
    item(cmd::kOpen),
    item(cmd::kSaveAs),
    separator(),
    item(cmd::kOpenBlock),
    item(cmd::kSaveBlock),
    separator(),
    item(cmd::kExit),

    menu(QT_TRANSLATE_NOOP("CMainFrame", "&Edit")),
    item(cmd::kUndo),
    item(cmd::kRedo),
    separator(),
    item(cmd::kCut),
    item(cmd::kCopy),
    item(cmd::kPaste),
    separator(),
    item(cmd::kFind),
    item(cmd::kFindNext),
    item(cmd::kFindPrevious),
    item(cmd::kGoToAddress),

    menu(QT_TRANSLATE_NOOP("CMainFrame", "&View")),
    item(cmd::kToolbar),
    item(cmd::kStatusBar),

    menu(QT_TRANSLATE_NOOP("CMainFrame", "HEX-Editor")),
    item(cmd::kInitBuffer),
    item(cmd::kFillBuffer),
    item(cmd::kXorBuffer),
    item(cmd::kSwapBytes),
    separator(),
    item(cmd::kCheckSum),
    item(cmd::kCrc32),
    item(cmd::kMd5),

    barCommand(cmd::kDevice),

    menu(QT_TRANSLATE_NOOP("CMainFrame", "Command")),
    item(cmd::kRead),
    item(cmd::kWrite),
    item(cmd::kCompare),
    item(cmd::kBlankCheck),
    separator(),
    item(cmd::kErase),
    item(cmd::kReadId),
    item(cmd::kTest),
    item(cmd::kLock),
    item(cmd::kUnlock),
    separator(),
    item(cmd::kCompareReport),

    menu(QT_TRANSLATE_NOOP("CMainFrame", "Options")),
    submenu(QT_TRANSLATE_NOOP("CMainFrame", "Hardware")),
    item(cmd::kFamilyVm204),
    item(cmd::kFamilyTessaro),
    item(cmd::kFamilyZenta),
    item(cmd::kFamilyHoltan),
    endSubmenu(),
    item(cmd::kDeviceVoltage),
    item(cmd::kConfigKeys),
    separator(),
    item(cmd::kSettings),
    item(cmd::kGeneral),
    submenu(QT_TRANSLATE_NOOP("CMainFrame", "Language")),
    item(cmd::kLanguageRussian),
    item(cmd::kLanguageEnglish),
    endSubmenu(),

    menu(QT_TRANSLATE_NOOP("CMainFrame", "&Help")),
    item(cmd::kAbout),
};

constexpr std::array kToolBar{
    cmd::kOpen,
    cmd::kSaveAs,
    0,
    cmd::kCopy,
    cmd::kPaste,
    0,
    cmd::kSettings,
    cmd::kAbout,
    0,
    cmd::kRead,
    cmd::kWrite,
    cmd::kCompare,
    cmd::kBlankCheck,
    0,
    cmd::kErase,
    cmd::kReadId,
    cmd::kTest,
    cmd::kLock,
    cmd::kUnlock,
    cmd::kConfiguration,
};

}  // namespace

std::span<const CommandEntry> commandEntries() {
    return kCommandEntrys;
}

std::span<const MenuRow> menuRows() {
    return kMenus;
}

std::span<const int> toolBarRows() {
    return kToolBar;
}

}  // namespace veldrix
