#include "frame/GuiSession.h"

#include <QGuiApplication>
#include <QScreen>

#include "frame/CMainFrame.h"

namespace veldrix {

namespace {

// The family a first run starts with: its driver, the parallel-port board's,
// comes with the program, and reaches the simulated board.
constexpr unsigned kFirstRunFamily = 1;

}  // namespace

GuiSession::GuiSession(SettingsStore settings, std::filesystem::path baseDirectory,
                       OptionDialogs dialogs, std::unique_ptr<FileChooser> files)
    : engine_(ui_, std::move(settings), std::move(baseDirectory)),
      dialogs_(std::move(dialogs)),
      files_(files ? std::move(files) : std::make_unique<SystemFileChooser>()) {}

GuiSession::~GuiSession() {
    if (frame_ != nullptr) {
        frame_->shutDown();
    }
}

bool GuiSession::start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // A stored place off this screen is moved onto it.
        engine_.setScreenSize({screen->size().width(), screen->size().height()});
    }
    // The status thread starts in prepare() and paces its blinking with the
    // engine's sleeper.
    ui_.bind(engine_.settings(), engine_.statusService().sleeper());
    StartChoices choices;
    if (!engine_.settings().holdsFamilyChoice()) {
        choices.family = kFirstRunFamily;
    }
    if (!engine_.prepare()) {
        return false;
    }
    const MainSettings& main = engine_.settings().settings().main;
    ui_.setBeep(main.beep != 0);
    translators_.apply(main.language);

    frame_ = std::make_unique<CMainFrame>(engine_, ui_, translators_, std::move(dialogs_),
                                          std::move(files_));
    frame_->show();
    // The program was just started: its keys work at once, also where no
    // window manager activates a new window.
    frame_->activateWindow();
    // Driver and module messages appear over the shown window.
    engine_.restore(choices);
    frame_->familyChanged();
    return true;
}

}  // namespace veldrix
