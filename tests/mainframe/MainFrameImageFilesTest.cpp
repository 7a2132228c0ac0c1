// Open and Save as in the three image formats: the filter chosen in the file
// dialog decides the format, "All files" leaves it to the content on opening
// and to the extension on saving, and a record file that does not parse
// leaves the buffer as it was.
#include <QPlainTextEdit>
#include <fstream>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "frame/FrameCommandIds.h"

namespace veldrix::test {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

class MainFrameImageFiles : public MainFrameFixture {
protected:
    void SetUp() override {
        storeSimulatorChoice();
        start();
        DataBuffer& buffer = engine().buffer();
        for (std::uint32_t address = 0; address < buffer.length(); ++address) {
            buffer.data()[address] = static_cast<std::uint8_t>(address * 13 + (address >> 9));
        }
        pattern = image();
    }

    void saveAs(const std::string& name, std::optional<ImageFormat> filter) {
        files->answers.push_back(QString::fromStdString(dir.file(name)));
        files->filters.push_back(filter);
        frame().execute(cmd::kSaveAs);
    }

    void open(const std::string& name, std::optional<ImageFormat> filter) {
        files->answers.push_back(QString::fromStdString(dir.file(name)));
        files->filters.push_back(filter);
        frame().execute(cmd::kOpen);
    }

    // The next message box's text; the box is closed.
    static void recordBox(QString& text) {
        onNextModal([&text](QWidget& box) {
            text = box.findChild<QPlainTextEdit*>()->toPlainText();
            box.close();
        });
    }

    std::vector<std::uint8_t> image() {
        const DataBuffer& buffer = engine().buffer();
        return {buffer.data(), buffer.data() + buffer.length()};
    }

    std::vector<std::uint8_t> pattern;
};

TEST_F(MainFrameImageFiles, TheChosenFilterDecidesTheFormatAndAllFilesTheNameOrContent) {
    // Raw bytes that read like an Intel HEX file, by content an empty one.
    const std::string endRecord = ":00000001FF\n";
    std::copy(endRecord.begin(), endRecord.end(), engine().buffer().data());
    pattern = image();
    saveAs("by-name.hex", std::nullopt);
    saveAs("by-name.s28", std::nullopt);
    saveAs("hex-filter.bin", ImageFormat::IntelHex);
    saveAs("srec-filter.hex", ImageFormat::SRecord);
    saveAs("raw-filter.hex", ImageFormat::Raw);
    EXPECT_EQ(readFile(dir.file("by-name.hex")).substr(0, 1), ":");
    EXPECT_EQ(readFile(dir.file("by-name.s28")).substr(0, 2), "S0");
    EXPECT_EQ(readFile(dir.file("hex-filter.bin")).substr(0, 1), ":");
    EXPECT_EQ(readFile(dir.file("srec-filter.hex")).substr(0, 2), "S0");
    const std::string raw = readFile(dir.file("raw-filter.hex"));
    EXPECT_EQ(std::vector<std::uint8_t>(raw.begin(), raw.end()), pattern);

    // Each comes back whole, by its content or by the filter.
    for (const auto& [name, filter] :
         std::vector<std::pair<std::string, std::optional<ImageFormat>>>{
             {"by-name.hex", std::nullopt},
             {"by-name.s28", ImageFormat::SRecord},
             {"hex-filter.bin", std::nullopt},
             {"srec-filter.hex", std::nullopt},
             {"raw-filter.hex", ImageFormat::Raw}}) {
        SCOPED_TRACE(name);
        frame().execute(cmd::kInitBuffer);
        ASSERT_NE(image(), pattern);
        open(name, filter);
        EXPECT_EQ(image(), pattern);
        EXPECT_EQ(engine().documentName(), dir.file(name));
    }
}

TEST_F(MainFrameImageFiles, ARecordFileThatDoesNotParseIsRefusedWithItsLineAndChangesNothing) {
    writeFile(dir.file("broken.hex"),
              ":020000040000FA\n"
              ":0400000001020304F1\n"  // the checksum is F2
              ":00000001FF\n");
    const std::string before = engine().documentName();
    QString box;
    recordBox(box);
    open("broken.hex", std::nullopt);
    EXPECT_TRUE(box.startsWith("Error in file ")) << box.toStdString();
    EXPECT_TRUE(box.contains("Line 2")) << box.toStdString();
    EXPECT_EQ(image(), pattern);
    EXPECT_EQ(engine().documentName(), before);

    // Raw bytes read as Intel HEX because the user chose its filter.
    saveAs("plain.bin", std::nullopt);
    frame().execute(cmd::kSwapBytes);
    const std::vector<std::uint8_t> swapped = image();
    box.clear();
    recordBox(box);
    open("plain.bin", ImageFormat::IntelHex);
    EXPECT_TRUE(box.contains("Line 1")) << box.toStdString();
    EXPECT_EQ(image(), swapped);
}

}  // namespace
}  // namespace veldrix::test
