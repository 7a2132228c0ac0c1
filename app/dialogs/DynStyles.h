#pragma once
// The style bits that callers of CDynDialogEx describe controls with: the
// window styles and the per-class styles of the classic control classes,
// with their classic values, so dialog descriptions keep their numbers.

#include <cstdint>

namespace veldrix::dynstyle {

// Every control.
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kBorder = 0x00800000;  // a thin frame
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kHScroll = 0x00100000;
inline constexpr std::uint32_t kGroup = 0x00020000;  // first control of a radio group
inline constexpr std::uint32_t kTabStop = 0x00010000;

// Extended styles.
inline constexpr std::uint32_t kExClientEdge = 0x00000200;  // a sunken frame

// BUTTON: the low four bits are the kind.
inline constexpr std::uint32_t kButtonKindMask = 0x0F;
inline constexpr std::uint32_t kPushButton = 0x0;
inline constexpr std::uint32_t kDefPushButton = 0x1;
inline constexpr std::uint32_t kCheckBox = 0x2;
inline constexpr std::uint32_t kAutoCheckBox = 0x3;
inline constexpr std::uint32_t kRadioButton = 0x4;
inline constexpr std::uint32_t k3State = 0x5;
inline constexpr std::uint32_t kAuto3State = 0x6;
inline constexpr std::uint32_t kGroupBox = 0x7;
inline constexpr std::uint32_t kAutoRadioButton = 0x9;
inline constexpr std::uint32_t kFlat = 0x8000;

// EDIT. An edit has a frame only with kBorder or kExClientEdge; a read-only
// one has the dialog's background, so a box's text reads like a label that
// can be selected.
inline constexpr std::uint32_t kEditCenter = 0x1;
inline constexpr std::uint32_t kEditRight = 0x2;
inline constexpr std::uint32_t kEditMultiLine = 0x4;
inline constexpr std::uint32_t kEditPassword = 0x20;
inline constexpr std::uint32_t kEditReadOnly = 0x800;

// STATIC.
inline constexpr std::uint32_t kStaticCenter = 0x1;
inline constexpr std::uint32_t kStaticRight = 0x2;

// SCROLLBAR and trackbar orientation.
inline constexpr std::uint32_t kScrollBarVertical = 0x1;
inline constexpr std::uint32_t kTrackBarVertical = 0x2;

// COMBOBOX: the low two bits are the kind; only a drop-down list is not editable.
inline constexpr std::uint32_t kComboKindMask = 0x3;
inline constexpr std::uint32_t kComboDropDown = 0x2;
inline constexpr std::uint32_t kComboDropDownList = 0x3;
inline constexpr std::uint32_t kComboAutoHScroll = 0x40;

// SysDateTimePick32: shows and exchanges the time of day instead of the date.
inline constexpr std::uint32_t kDateTimeTimeFormat = 0x9;

// The OK and Cancel buttons the dialog adds itself.
inline constexpr std::uint32_t kDialogButton = kChild | kVisible | kTabStop | kFlat;

// Bits 0 and 3, and bits 0 and 1: what the data exchange looks at.
[[nodiscard]] constexpr bool isAutoRadio(std::uint32_t style) noexcept {
    return (style & 0x9) == 0x9;
}
[[nodiscard]] constexpr bool isAutoCheck(std::uint32_t style) noexcept {
    return (style & 0x3) == 0x3;
}
[[nodiscard]] constexpr bool isTimeFormat(std::uint32_t style) noexcept {
    return (style & kDateTimeTimeFormat) == kDateTimeTimeFormat;
}

}  // namespace veldrix::dynstyle
