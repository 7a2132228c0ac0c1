#pragma once
// The hex editor's context menu: Copy, Paste and "CRC". Each action carries
// its command identifier as data, as the main window routes commands.

#include <memory>

class QMenu;

namespace veldrix {

class CHexEditBase;

// Command identifiers of the three entries.
inline constexpr int kCopyCommand = 0xE122;
inline constexpr int kPasteCommand = 0xE125;
inline constexpr int kCrcCommand = 1000;

// Copy is enabled with a selection, Paste when the clipboard offers
// "BinaryData" and the editor is not read-only; "CRC" always.
[[nodiscard]] std::unique_ptr<QMenu> createHexContextMenu(CHexEditBase& editor);

}  // namespace veldrix
