#pragma once
// The Settings dialog: the driver file, ECR, port access method, module
// root, the hex editor's colours and font, and sound, on SettingsEdit.

#include <QWidget>

namespace veldrix {

class Application;
class CHexEditBase;

// Runs the dialog. On OK the colours and font go to the given editors (either
// may be null) at once and the settings are stored (see SettingsEdit::accept);
// on Cancel the driver in use at opening is bound again. True after OK, when
// the front end also takes the `beep` setting for its status thread.
bool RunSettingsDialog(Application& app, CHexEditBase* mainEditor, CHexEditBase* secondEditor,
                       QWidget* parent);

}  // namespace veldrix
