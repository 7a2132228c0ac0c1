#pragma once
// How a CDynDialogEx control exchanges its value with the caller's variable:
// which kind of value its class and style give, and the exchange itself in
// either direction.

#include <QAbstractButton>
#include <span>

#include "dialogs/DynControl.h"

namespace veldrix {

enum class DynExchangeKind {
    RadioIndex,  // int: index of the checked button of the group, -1 for none
    CheckState,  // int: 0 unchecked, 1 checked, 2 indeterminate
    Text,        // QString
    Position,    // int: scroll bar or slider position
    DateTime,    // QDateTime
    Date,        // QDate
    Control,     // QWidget*: the control itself
};

[[nodiscard]] DynExchangeKind dynExchangeKind(int typeCode, std::uint32_t style) noexcept;

enum class DynExchangeDirection { ToControl, FromControl };

// Exchanges `control`'s value with its variable. A radio item exchanges the
// index within `radioGroup`, the group's buttons in order. Nothing happens
// without a variable, without a window, or when the variable is of another
// kind than the control exchanges.
void exchangeDynData(const DynControl& control, std::span<QAbstractButton* const> radioGroup,
                     DynExchangeDirection direction);

}  // namespace veldrix
