// The main window's commands: what enables them and what they do.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolBar>
#include <fstream>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "buffer/BufferTools.h"
#include "frame/FrameCommandIds.h"
#include "hexedit/HexClipboard.h"

namespace veldrix::test {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every plugged-in dialog, recording that it opened; `during` runs as the
// dialog's work, `accept` is what it answers.
struct DialogRecorder {
    std::vector<std::string> opened;
    bool accept = true;
    std::function<void()> during = [] {};

    OptionDialogs dialogs() {
        const auto record = [this](const char* name) {
            opened.emplace_back(name);
            during();
        };
        OptionDialogs plugged;
        plugged.selectChip = [record](Application&, QWidget*) { record("chip"); };
        plugged.editConfigKeys = [record](Application&, QWidget*) { record("keys"); };
        plugged.editDeviceVoltages = [record](Application&, QWidget*) { record("voltages"); };
        plugged.editSettings = [this, record](Application&, CHexEditBase&, CHexEditBase&,
                                              QWidget*) {
            record("settings");
            return accept;
        };
        plugged.editGeneralOptions = [record](Application&, QWidget*) { record("general"); };
        plugged.fillBuffer = [this, record](Application&, QWidget*) {
            record("fill");
            return accept;
        };
        plugged.xorBuffer = [this, record](Application&, QWidget*) {
            record("xor");
            return accept;
        };
        return plugged;
    }
};

class MainFrameCommands : public MainFrameFixture {
protected:
    void startOnSimulator(OptionDialogs dialogs = {}) {
        storeSimulatorChoice();
        start(std::move(dialogs));
    }

    [[nodiscard]] bool enabledEverywhere(int id) {
        QAction* command = action(id);
        auto* toolBar = frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
        if (QWidget* button = toolBar->widgetForAction(command)) {
            EXPECT_EQ(button->isEnabled(), command->isEnabled()) << std::hex << id;
        }
        return command->isEnabled();
    }

    // The text of the next message box, which is closed.
    void expectBox(const QString& text) {
        onNextModal([text](QWidget& box) {
            EXPECT_EQ(box.findChild<QPlainTextEdit*>()->toPlainText(), text);
            box.close();
        });
    }

    std::vector<std::uint8_t> image() {
        const DataBuffer& buffer = engine().buffer();
        return {buffer.data(), buffer.data() + buffer.length()};
    }
};

TEST_F(MainFrameCommands, OperationsAreEnabledByTheModulesCapabilities) {
    startOnSimulator();
    // calypso reads, writes, compares, blank-checks, erases and reads IDs;
    // it offers no Test, Lock, Unlock or Configuration command.
    for (int id :
         {cmd::kRead, cmd::kWrite, cmd::kCompare, cmd::kBlankCheck, cmd::kErase, cmd::kReadId}) {
        EXPECT_TRUE(enabledEverywhere(id)) << std::hex << id;
    }
    for (int id : {cmd::kTest, cmd::kLock, cmd::kUnlock, cmd::kConfiguration}) {
        EXPECT_FALSE(enabledEverywhere(id)) << std::hex << id;
    }
    // A family without modules here: nothing to run.
    store(QStringLiteral("Hardware/holtan/port"), QStringLiteral("SIM"));
    frame().execute(cmd::kFamilyHoltan);
    for (int id : {cmd::kRead, cmd::kWrite, cmd::kCompare, cmd::kErase}) {
        EXPECT_FALSE(enabledEverywhere(id)) << std::hex << id;
    }
    // Commands that are not about the chip stay on.
    EXPECT_TRUE(enabledEverywhere(cmd::kOpen));
    EXPECT_TRUE(enabledEverywhere(cmd::kAbout));
    EXPECT_TRUE(enabledEverywhere(cmd::kInitBuffer));
}

TEST_F(MainFrameCommands, SelectionCommandsFollowASelectionInEitherEditor) {
    startOnSimulator();
    const std::vector<int> selectionCommands{cmd::kCopy, cmd::kPaste, cmd::kOpenBlock,
                                             cmd::kSaveBlock};
    const auto allEnabled = [&](bool expected) {
        for (int id : selectionCommands) {
            EXPECT_EQ(enabledEverywhere(id), expected) << std::hex << id;
        }
    };
    allEnabled(false);
    mainEditor().SetSelection(4, 7, false, true);
    allEnabled(true);
    mainEditor().SetSelection(kNoIndex, kNoIndex, false, true);
    allEnabled(false);

    dlldata& block = engine().callBlock();
    block.eepofs = block.size;
    block.eeplen = 64;
    engine().buffer().SetBuffers();
    secondEditor().SetSelection(0, 3, false, true);
    allEnabled(true);

    // Nothing to undo, and the editor never changes length.
    EXPECT_FALSE(enabledEverywhere(cmd::kUndo));
    EXPECT_FALSE(enabledEverywhere(cmd::kCut));
}

TEST_F(MainFrameCommands, CopyAndPasteGoToTheEditorThatHasTheSelection) {
    startOnSimulator();
    dlldata& block = engine().callBlock();
    block.eepofs = block.size;
    block.eeplen = 64;
    engine().buffer().SetBuffers();
    DataBuffer& buffer = engine().buffer();
    buffer.data()[block.eepofs + 2] = 0x12;
    buffer.data()[block.eepofs + 3] = 0x34;

    // The selection is in the second editor only, and the focus is elsewhere.
    secondEditor().SetSelection(2, 3, false, true);
    frame().findChild<QWidget*>(QStringLiteral("ports"))->setFocus();
    frame().execute(cmd::kCopy);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->data(QString::fromLatin1(kBinaryDataMime)),
              QByteArray::fromHex("020000001234"));

    // The focused editor goes first: a paste lands at its caret.
    mainEditor().setFocus();
    mainEditor().SetCaret(16, true);
    frame().execute(cmd::kPaste);
    EXPECT_EQ(buffer.data()[16], 0x12);
    EXPECT_EQ(buffer.data()[17], 0x34);
}

TEST_F(MainFrameCommands, BlocksOfTheSelectionGoToFilesAndComeBack) {
    startOnSimulator();
    DataBuffer& buffer = engine().buffer();
    for (std::uint32_t i = 0; i < 32; ++i) {
        buffer.data()[i] = static_cast<std::uint8_t>(i);
    }
    mainEditor().SetSelection(8, 11, false, true);
    files->answers.push_back(QString::fromStdString(dir.file("block.bin")));
    frame().execute(cmd::kSaveBlock);
    EXPECT_EQ(readFile(dir.file("block.bin")), std::string("\x08\x09\x0A\x0B", 4));
    // A block is not the document.
    EXPECT_EQ(engine().documentName(), "Untitled.bin");

    // Loaded at the selection's start and cut to its length; a shorter file
    // leaves the erased value behind it, as Open does.
    const std::string longer = dir.write("long.bin", "ABCDEFGH");
    const std::string shorter = dir.write("short.bin", "xy");
    mainEditor().SetSelection(20, 22, false, true);
    files->answers.push_back(QString::fromStdString(longer));
    frame().execute(cmd::kOpenBlock);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()) + 19, 5),
              std::string("\x13"
                          "ABC\x17",
                          5));
    EXPECT_TRUE(mainEditor().HasSelection());

    files->answers.push_back(QString::fromStdString(shorter));
    frame().execute(cmd::kOpenBlock);
    EXPECT_TRUE(statusShows("Error reading 3 bytes"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()) + 20, 3),
              std::string("xy\xFF", 3));

    // A file that is not there: the program's message, the bytes untouched.
    expectBox("Can't open file: missing.bin");
    files->answers.push_back(QString::fromStdString(dir.file("missing.bin")));
    frame().execute(cmd::kOpenBlock);
    EXPECT_EQ(buffer.data()[20], 'x');
}

TEST_F(MainFrameCommands, FileCommandsNeedAnImage) {
    store(QStringLiteral("General/hardware"), kHoltan);  // no modules, so no image
    store(QStringLiteral("Hardware/holtan/port"), QStringLiteral("SIM"));
    const std::string existing = dir.write("keep.bin", "precious");
    start();
    ASSERT_FALSE(engine().buffer().hasImage());
    files->answers.push_back(QString::fromStdString(existing));
    frame().execute(cmd::kSaveAs);
    frame().execute(cmd::kOpen);
    // Not even asked: an empty save would have replaced the file.
    EXPECT_EQ(files->questions, 0);
    EXPECT_EQ(readFile(existing), "precious");
}

TEST_F(MainFrameCommands, SaveAsOffersTheDocumentNameAndTakesTheNewOne) {
    startOnSimulator();
    engine().buffer().data()[0] = 0x42;
    const QString path = QString::fromStdString(dir.file("image.bin"));
    files->answers.push_back(path);
    frame().execute(cmd::kSaveAs);
    ASSERT_EQ(files->suggested.size(), 1u);
    EXPECT_EQ(files->suggested[0], "Untitled.bin");
    EXPECT_EQ(readFile(path.toStdString()).size(), engine().buffer().length());
    EXPECT_EQ(frame().windowTitle(), "Tessaro 0.39b [SIM] - " + path);

    frame().execute(cmd::kInitBuffer);
    EXPECT_EQ(engine().buffer().data()[0], 0xFF);
    files->answers.push_back(path);
    frame().execute(cmd::kOpen);
    EXPECT_EQ(engine().buffer().data()[0], 0x42);
}

TEST_F(MainFrameCommands, BufferToolsTransformTheImageAndShowDigests) {
    startOnSimulator();
    DataBuffer& buffer = engine().buffer();
    buffer.data()[0] = 0x01;
    buffer.data()[1] = 0x02;
    frame().execute(cmd::kSwapBytes);
    EXPECT_EQ(buffer.data()[0], 0x02);
    EXPECT_EQ(buffer.data()[1], 0x01);
    // Both editors repaint and the main one has the focus.
    EXPECT_TRUE(mainEditor().hasFocus());

    for (const auto& [id, text] :
         {std::pair{cmd::kCheckSum, BufferCheckSum(buffer)},
          std::pair{cmd::kCrc32, BufferCrc32(buffer)}, std::pair{cmd::kMd5, BufferMd5(buffer)}}) {
        ASSERT_TRUE(text.has_value());
        expectBox(QString::fromStdString(*text));
        frame().execute(id);
    }
    frame().execute(cmd::kInitBuffer);
    EXPECT_EQ(buffer.data()[0], 0xFF);
}

TEST_F(MainFrameCommands, UnpluggedDialogsLeaveTheirCommandsDisabled) {
    startOnSimulator();
    for (int id : {cmd::kDevice, cmd::kDeviceVoltage, cmd::kConfigKeys, cmd::kSettings,
                   cmd::kGeneral, cmd::kFillBuffer, cmd::kXorBuffer}) {
        EXPECT_FALSE(enabledEverywhere(id)) << std::hex << id;
    }
}

TEST_F(MainFrameCommands, PluggedDialogsAreOpenedAndTheWindowFollowsThem) {
    DialogRecorder recorder;
    startOnSimulator(recorder.dialogs());
    const std::vector<int> dialogCommands{cmd::kDevice,   cmd::kDeviceVoltage, cmd::kConfigKeys,
                                          cmd::kSettings, cmd::kGeneral,       cmd::kFillBuffer,
                                          cmd::kXorBuffer};
    for (int id : dialogCommands) {
        EXPECT_TRUE(enabledEverywhere(id)) << std::hex << id;
        frame().execute(id);
    }
    EXPECT_EQ(recorder.opened, (std::vector<std::string>{"chip", "voltages", "keys", "settings",
                                                         "general", "fill", "xor"}));

    // The commands follow the module the chip window leaves behind.
    recorder.during = [&] { engine().callBlock().funcs[DD_FN_ERASE] = 0; };
    frame().execute(cmd::kDevice);
    EXPECT_FALSE(enabledEverywhere(cmd::kErase));

    // A changed buffer is shown with the focus in the main editor; an
    // unchanged one keeps the focus where it was.
    recorder.during = [] {};
    auto* ports = frame().findChild<QWidget*>(QStringLiteral("ports"));
    recorder.accept = false;
    for (int id : {cmd::kFillBuffer, cmd::kXorBuffer}) {
        ports->setFocus();
        frame().execute(id);
        EXPECT_TRUE(ports->hasFocus()) << std::hex << id;
    }
    recorder.accept = true;
    for (int id : {cmd::kFillBuffer, cmd::kXorBuffer}) {
        ports->setFocus();
        frame().execute(id);
        EXPECT_TRUE(mainEditor().hasFocus()) << std::hex << id;
    }

    // The status thread beeps as Settings left the setting, after OK only.
    ASSERT_TRUE(session->ui().beeps());
    recorder.during = [&] { engine().settings().settings().main.beep = 0; };
    recorder.accept = false;
    frame().execute(cmd::kSettings);
    EXPECT_TRUE(session->ui().beeps());
    recorder.accept = true;
    frame().execute(cmd::kSettings);
    EXPECT_FALSE(session->ui().beeps());
}

}  // namespace
}  // namespace veldrix::test
