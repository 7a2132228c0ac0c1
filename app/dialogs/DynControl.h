#pragma once
// One control of a run-time dialog (CDynDialogEx): its class, identifier,
// styles, place in dialog units, caption, and the caller's variable that it
// exchanges its value with.

#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>
#include <variant>

#include "core/DialogRect.h"

namespace veldrix {

// The control classes by type code; the class names are in dynClassName().
namespace dynclass {
inline constexpr int kNone = 0;  // a class name not in the table
inline constexpr int kButton = 128;
inline constexpr int kEdit = 129;
inline constexpr int kStatic = 130;
inline constexpr int kListBox = 131;
inline constexpr int kScrollBar = 132;
inline constexpr int kComboBox = 133;
inline constexpr int kUpDown = 134;
inline constexpr int kProgress = 135;
inline constexpr int kTrackBar = 136;
inline constexpr int kHotKey = 137;
inline constexpr int kListView = 138;
inline constexpr int kTreeView = 139;
inline constexpr int kTabControl = 140;
inline constexpr int kAnimate = 141;
inline constexpr int kRichEdit = 142;
inline constexpr int kDateTimePick = 143;
inline constexpr int kMonthCalendar = 144;
inline constexpr int kIpAddress = 145;
inline constexpr int kComboBoxEx = 146;
}  // namespace dynclass

// The class name of a type code; empty for a code outside the table.
[[nodiscard]] std::string_view dynClassName(int typeCode) noexcept;
// The type code of a class name, compared with case; dynclass::kNone when
// the name is not in the table.
[[nodiscard]] int dynTypeCode(std::string_view className) noexcept;

// The caller's variable. Which kind a control exchanges follows its class and
// style (see DynDataExchange.h); a variable of another kind is left alone.
using DynVariable = std::variant<std::monostate, int*, QString*, QDateTime*, QDate*, QWidget**>;

struct DynControl {
    QString className;
    int id = 0;
    QPointer<QWidget> window;  // null until the dialog starts, or when it could not be made
    int typeCode = dynclass::kNone;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    DialogRect rect;  // dialog units
    QString caption;
    DynVariable variable;
};

}  // namespace veldrix
