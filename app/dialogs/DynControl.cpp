#include "dialogs/DynControl.h"

#include <array>

namespace veldrix {

namespace {

// Indexed by type code - kButton.
constexpr std::array<std::string_view, 19> kClassNames{
    "BUTTON",
    "EDIT",
    "STATIC",
    "LISTBOX",
    "SCROLLBAR",
    "COMBOBOX",
    "msctls_updown32",
    "msctls_progress32",
    "msctls_trackbar32",
    "msctls_hotkey32",
    "SysListView32",
    "SysTreeView32",
    "SysTabControl32",
    "SysAnimate32",
    "RICHEDIT",
    "SysDateTimePick32",
    "SysMonthCal32",
    "SysIPAddress32",
    "ComboBoxEx32",
};

}  // namespace

std::string_view dynClassName(int typeCode) noexcept {
    const int index = typeCode - dynclass::kButton;
    if (index < 0 || index >= static_cast<int>(kClassNames.size())) {
        return {};
    }
    return kClassNames[static_cast<std::size_t>(index)];
}

int dynTypeCode(std::string_view className) noexcept {
    for (std::size_t i = 0; i < kClassNames.size(); ++i) {
        if (kClassNames[i] == className) {
            return dynclass::kButton + static_cast<int>(i);
        }
    }
    return dynclass::kNone;
}

}  // namespace veldrix
