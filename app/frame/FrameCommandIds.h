#pragma once
// The main window's command identifiers: what every menu entry, tool bar
// button and accelerator carries (in QAction::data). The device operations'
// identifiers live with the operations (core/DeviceCommands.h).

#include <array>
#include <optional>

#include "core/DeviceCommands.h"

namespace veldrix::cmd {

// File
inline constexpr int kOpen = 0xE101;
inline constexpr int kSaveAs = 0x8008;
inline constexpr int kOpenBlock = 0x8007;
inline constexpr int kSaveBlock = 0x8006;
inline constexpr int kExit = 0xE141;
// Edit
inline constexpr int kUndo = 0xE12B;
inline constexpr int kRedo = 0x8034;
inline constexpr int kCut = 0xE123;
inline constexpr int kCopy = 0xE122;
inline constexpr int kPaste = 0xE125;
inline constexpr int kFind = 0x8035;
inline constexpr int kFindNext = 0x8036;
inline constexpr int kFindPrevious = 0x8037;
inline constexpr int kGoToAddress = 0x8038;
// View
inline constexpr int kToolbar = 0xE800;
inline constexpr int kStatusBar = 0xE801;
// HEX-Editor
inline constexpr int kInitBuffer = 0x8025;
inline constexpr int kFillBuffer = 0x800A;
inline constexpr int kXorBuffer = 0x800B;
inline constexpr int kSwapBytes = 0x800C;
inline constexpr int kCheckSum = 0x800D;
inline constexpr int kCrc32 = 0x801D;
inline constexpr int kMd5 = 0x801E;
// The chip selection window, a command on the menu bar itself.
inline constexpr int kDevice = 0x802E;
// Command
inline constexpr int kRead = commandInfo(Command::Read).identifier;
inline constexpr int kWrite = commandInfo(Command::Write).identifier;
inline constexpr int kCompare = commandInfo(Command::Compare).identifier;
inline constexpr int kBlankCheck = commandInfo(Command::BlankCheck).identifier;
inline constexpr int kErase = commandInfo(Command::Erase).identifier;
inline constexpr int kReadId = commandInfo(Command::ReadId).identifier;
inline constexpr int kTest = commandInfo(Command::Test).identifier;
inline constexpr int kLock = commandInfo(Command::Lock).identifier;
inline constexpr int kUnlock = commandInfo(Command::Unlock).identifier;
inline constexpr int kConfiguration = commandInfo(Command::Configuration).identifier;
inline constexpr int kCompareReport = 0x8050;  // the last Compare's report, shown again
// Options
inline constexpr int kFamilyVm204 = 0x802B;
inline constexpr int kFamilyTessaro = 0x802C;
inline constexpr int kFamilyZenta = 0x802D;
inline constexpr int kFamilyHoltan = 0x8033;
inline constexpr int kDeviceVoltage = 0x8018;
inline constexpr int kConfigKeys = 0x8019;
inline constexpr int kSettings = 0x8005;
inline constexpr int kGeneral = 0x8017;
inline constexpr int kLanguageRussian = 0x8028;
inline constexpr int kLanguageEnglish = 0x8029;
// Help
inline constexpr int kAbout = 0xE140;

// The Hardware menu's entries, in family order.
inline constexpr std::array kFamilies{kFamilyVm204, kFamilyTessaro, kFamilyZenta, kFamilyHoltan};

// The device operation a command identifier runs, if it is one.
[[nodiscard]] constexpr std::optional<Command> deviceCommandOf(int id) noexcept {
    for (const CommandInfo& info : kCommands) {
        if (info.identifier == id) {
            return info.command;
        }
    }
    return std::nullopt;
}

// The hardware family a Hardware menu entry selects, if it is one.
[[nodiscard]] constexpr std::optional<unsigned> familyOf(int id) noexcept {
    for (unsigned index = 0; index < kFamilies.size(); ++index) {
        if (kFamilies[index] == id) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace veldrix::cmd
