#include "frame/ProgramDialogs.h"

#include "core/Application.h"
#include "dialogs/AdvancedOptionsDialog.h"
#include "dialogs/BufferToolCommands.h"
#include "dialogs/DeviceOptionsDialog.h"
#include "dialogs/DeviceWnd.h"
#include "dialogs/GeneralOptionsDialog.h"
#include "dialogs/SettingsDialog.h"

namespace veldrix {

namespace {

Language languageOf(Application& app) {
    return app.settings().settings().main.language;
}

}  // namespace

OptionDialogs programDialogs() {
    OptionDialogs dialogs;
    dialogs.selectChip = [](Application& app, QWidget* parent) {
        (void)RunChipSelection(app, parent);
    };
    dialogs.editConfigKeys = [](Application& app, QWidget* parent) {
        (void)RunAdvancedOptions(app, parent);
    };
    dialogs.editDeviceVoltages = [](Application& app, QWidget* parent) {
        (void)RunDeviceOptions(app, parent);
    };
    dialogs.editSettings = [](Application& app, CHexEditBase& mainEditor,
                              CHexEditBase& secondEditor, QWidget* parent) {
        return RunSettingsDialog(app, &mainEditor, &secondEditor, parent);
    };
    dialogs.editGeneralOptions = [](Application& app, QWidget* parent) {
        (void)RunGeneralOptions(app.settings().settings().general, app.buffer(), parent);
    };
    dialogs.fillBuffer = [](Application& app, QWidget* parent) {
        return RunFillBuffer(app.buffer(), languageOf(app), parent);
    };
    dialogs.xorBuffer = [](Application& app, QWidget* parent) {
        return RunXorBuffer(app.buffer(), languageOf(app), parent);
    };
    return dialogs;
}

}  // namespace veldrix
