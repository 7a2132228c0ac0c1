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

// Every plugged-in dialog, recording what it was asked.
struct DialogRecorder {
    std::vector<std::string> opened;
    QPoint chipWindowPlace;
    std::optional<std::uint8_t> byteValue;
    QString byteTitle;
    bool accept = true;
    std::function<void()> duringSettings;
    std::function<void()> duringGeneral;

    OptionDialogs dialogs() {
        OptionDialogs plugged;
        plugged.selectChip = [this](QWidget*, QPoint place) {
            opened.push_back("chip");
            chipWindowPlace = place;
        };
        plugged.editConfigKeys = [this](QWidget*) { opened.push_back("keys"); };
        plugged.editDeviceVoltages = [this](QWidget*) {
            opened.push_back("voltages");
            return accept;
        };
        plugged.editSettings = [this](QWidget*) {
            opened.push_back("settings");
            if (duringSettings) {
                duringSettings();
            }
            return accept;
        };
        plugged.editGeneralOptions = [this](QWidget*) {
            opened.push_back("general");
            if (duringGeneral) {
                duringGeneral();
            }
        };
        plugged.askByteValue = [this](QWidget*, const QString& title) {
            opened.push_back("value");
            byteTitle = title;
            return byteValue;
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

TEST_F(MainFrameCommands, PluggedDialogsAreOpenedAndTheirResultsApplied) {
    DialogRecorder recorder;
    startOnSimulator(recorder.dialogs());
    for (int id : {cmd::kDevice, cmd::kDeviceVoltage, cmd::kConfigKeys, cmd::kSettings,
                   cmd::kGeneral, cmd::kFillBuffer, cmd::kXorBuffer}) {
        EXPECT_TRUE(enabledEverywhere(id)) << std::hex << id;
    }
    DataBuffer& buffer = engine().buffer();

    recorder.byteValue = 0x5A;
    frame().execute(cmd::kFillBuffer);
    EXPECT_EQ(recorder.byteTitle, "Fill");
    EXPECT_EQ(buffer.data()[buffer.length() - 1], 0x5A);
    recorder.byteValue = 0x0F;
    frame().execute(cmd::kXorBuffer);
    EXPECT_EQ(recorder.byteTitle, "Xor");
    EXPECT_EQ(buffer.data()[0], 0x55);
    // A cancelled value changes no byte.
    recorder.byteValue.reset();
    frame().execute(cmd::kFillBuffer);
    EXPECT_EQ(buffer.data()[0], 0x55);

    // After the chip window the family section is written.
    store(QStringLiteral("Hardware/tessaro/lastchip"), QStringLiteral("stale"));
    frame().execute(cmd::kDevice);
    EXPECT_EQ(recorder.chipWindowPlace, frame().frameGeometry().topLeft() + QPoint(100, 70));
    EXPECT_EQ(stored(QStringLiteral("Hardware/tessaro/lastchip")).toString(), "W27C512");

    // Settings' colours reach both editors on OK only.
    recorder.duringSettings = [&] { engine().settings().settings().colors.hexcol = 0x00FF00; };
    recorder.accept = false;
    frame().execute(cmd::kSettings);
    EXPECT_NE(mainEditor().colors().hexText, 0x00FF00u);
    recorder.accept = true;
    frame().execute(cmd::kSettings);
    EXPECT_EQ(mainEditor().colors().hexText, 0x00FF00u);
    EXPECT_EQ(secondEditor().colors().hexText, 0x00FF00u);

    // General's split view takes effect at once.
    dlldata& block = engine().callBlock();
    block.eepofs = block.size;
    block.eeplen = 64;
    engine().buffer().SetBuffers();
    ASSERT_FALSE(secondEditor().isHidden());
    recorder.duringGeneral = [&] { engine().settings().settings().general.EepSplit = 0; };
    frame().execute(cmd::kGeneral);
    EXPECT_TRUE(secondEditor().isHidden());
    EXPECT_EQ(mainEditor().length(), buffer.length());

    frame().execute(cmd::kConfigKeys);
    frame().execute(cmd::kDeviceVoltage);
    EXPECT_EQ(recorder.opened,
              (std::vector<std::string>{"value", "value", "value", "chip", "settings", "settings",
                                        "general", "keys", "voltages"}));
}

TEST_F(MainFrameCommands, DeviceVoltageDoesNothingWithoutAChip) {
    DialogRecorder recorder;
    store(QStringLiteral("General/hardware"), kHoltan);
    store(QStringLiteral("Hardware/holtan/port"), QStringLiteral("SIM"));
    start(recorder.dialogs());
    frame().execute(cmd::kDeviceVoltage);
    EXPECT_TRUE(recorder.opened.empty());
}

}  // namespace
}  // namespace veldrix::test
