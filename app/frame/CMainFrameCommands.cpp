// The main window's command handlers.
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "buffer/BufferTools.h"
#include "core/Application.h"
#include "core/TextFormat.h"
#include "frame/AboutBox.h"
#include "frame/CMainFrame.h"
#include "frame/EditorPane.h"
#include "frame/FileChooser.h"
#include "frame/FrameCommandIds.h"
#include "frame/GuiUserInterface.h"
#include "frame/UiTranslators.h"
#include "hexedit/CHexEditBase.h"
#include "platform/FaultGuard.h"

namespace veldrix {

namespace {

constexpr const char* kDriverFaultText =
    "The programmer driver failed (%s) during the operation: its result cannot be trusted";

// The selected bytes of `editor` as a block of the buffer: the editors show
// the buffer in place, each from its address offset on.
struct SelectedBlock {
    std::uint32_t offset;
    std::uint32_t length;
};

std::optional<SelectedBlock> selectedBlock(const CHexEditBase& editor) {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    if (!editor.GetSelection(start, end)) {
        return std::nullopt;
    }
    const std::uint64_t offset = std::uint64_t{editor.addressOffset()} + start;
    const std::uint64_t length = std::uint64_t{end} - start + 1;
    if (offset > UINT32_MAX) {
        return std::nullopt;
    }
    return SelectedBlock{static_cast<std::uint32_t>(offset),
                         static_cast<std::uint32_t>(std::min<std::uint64_t>(length, UINT32_MAX))};
}

}  // namespace

void CMainFrame::dispatch(int id) {
    if (const auto command = cmd::deviceCommandOf(id)) {
        runOperation(*command);
        return;
    }
    if (const auto family = cmd::familyOf(id)) {
        selectFamily(*family);
        return;
    }
    DataBuffer& buffer = engine_.buffer();
    switch (id) {
        case cmd::kOpen:
            openFile();
            break;
        case cmd::kSaveAs:
            saveFileAs();
            break;
        case cmd::kOpenBlock:
            openBlock();
            break;
        case cmd::kSaveBlock:
            saveBlock();
            break;
        case cmd::kExit:
            close();
            break;
        case cmd::kCopy:
            editors_->selectionTarget().Copy();
            break;
        case cmd::kPaste:
            editors_->selectionTarget().Paste();
            break;
        case cmd::kUndo:
            undo();
            break;
        case cmd::kRedo:
            redo();
            break;
        case cmd::kFind:
            find();
            break;
        case cmd::kFindNext:
            findAgain(SearchDirection::Forward);
            break;
        case cmd::kFindPrevious:
            findAgain(SearchDirection::Backward);
            break;
        case cmd::kGoToAddress:
            goToAddress();
            break;
        case cmd::kToolbar:
            toolBar_->setVisible(toolBar_->isHidden());
            break;
        case cmd::kStatusBar:
            statusBar()->setVisible(statusBar()->isHidden());
            break;
        case cmd::kInitBuffer:
            runBufferTool([&buffer] { return InitBuffer(buffer); });
            break;
        case cmd::kFillBuffer:
            fillBuffer();
            break;
        case cmd::kXorBuffer:
            xorBuffer();
            break;
        case cmd::kSwapBytes:
            runBufferTool([&buffer] { return SwapBytes(buffer); });
            break;
        case cmd::kCheckSum:
            showDigest(BufferCheckSum(buffer));
            break;
        case cmd::kCrc32:
            showDigest(BufferCrc32(buffer));
            break;
        case cmd::kMd5:
            showDigest(BufferMd5(buffer));
            break;
        case cmd::kDevice:
            selectChip();
            break;
        case cmd::kDeviceVoltage:
            editDeviceVoltages();
            break;
        case cmd::kConfigKeys:
            editConfigKeys();
            break;
        case cmd::kSettings:
            editSettings();
            break;
        case cmd::kGeneral:
            editGeneralOptions();
            break;
        case cmd::kLanguageRussian:
            switchLanguage(Language::Russian);
            break;
        case cmd::kLanguageEnglish:
            switchLanguage(Language::English);
            break;
        case cmd::kAbout:
            showAbout();
            break;
        case cmd::kCompareReport:
            showCompareReport();
            break;
        default:
            // Cut: the editor never changes the data's length.
            break;
    }
}

void CMainFrame::runOperation(Command command) {
    // The progress window lets clicks through while the module works.
    disableCommands();
    if (command == Command::Read && engine_.settings().settings().general.readtwice != 0) {
        readVerified();
        return;
    }
    const OperationOutcome outcome = engine_.runOperation(command);
    concludeOperation(outcome);
    if (command == Command::Compare) {
        reportComparison(outcome);
    }
}

void CMainFrame::concludeOperation(const OperationOutcome& outcome) {
    switch (outcome.verdict) {
        case Verdict::DriverFault:
            // The module may well have reported success on a board whose
            // state nobody knows; its status line only blinked "voltage ERR".
            ui_.messageBox(DD_MB_ICONEXCLAMATION,
                           formatLimited(kMessageTextCapacity, kDriverFaultText,
                                         platform::faultName(outcome.driverFault)));
            break;
        case Verdict::Success:
        case Verdict::FailedChipUnchanged:
        case Verdict::FailedChipChanged:
        case Verdict::NotSupported:
        case Verdict::ModuleFault:
        case Verdict::NoImage:
            // Said by the operation's own messages, as far as the operation
            // reports its results at all (Test and Unlock report none).
            break;
        case Verdict::NotConfirmed:
            // The user said no.
            break;
        case Verdict::Refused:
            // Nothing was sent: another call is running or no module entry
            // is bound, and the commands are disabled in both cases.
            break;
    }
}

void CMainFrame::openFile() {
    // Without an image there is nothing to load into.
    if (!engine_.buffer().hasImage()) {
        return;
    }
    if (const auto image = files_->imageToOpen(this)) {
        (void)engine_.openBufferFile(image->path.toStdString(), image->format);
        refreshTitle();
    }
}

void CMainFrame::saveFileAs() {
    // Without an image a save would replace the file with an empty one.
    if (!engine_.buffer().hasImage()) {
        return;
    }
    if (const auto image =
            files_->imageToSave(this, QString::fromStdString(engine_.documentName()))) {
        (void)engine_.saveBufferFile(image->path.toStdString(), image->format);
        refreshTitle();
    }
}

void CMainFrame::openBlock() {
    CHexEditBase& editor = editors_->selectionTarget();
    const auto block = selectedBlock(editor);
    if (!block) {
        return;
    }
    if (const auto path = files_->fileToOpen(this)) {
        (void)engine_.openBufferBlock(path->toStdString(), block->offset, block->length);
        editors_->repaintEditors();
    }
}

void CMainFrame::saveBlock() {
    const auto block = selectedBlock(editors_->selectionTarget());
    if (!block) {
        return;
    }
    if (const auto path = files_->fileToSave(this, QString())) {
        (void)engine_.saveBufferBlock(path->toStdString(), block->offset, block->length);
    }
}

void CMainFrame::runBufferTool(const std::function<bool()>& tool) {
    bufferTransformed(engine_.history().recordWhole(tool));
}

void CMainFrame::bufferTransformed(bool ran) {
    if (ran) {
        frameFocused();
        editors_->refocus();
    }
}

void CMainFrame::fillBuffer() {
    runBufferTool([this] { return dialogs_.fillBuffer(engine_, this); });
}

void CMainFrame::xorBuffer() {
    runBufferTool([this] { return dialogs_.xorBuffer(engine_, this); });
}

void CMainFrame::showDigest(const std::optional<std::string>& text) {
    if (text) {
        ui_.messageBox(DD_MB_OK, *text);
    }
}

void CMainFrame::selectChip() {
    // The command states follow the module's capabilities once the command
    // has run, whatever the window's outcome.
    dialogs_.selectChip(engine_, this);
}

void CMainFrame::editDeviceVoltages() {
    dialogs_.editDeviceVoltages(engine_, this);
}

void CMainFrame::editConfigKeys() {
    dialogs_.editConfigKeys(engine_, this);
}

void CMainFrame::editSettings() {
    if (dialogs_.editSettings(engine_, editors_->mainEditor(), editors_->secondEditor(), this)) {
        ui_.setBeep(engine_.settings().settings().main.beep != 0);
    }
    // OK and Cancel may both have bound the driver anew.
    refillPortBar();
    refreshTitle();
}

void CMainFrame::editGeneralOptions() {
    // The new layout comes through the buffer's layout listener.
    dialogs_.editGeneralOptions(engine_, this);
}

void CMainFrame::selectFamily(unsigned index) {
    disableCommands();
    engine_.selectFamily(index);
    familyChanged();
}

void CMainFrame::switchLanguage(Language language) {
    engine_.switchLanguage(language);
    // Every window gets a language change and retranslates itself.
    translators_.apply(language);
}

void CMainFrame::showAbout() {
    AboutBox box(engine_.callBlock().about, ui_, this);
    box.exec();
}

}  // namespace veldrix
