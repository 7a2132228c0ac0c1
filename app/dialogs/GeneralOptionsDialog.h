#pragma once
// The General Options dialog: check boxes for the operation flags, the
// split view and reading twice. OK stores them (checked 1, cleared 0);
// Cancel changes nothing.

#include <QWidget>

#include "buffer/DataBuffer.h"
#include "core/ProgramSettings.h"

namespace veldrix {

// Runs the dialog on `settings`. Afterwards, OK or Cancel, the buffer is
// attached to the editors again with the split view `EepSplit` says, which
// lays the editors out anew through the buffer's layout listener, so a
// change shows at once. True after OK.
bool RunGeneralOptions(GeneralSettings& settings, DataBuffer& buffer, QWidget* parent);

}  // namespace veldrix
