#pragma once
// The forced bus words with which every module's power-up puts the board's
// direction, setup and spare latches into a known state: forced, because the
// driver's cache may hold a byte the board has lost.

#include <cstdint>

#include "BoardLatches.h"

namespace veldrix::module {

inline constexpr std::uint16_t kForceBoardDrives =
    board::busWord(board::kForceWrite | board::kDirectionLatch, board::kBoardDrivesData);
inline constexpr std::uint16_t kForceChipDrives =
    board::busWord(board::kForceWrite | board::kDirectionLatch, board::kChipDrivesData);
inline constexpr std::uint16_t kForceSetupIdle =
    board::busWord(board::kForceWrite | board::kSetupLatch, board::kSetupIdle);
inline constexpr std::uint16_t kForceSpareClear =
    board::busWord(board::kForceWrite | board::kSpareLatch, 0x00);

}  // namespace veldrix::module
