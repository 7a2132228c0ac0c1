#include "frame/CMainFrame.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>
#include <QToolBar>

#include "core/Application.h"
#include "core/HardwareFamilies.h"
#include "dialogs/FamilyIcon.h"
#include "dialogs/ProgressWindow.h"
#include "frame/CommandActions.h"
#include "frame/CompareReportWindow.h"
#include "frame/EditorPane.h"
#include "frame/FileChooser.h"
#include "frame/FrameCommandIds.h"
#include "frame/FrameStatusBar.h"
#include "frame/GuiUserInterface.h"
#include "frame/PortBar.h"
#include "hexedit/CHexEditBase.h"

namespace veldrix {

namespace {

constexpr int kToolBarIconSize = 18;  // pixels

}  // namespace

CMainFrame::CMainFrame(Application& engine, GuiUserInterface& ui, UiTranslators& translators,
                       OptionDialogs dialogs, std::unique_ptr<FileChooser> files)
    : engine_(engine),
      ui_(ui),
      translators_(translators),
      dialogs_(std::move(dialogs)),
      files_(std::move(files)) {
    setObjectName(QStringLiteral("mainFrame"));
    lookTheSameWhenInactive();
    editors_ = new EditorPane(this);
    setCentralWidget(editors_);
    createBars();
    compareReport_ = new CompareReportWindow(this);
    panes_ = std::make_unique<FrameStatusBar>(*statusBar());
    const ProgramSettings& settings = engine_.settings().settings();
    editors_->applySettings(settings.colors, settings.font);
    connectEngine();
    ui_.setFrameView(this);
    placement_.restore(*this, settings.position);
    retranslate();
    setWindowIcon(familyIcon(engine_.familyIndex()));
    refreshTitle();
    updateCommandStates();
}

CMainFrame::~CMainFrame() {
    shutDown();
}

void CMainFrame::lookTheSameWhenInactive() {
    QPalette same = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        same.setBrush(QPalette::Inactive, colorRole, same.brush(QPalette::Active, colorRole));
    }
    setPalette(same);
}

void CMainFrame::createBars() {
    actions_ = new CommandActions(*this);
    actions_->fillMenuBar(*menuBar());

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    actions_->fillToolBar(*toolBar_);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    portBar_ = new PortBar(this);
    addToolBar(Qt::TopToolBarArea, portBar_);

    connect(actions_, &CommandActions::triggered, this, &CMainFrame::execute);
    connect(actions_, &CommandActions::menuAboutToShow, this, &CMainFrame::updateCommandStates);
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::updateCommandStates);
    connect(portBar_, &PortBar::focusEntered, this, &CMainFrame::portBarEntered);
    connect(portBar_, &PortBar::portChosen, this, &CMainFrame::portChosen);
}

void CMainFrame::connectEngine() {
    DataBuffer& buffer = engine_.buffer();
    buffer.setEditors(&editors_->mainEditor(), &editors_->secondEditor());
    buffer.setLayoutListener([this] { editors_->layOut(); });
    for (CHexEditBase* editor : {&editors_->mainEditor(), &editors_->secondEditor()}) {
        editor->setEditRecorder(&engine_.history());
        connect(editor, &CHexEditBase::addressChanged, this,
                [this](std::uint32_t, const QString& text) { setPaneText(Pane::Address, text); });
        connect(editor, &CHexEditBase::crcCalculated, this,
                [this](const QString& text) { ui_.messageBox(DD_MB_OK, text.toStdString()); });
    }
    connect(editors_, &EditorPane::selectionChanged, this, &CMainFrame::updateCommandStates);
    connect(editors_, &EditorPane::edited, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::setPaneText(Pane pane, const QString& text) {
    panes_->setText(pane, text);
}

void CMainFrame::refreshTitle() {
    const HardwareFamily& family = hardwareFamily(engine_.familyIndex());
    setWindowTitle(QStringLiteral("%1 [%2] - %3")
                       .arg(QString::fromUtf8(family.title),
                            QString::fromStdString(engine_.ports().current().label),
                            QString::fromStdString(engine_.documentName())));
}

void CMainFrame::familyChanged() {
    setWindowIcon(familyIcon(engine_.familyIndex()));
    refillPortBar();
    refreshTitle();
    updateCommandStates();
}

void CMainFrame::execute(int id) {
    if (engine_.busy() || shutDown_) {
        return;
    }
    const bool wasActive = isActiveWindow();
    dispatch(id);
    updateCommandStates();
    reportSettingsWriteFailure();
    // A dialog the command opened took the activation; where no window
    // manager hands it back, the window's keys would be dead until a click.
    if (wasActive && !shutDown_ && !isActiveWindow()) {
        activateWindow();
    }
    // A close asked for while the command's module call ran.
    if (closeRequested_ && !engine_.busy()) {
        close();
    }
}

bool CMainFrame::commandEnabled(int id) const {
    if (engine_.busy() || shutDown_) {
        return false;
    }
    if (const auto command = cmd::deviceCommandOf(id)) {
        return engine_.operations().enabled(*command);
    }
    switch (id) {
        case cmd::kCopy:
        case cmd::kPaste:
        case cmd::kOpenBlock:
        case cmd::kSaveBlock:
            return editors_->hasSelection();
        case cmd::kUndo:
            return engine_.history().canUndo();
        case cmd::kRedo:
            return engine_.history().canRedo();
        case cmd::kCut:
            // The editor never changes the data's length.
            return false;
        case cmd::kFind:
        case cmd::kFindNext:
        case cmd::kFindPrevious:
        case cmd::kGoToAddress:
            return engine_.buffer().length() != 0;
        case cmd::kDevice:
            return static_cast<bool>(dialogs_.selectChip);
        case cmd::kConfigKeys:
            return static_cast<bool>(dialogs_.editConfigKeys);
        case cmd::kDeviceVoltage:
            return static_cast<bool>(dialogs_.editDeviceVoltages);
        case cmd::kSettings:
            return static_cast<bool>(dialogs_.editSettings);
        case cmd::kGeneral:
            return static_cast<bool>(dialogs_.editGeneralOptions);
        case cmd::kFillBuffer:
            return static_cast<bool>(dialogs_.fillBuffer);
        case cmd::kXorBuffer:
            return static_cast<bool>(dialogs_.xorBuffer);
        case cmd::kCompareReport:
            return compareReport_->hasReport();
        default:
            return true;
    }
}

void CMainFrame::updateCommandStates() {
    for (const auto& [id, action] : actions_->all()) {
        action->setEnabled(commandEnabled(id));
    }
    actions_->action(cmd::kToolbar)->setChecked(!toolBar_->isHidden());
    actions_->action(cmd::kStatusBar)->setChecked(!statusBar()->isHidden());
    for (unsigned index = 0; index < cmd::kFamilies.size(); ++index) {
        actions_->action(cmd::kFamilies[index])->setChecked(index == engine_.familyIndex());
    }
    const bool russian = engine_.settings().settings().main.language == Language::Russian;
    actions_->action(cmd::kLanguageRussian)->setChecked(russian);
    actions_->action(cmd::kLanguageEnglish)->setChecked(!russian);
    portBar_->ports().setEnabled(!engine_.busy() && !shutDown_);
}

void CMainFrame::disableCommands() {
    for (const auto& [id, action] : actions_->all()) {
        action->setEnabled(false);
    }
    portBar_->ports().setEnabled(false);
}

void CMainFrame::reportSettingsWriteFailure() {
    if (const std::optional<SettingsWriteFailure> failure = engine_.takeSettingsWriteFailure()) {
        ui_.messageBox(DD_MB_ICONEXCLAMATION, settingsWriteFailureText(*failure));
    }
}

void CMainFrame::refillPortBar() {
    portBar_->fill(engine_.ports().labelsOfKinds(hardwareFamily(engine_.familyIndex()).portmask),
                   engine_.ports().current().label);
}

void CMainFrame::portBarEntered() {
    if (engine_.busy() || shutDown_) {
        return;
    }
    engine_.refreshPorts();
    refillPortBar();
}

void CMainFrame::portChosen(const QString& label) {
    if (!engine_.busy() && !shutDown_) {
        engine_.selectPort(label.toStdString());
    }
    // Shows the port in use, which is the old one when the choice was refused.
    refillPortBar();
    updateCommandStates();
}

void CMainFrame::frameFocused() {
    if (engine_.busy() || shutDown_) {
        return;
    }
    engine_.buffer().releasePage();
    if (focusWidget() == nullptr) {
        editors_->refocus();
    }
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        frameFocused();
    }
    return QMainWindow::event(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::retranslate() {
    actions_->retranslate();
    toolBar_->setWindowTitle(QCoreApplication::translate("CMainFrame", "Toolbar"));
    portBar_->retranslate();
    panes_->retranslate();
    editors_->relayoutEditors();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (engine_.busy()) {
        // The module is still running: it is asked to stop, and the window
        // closes once its call has returned.
        closeRequested_ = true;
        if (ProgressWindow* progress = ui_.progressWindow()) {
            progress->cancel();
        }
        event->ignore();
        return;
    }
    shutDown();
    // The last write of the run: the next start would find the old settings.
    reportSettingsWriteFailure();
    event->accept();
}

void CMainFrame::shutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    placement_.store(engine_.settings().settings().position);
    // Before the editors go: the engine detaches them and stops the status
    // thread, which may still be posting to the message pane.
    engine_.close();
    engine_.buffer().setEditors(nullptr, nullptr);
    editors_->mainEditor().setEditRecorder(nullptr);
    editors_->secondEditor().setEditRecorder(nullptr);
    engine_.buffer().setLayoutListener({});
    ui_.setFrameView(nullptr);
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placement_.follow(*this);
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placement_.follow(*this);
}

}  // namespace veldrix
