// Buffer files in Intel HEX and S-record: the format taken from the content
// or forced, a damaged file refused with the buffer untouched, saves in the
// format of the name's extension.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "BufferFixture.h"
#include "FileCommandTexts.h"
#include "RecordTextBuilders.h"
#include "TempDir.h"
#include "VariedBytes.h"
#include "buffer/BufferFiles.h"
#include "buffer/BufferTools.h"

namespace veldrix::test {
namespace {

class RecordBufferFilesTest : public BufferFixture {
protected:
    // The buffer holds varied bytes the loads under test must not touch.
    void selectChipWithContents(std::uint32_t size, std::uint32_t eeplen = 0,
                                std::uint32_t eepofs = 0) {
        selectChip(size, eeplen, eepofs);
        const auto bytes = variedBytes(buffer.length(), 5);
        load(std::string(bytes.begin(), bytes.end()));
        before = image();
        attachesBefore = mainEditor.attachCount;
    }

    // The load was refused: the buffer, the editors and the document name
    // are as they were, and one message box names the file and the line.
    void expectRefused(const FileLoadResult& result, ImageFileFault fault, std::size_t line,
                       const std::string& message) {
        EXPECT_EQ(result.status, LoadStatus::NotOpened);
        ASSERT_TRUE(result.recordError);
        EXPECT_EQ(result.recordError->fault, fault);
        EXPECT_EQ(result.recordError->line, line);
        EXPECT_EQ(texts(result, MessageChannel::Box), std::vector<std::string>{message});
        EXPECT_TRUE(texts(result, MessageChannel::Status).empty());
        EXPECT_FALSE(result.fileNameTaken);
        EXPECT_EQ(image(), before);
        EXPECT_EQ(mainEditor.attachCount, attachesBefore);
    }

    TempDir dir;
    std::string before;
    int attachesBefore = 0;
};

TEST_F(RecordBufferFilesTest, IntelHexIsTakenFromTheContentWhateverTheName) {
    selectChipWithContents(0x200);
    const std::string text = lines(
        {intelRecord(0x00, 0x0010, {0x11, 0x22}), intelRecord(0x00, 0x01FF, {0x33}), intelEnd()},
        "\r\n");

    const FileLoadResult result = LoadBufferFile(buffer, dir.write("renamed.bin", text));

    EXPECT_EQ(result.status, LoadStatus::LoadedWhole);
    EXPECT_EQ(result.format, ImageFormat::IntelHex);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(result.fileNameTaken);
    const auto expected = erasedWith(0x200, {{0x10, 0x11}, {0x11, 0x22}, {0x1FF, 0x33}});
    EXPECT_EQ(image(), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(mainEditor.attachCount, attachesBefore + 1);
}

TEST_F(RecordBufferFilesTest, SRecordIsTakenFromTheContentIntoEveryArea) {
    selectChipWithContents(0x100, 0x20, 0x100);
    const std::string text = lines({sRecord('0', 2, 0, {}), sRecord('1', 2, 0x0000, {0xAB}),
                                    sRecord('1', 2, 0x011F, {0xCD}), sRecord('9', 2, 0, {})});

    const FileLoadResult result = LoadBufferFile(buffer, dir.write("image.hex", text));

    EXPECT_EQ(result.format, ImageFormat::SRecord);
    EXPECT_EQ(result.status, LoadStatus::LoadedWhole);
    const auto expected = erasedWith(0x120, {{0, 0xAB}, {0x11F, 0xCD}});
    EXPECT_EQ(image(), std::string(expected.begin(), expected.end()));
}

TEST_F(RecordBufferFilesTest, AForcedFormatOverridesTheContent) {
    selectChipWithContents(0x40);
    const std::string text = lines({intelRecord(0x00, 0, {0x01}), intelEnd()});
    const std::string path = dir.write("a.hex", text);

    const FileLoadResult raw = LoadBufferFile(buffer, path, ImageFormat::Raw);
    EXPECT_EQ(raw.format, ImageFormat::Raw);
    EXPECT_EQ(raw.status, LoadStatus::ShortFile);
    EXPECT_EQ(image().substr(0, text.size()), text);

    selectChipWithContents(0x40);
    const FileLoadResult asSRecord = LoadBufferFile(buffer, path, ImageFormat::SRecord);
    expectRefused(asSRecord, ImageFileFault::Malformed, 1,
                  "Error in file a.hex: Line 1: malformed record");
}

TEST_F(RecordBufferFilesTest, DamagedRecordFilesLeaveTheBufferExactlyAsItWas) {
    selectChipWithContents(0x100);
    const std::string good = intelRecord(0x00, 0x0000, {1, 2, 3, 4});
    expectRefused(
        LoadBufferFile(buffer, dir.write("sum.hex", lines({good, intelRecord(0x00, 0x10, {5}, 1),
                                                           intelEnd()}))),
        ImageFileFault::Checksum, 2, "Error in file sum.hex: Line 2: checksum error");
    expectRefused(
        LoadBufferFile(
            buffer,
            dir.write("far.hex", lines({good, "", intelRecord(0x00, 0x00FF, {6, 7}), intelEnd()}))),
        ImageFileFault::BeyondImage, 3,
        "Error in file far.hex: Line 3: data at 00000100 lies beyond the image");
    expectRefused(
        LoadBufferFile(buffer, dir.write("twice.hex",
                                         lines({good, intelRecord(0x00, 0x02, {9}), intelEnd()}))),
        ImageFileFault::Overlap, 2,
        "Error in file twice.hex: Line 2: data at 00000002 differs from an earlier record for "
        "the same address");
    expectRefused(LoadBufferFile(buffer, dir.write("cut.s19", lines({sRecord('1', 2, 0, {1})}))),
                  ImageFileFault::MissingEnd, 1,
                  "Error in file cut.s19: Line 1: the file ends without an end record");
}

TEST_F(RecordBufferFilesTest, BinaryThatOnlyStartsLikeARecordLoadsRaw) {
    selectChipWithContents(0x40);
    std::string content = ":10000000";
    content += std::string("\x00\x9F\xFF\x01\n", 5);
    content += std::string(0x40 - content.size(), '\x5A');

    const FileLoadResult result = LoadBufferFile(buffer, dir.write("colon.bin", content));

    EXPECT_EQ(result.format, ImageFormat::Raw);
    EXPECT_EQ(result.status, LoadStatus::LoadedWhole);
    EXPECT_EQ(image(), content);
}

// A record text far longer than any file of the image needs is not read to
// its end: it holds something else, and memory is not spent on it.
TEST_F(RecordBufferFilesTest, ARecordTextLongerThanAnyFileOfTheImageIsRefused) {
    selectChipWithContents(0x10);
    const std::string record = intelRecord(0x00, 0x0000, {0x42}) + "\n";
    std::string text;
    while (text.size() <= 64 * 0x10 + 64 * 1024) {
        text += record;
    }
    const std::size_t linesWithin = (64 * 0x10 + 64 * 1024) / record.size();
    text += intelEnd() + "\n";

    const FileLoadResult result = LoadBufferFile(buffer, dir.write("long.hex", text));

    expectRefused(result, ImageFileFault::TooLong, linesWithin + 1,
                  "Error in file long.hex: Line " + std::to_string(linesWithin + 1) +
                      ": the file is too long for the image");
}

TEST_F(RecordBufferFilesTest, ARecordFileComesThroughAPipe) {
    selectChipWithContents(0x20);
    const std::string path = dir.file("pipe");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const std::string text = lines({sRecord('1', 2, 0x0004, {0x77}), sRecord('9', 2, 0, {})});
    std::thread writer([&] {
        if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), out);
            std::fclose(out);
        }
    });

    const FileLoadResult result = LoadBufferFile(buffer, path);
    writer.join();

    EXPECT_EQ(result.format, ImageFormat::SRecord);
    EXPECT_EQ(result.status, LoadStatus::LoadedWhole);
    EXPECT_EQ(static_cast<std::uint8_t>(image()[4]), 0x77);
}

TEST_F(RecordBufferFilesTest, SavesInTheFormatOfTheExtensionAndLoadsBackEveryArea) {
    selectChipWithContents(0x10000, 0x200, 0x10000);
    for (const char* name : {"out.hex", "out.IHX", "out.s37", "out.mot", "out.bin", "out.img"}) {
        const std::string path = dir.file(name);
        const FileSaveResult saved = SaveBufferFile(buffer, path);
        ASSERT_EQ(saved.status, SaveStatus::Saved) << name;
        EXPECT_EQ(saved.format, imageFormatForFileName(name)) << name;
        const std::string text = TempDir::read(path);
        const ImageFormat written = text == before ? ImageFormat::Raw : detectImageFormat(text);
        EXPECT_EQ(written, saved.format) << name;

        ASSERT_TRUE(FillBuffer(buffer, 0));
        const FileLoadResult loaded = LoadBufferFile(buffer, path);
        EXPECT_EQ(loaded.status, LoadStatus::LoadedWhole) << name;
        EXPECT_EQ(image(), before) << name;
    }
}

TEST_F(RecordBufferFilesTest, AForcedSaveFormatOverridesTheExtension) {
    selectChipWithContents(0x100);
    const std::string path = dir.file("image.bin");

    const FileSaveResult saved = SaveBufferFile(buffer, path, ImageFormat::SRecord);

    EXPECT_EQ(saved.format, ImageFormat::SRecord);
    const std::string text = TempDir::read(path);
    EXPECT_EQ(text.substr(0, 2), "S0");
    EXPECT_EQ(detectImageFormat(text), ImageFormat::SRecord);
}

// A block has no addresses of its own: its file is raw whatever its name or
// content, so that a block saved under any name loads back as it was.
TEST_F(RecordBufferFilesTest, BlockFilesStayRawWhateverTheNameOrContent) {
    selectChipWithContents(0x200);
    const std::string path = dir.file("block.hex");

    const FileSaveResult saved = SaveBufferBlock(buffer, path, 0x20, 0x10);
    ASSERT_EQ(saved.status, SaveStatus::Saved);
    EXPECT_EQ(saved.format, ImageFormat::Raw);
    EXPECT_EQ(TempDir::read(path), before.substr(0x20, 0x10));

    const std::string text = lines({intelRecord(0x00, 0x0000, {0x11}), intelEnd()}, "\n");
    const FileLoadResult loaded = LoadBufferBlock(buffer, dir.write("records.hex", text), 0, 4);
    EXPECT_EQ(loaded.format, ImageFormat::Raw);
    EXPECT_EQ(image().substr(0, 4), text.substr(0, 4));
    EXPECT_EQ(image().substr(4), before.substr(4));
}

// A file's own image (no chip sizes it): a record file's ends at its last
// byte, not at its text's length; a raw file's is the file.
TEST_F(RecordBufferFilesTest, AFilesOwnImageEndsAtItsLastByteWhateverTheFormat) {
    const std::string hex = dir.write("own.hex", lines({intelRecord(0x00, 0x0003, {0x11}),
                                                        intelRecord(0x00, 0, {0x22}), intelEnd()}));
    FileImageResult own = ReadFileImage(hex, std::nullopt, 0x100);
    EXPECT_EQ(own.load.status, LoadStatus::LoadedWhole);
    EXPECT_EQ(own.load.format, ImageFormat::IntelHex);
    EXPECT_FALSE(own.load.fileNameTaken);
    EXPECT_EQ(own.image, erasedWith(4, {{0, 0x22}, {3, 0x11}}));

    // Forced raw, the same file is its text.
    own = ReadFileImage(hex, ImageFormat::Raw, 0x100);
    EXPECT_EQ(std::string(own.image.begin(), own.image.end()), TempDir::read(hex));

    // Past the limit: a raw file is too large, a record names its line.
    EXPECT_TRUE(
        ReadFileImage(dir.write("big.bin", std::string(0x101, 'x')), std::nullopt, 0x100).tooLarge);
    own = ReadFileImage(hex, std::nullopt, 3);
    EXPECT_EQ(own.load.status, LoadStatus::NotOpened);
    EXPECT_TRUE(own.image.empty());
    EXPECT_EQ(texts(own.load, MessageChannel::Box),
              std::vector<std::string>{
                  "Error in file own.hex: Line 1: data at 00000003 lies beyond the image"});

    own = ReadFileImage(dir.file("missing.hex"), std::nullopt, 0x100);
    EXPECT_EQ(own.load.status, LoadStatus::NotOpened);
    EXPECT_EQ(own.load.systemError, ENOENT);
}

}  // namespace
}  // namespace veldrix::test
