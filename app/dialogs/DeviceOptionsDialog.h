#pragma once
// The Device options dialog: the supply voltages for the applied chip, one
// drop-down list each for Vcc, Vpp and Vid from the bound driver's tables.

#include <QWidget>

namespace veldrix {

class Application;

// Runs the dialog; on OK the call block's voltages take the chosen entries
// and the voltage panes show them. Without a chip the command does nothing
// and returns false.
bool RunDeviceOptions(Application& app, QWidget* parent);

}  // namespace veldrix
