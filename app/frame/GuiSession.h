#pragma once
// The graphical program put together: the widget user interface, the
// language switch, the engine and the main window, started in the order the
// program starts and shut down in the order it ends.
//
//   GuiSession session(SettingsStore::openUserStore(base), base);
//   if (!session.start()) return 1;
//   return app.exec();  // the window's close runs the engine's close sequence

#include <filesystem>
#include <memory>

#include "core/Application.h"
#include "core/SettingsStore.h"
#include "frame/FileChooser.h"
#include "frame/GuiUserInterface.h"
#include "frame/OptionDialogs.h"
#include "frame/UiTranslators.h"

namespace veldrix {

class CMainFrame;

class GuiSession {
public:
    GuiSession(SettingsStore settings, std::filesystem::path baseDirectory,
               OptionDialogs dialogs = {}, std::unique_ptr<FileChooser> files = {});
    // Closes the window's engine first if the window did not close itself.
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    // Reads the settings, opens the main window at its stored place in the
    // stored language, then restores the family, driver, port, module and
    // chip. False when the program cannot start (its message has been shown).
    [[nodiscard]] bool start();

    [[nodiscard]] Application& engine() noexcept { return engine_; }
    [[nodiscard]] GuiUserInterface& ui() noexcept { return ui_; }
    // Null before start().
    [[nodiscard]] CMainFrame* frame() noexcept { return frame_.get(); }

private:
    GuiUserInterface ui_;
    UiTranslators translators_;
    Application engine_;
    OptionDialogs dialogs_;
    std::unique_ptr<FileChooser> files_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace veldrix
