#pragma once
// The Advanced Options dialog, built at run time on CDynDialogEx from the
// applied chip's configuration keys.

#include <QWidget>

namespace veldrix {

class Application;

// Runs the dialog: a label and an edit per key, the chip's write algorithms
// in a list for "WrAlg". Choosing an algorithm shows its values in the edits;
// OK applies the edits (a text that is no value of its key is refused and
// marked, the dialog stays open); Cancel or the close box restore the table
// and the algorithm. False when there are no keys: "No Advanced Options" has
// gone to the status line.
bool RunAdvancedOptions(Application& app, QWidget* parent);

}  // namespace veldrix
