#pragma once
// The graphical program started in-process on a settings file of its own,
// with the drivers and modules of the build tree and the simulated board's
// chips in a temporary directory. Files are chosen by the test instead of
// the system's file dialogs.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "core/Application.h"
#include "frame/CMainFrame.h"
#include "frame/EditorPane.h"
#include "frame/FileChooser.h"
#include "frame/GuiSession.h"
#include "hexedit/CHexEditBase.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace veldrix::test {

// Answers the main window's file questions from a list, and notes them.
class ScriptedFileChooser : public FileChooser {
public:
    std::deque<QString> answers;     // an empty one cancels
    std::vector<QString> suggested;  // what each save question offered
    // The filter chosen with each image answer; none left: "All files".
    std::deque<std::optional<ImageFormat>> filters;
    int questions = 0;

    std::optional<ChosenImage> imageToOpen(QWidget*) override { return nextImage(); }
    std::optional<ChosenImage> imageToSave(QWidget*, const QString& offered) override {
        suggested.push_back(offered);
        return nextImage();
    }
    std::optional<QString> fileToOpen(QWidget*) override { return next(); }
    std::optional<QString> fileToSave(QWidget*, const QString& offered) override {
        suggested.push_back(offered);
        return next();
    }

private:
    std::optional<ChosenImage> nextImage() {
        std::optional<ImageFormat> filter;
        if (!filters.empty()) {
            filter = filters.front();
            filters.pop_front();
        }
        const std::optional<QString> path = next();
        if (!path) {
            return std::nullopt;
        }
        return ChosenImage{*path, filter};
    }

    std::optional<QString> next() {
        ++questions;
        if (answers.empty()) {
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) {
            return std::nullopt;
        }
        return answer;
    }
};

class MainFrameFixture : public ::testing::Test {
protected:
    static constexpr unsigned kTessaro = 1;
    static constexpr unsigned kHoltan = 3;

    // The settings a user left with the Tessaro family on the simulated
    // board and a calypso chip.
    void storeSimulatorChoice(const QString& chip = QStringLiteral("W27C512")) {
        store(QStringLiteral("General/hardware"), kTessaro);
        store(QStringLiteral("Hardware/tessaro/port"), QStringLiteral("SIM"));
        store(QStringLiteral("Hardware/tessaro/lastmodule"), QStringLiteral("calypso"));
        store(QStringLiteral("Hardware/tessaro/lastchip"), chip);
    }

    void start(OptionDialogs dialogs = {}) {
        auto chooser = std::make_unique<ScriptedFileChooser>();
        files = chooser.get();
        session = std::make_unique<GuiSession>(
            SettingsStore::openFile(QString::fromStdString(ini()), VELDRIX_TEST_BASE_DIR),
            VELDRIX_TEST_BASE_DIR, std::move(dialogs), std::move(chooser));
        ASSERT_TRUE(session->start());
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }

    void TearDown() override { session.reset(); }

    [[nodiscard]] CMainFrame& frame() { return *session->frame(); }
    [[nodiscard]] Application& engine() { return session->engine(); }
    [[nodiscard]] CHexEditBase& mainEditor() { return frame().editors().mainEditor(); }
    [[nodiscard]] CHexEditBase& secondEditor() { return frame().editors().secondEditor(); }

    // The window's action carrying `id`; every command has exactly one.
    [[nodiscard]] QAction* action(int id) {
        QAction* found = nullptr;
        for (QAction* candidate : frame().findChildren<QAction*>()) {
            if (candidate->data().toInt() == id) {
                EXPECT_EQ(found, nullptr) << "two actions carry " << std::hex << id;
                found = candidate;
            }
        }
        EXPECT_NE(found, nullptr) << "no action carries " << std::hex << id;
        return found;
    }

    [[nodiscard]] QString pane(const char* name) {
        auto* label = frame().findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("<no pane>");
    }

    // Waits for the status thread to show `text` in the message pane.
    [[nodiscard]] bool statusShows(const QString& text) {
        return QTest::qWaitFor([&] { return pane("paneMessage") == text; }, 5000);
    }

    [[nodiscard]] const std::string& ini() const { return settingsFile; }
    [[nodiscard]] QVariant stored(const QString& key) const {
        QSettings settings(QString::fromStdString(ini()), QSettings::IniFormat);
        return settings.value(key);
    }
    void store(const QString& key, const QVariant& value) const {
        QSettings settings(QString::fromStdString(ini()), QSettings::IniFormat);
        settings.setValue(key, value);
    }

    TempDir dir;
    // Where start() keeps the settings.
    std::string settingsFile = dir.file("settings.ini");
    ScopedEnvironment simDir{"VELDRIX_SIM_DIR", dir.file("sim").c_str()};
    std::unique_ptr<GuiSession> session;
    ScriptedFileChooser* files = nullptr;
};

}  // namespace veldrix::test
