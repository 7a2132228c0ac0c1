#pragma once
// The program's main window: the two hex editors over the data buffer, the
// menus, tool bar and port bar built from the command table, the status bar
// with its seven panes, and the title "family [port] - document". It routes
// every command to its handler, enables the commands from the module's
// capabilities and the editors' selections, keeps its place for the
// settings, and runs the engine's close sequence before its widgets go.
//
// While a module call is running (the progress window lets events through)
// every command and the port list are refused, and a close request cancels
// the operation and closes the window once the call has returned.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "buffer/UndoJournal.h"
#include "core/DeviceCommands.h"
#include "core/OperationOutcome.h"
#include "dialogs/FindQuery.h"
#include "frame/FrameView.h"
#include "frame/OptionDialogs.h"
#include "frame/WindowPlacement.h"

class QToolBar;

namespace veldrix {

class Application;
class CommandActions;
class CHexEditBase;
class CompareReportWindow;
class EditorPane;
class FileChooser;
class FrameStatusBar;
class GuiUserInterface;
class PortBar;
class UiTranslators;

class CMainFrame : public QMainWindow, public FrameView {
    Q_OBJECT

public:
    // The editors are registered with the engine's buffer here, so the
    // engine must not have selected a family yet. The window opens at the
    // place the settings give.
    CMainFrame(Application& engine, GuiUserInterface& ui, UiTranslators& translators,
               OptionDialogs dialogs, std::unique_ptr<FileChooser> files);
    ~CMainFrame() override;

    // FrameView.
    void setPaneText(Pane pane, const QString& text) override;
    void refreshTitle() override;
    QWidget* frameWindow() override { return this; }

    // The engine selected a family: its icon, its ports, the title and the enables.
    void familyChanged();

    // Runs a command as its menu entry, button or keys do. Refused while a
    // module call is running.
    void execute(int id);

    // Enables and check marks as they are now.
    void updateCommandStates();

    // The close sequence: the place and all settings written, the engine
    // closed, the editors detached from the buffer. Runs once.
    void shutDown();

    [[nodiscard]] EditorPane& editors() noexcept { return *editors_; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Every operation hands the activation to its progress window and back;
    // a window that looked different inactive would be redrawn whole each
    // time, at the operation's cost.
    void lookTheSameWhenInactive();
    void createBars();
    void connectEngine();
    void retranslate();
    [[nodiscard]] bool commandEnabled(int id) const;
    void disableCommands();
    // The window got the keyboard: the last getpage copy goes (never while a
    // module call may still use it) and an editor gets the focus.
    void frameFocused();
    // Once a run: settings that did not reach the store would be lost
    // without a word.
    void reportSettingsWriteFailure();
    void refillPortBar();
    void portBarEntered();
    void portChosen(const QString& label);

    // Command handlers.
    void dispatch(int id);
    void runOperation(Command command);
    // What the window adds to the operation's own messages, by its verdict.
    void concludeOperation(const OperationOutcome& outcome);
    // Read twice and compared (the General option): reads that differ leave
    // the buffer as it was and are listed.
    void readVerified();
    // After a Compare that ran: the report of the differences it found, or
    // none when it found none.
    void reportComparison(const OperationOutcome& outcome);
    void showCompareReport();
    void openFile();
    void saveFileAs();
    void openBlock();
    void saveBlock();
    // A buffer tool, true when it ran: its change can be undone.
    void runBufferTool(const std::function<bool()>& tool);
    void bufferTransformed(bool ran);
    void fillBuffer();
    void xorBuffer();
    void showDigest(const std::optional<std::string>& text);
    void undo();
    void redo();
    void showRestored(const std::optional<ChangedRange>& range);
    void goToAddress();
    void find();
    // Without a query yet, Find's dialog first.
    void findAgain(SearchDirection direction);
    void search(CHexEditBase& editor, const FindQuery& query, SearchDirection direction);
    void selectChip();
    void editDeviceVoltages();
    void editConfigKeys();
    void editSettings();
    void editGeneralOptions();
    void selectFamily(unsigned index);
    void switchLanguage(Language language);
    void showAbout();

    Application& engine_;
    GuiUserInterface& ui_;
    UiTranslators& translators_;
    OptionDialogs dialogs_;
    std::unique_ptr<FileChooser> files_;
    CommandActions* actions_ = nullptr;
    EditorPane* editors_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    PortBar* portBar_ = nullptr;
    CompareReportWindow* compareReport_ = nullptr;
    std::unique_ptr<FrameStatusBar> panes_;
    WindowPlacement placement_;
    // The last search, for Find next and Find previous.
    std::optional<FindQuery> lastFind_;
    bool closeRequested_ = false;
    bool shutDown_ = false;
};

}  // namespace veldrix
