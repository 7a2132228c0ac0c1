#include "buffer/BufferFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "BufferFixture.h"
#include "FileCommandTexts.h"
#include "TempDir.h"
#include "buffer/BufferTools.h"

namespace veldrix::test {
namespace {

class BufferFilesTest : public BufferFixture {
protected:
    TempDir dir;
};

// Lowers this process's file size limit, so that writing past it fails with
// EFBIG whatever the user's permissions: a failing save that even root gets.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

std::string pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>(i * 7 + 1);
    }
    return bytes;
}

TEST_F(BufferFilesTest, ShortFileFillsTheStartAndReportsTheLengthAskedFor) {
    selectChip(0x200);
    ASSERT_EQ(buffer.mark(0x10, 1), 1u);
    const std::string content = pattern(0x100);
    const std::string path = dir.write("short.bin", content);

    const FileLoadResult result = LoadBufferFile(buffer, path);

    EXPECT_EQ(result.status, LoadStatus::ShortFile);
    EXPECT_EQ(result.bytesRead, 0x100u);
    EXPECT_EQ(image(), content + std::string(0x100, '\xFF'));
    EXPECT_EQ(texts(result, MessageChannel::Status),
              std::vector<std::string>{"Error reading 512 bytes"});
    EXPECT_TRUE(texts(result, MessageChannel::Box).empty());
    EXPECT_TRUE(result.fileNameTaken);
    EXPECT_EQ(mainEditor.attachCount, 2);
    EXPECT_EQ(mainEditor.markedCount(), 0u);
}

TEST_F(BufferFilesTest, LongFileFillsTheWholeImageSilently) {
    selectChip(0x200);
    const std::string content = pattern(0x400);

    const FileLoadResult result = LoadBufferFile(buffer, dir.write("long.bin", content));

    EXPECT_EQ(result.status, LoadStatus::LoadedWhole);
    EXPECT_EQ(result.bytesRead, 0x200u);
    EXPECT_EQ(image(), content.substr(0, 0x200));
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(result.fileNameTaken);
}

TEST_F(BufferFilesTest, LoadRefillsBytesLeftFromEarlierContents) {
    selectChip(0x10);
    ASSERT_TRUE(LoadBufferFile(buffer, dir.write("a.bin", pattern(0x10))).fileNameTaken);

    const FileCommandResult result = LoadBufferFile(buffer, dir.write("b.bin", "xy"));

    EXPECT_EQ(image(), "xy" + std::string(0x0E, '\xFF'));
    EXPECT_EQ(texts(result, MessageChannel::Status),
              std::vector<std::string>{"Error reading 16 bytes"});
}

TEST_F(BufferFilesTest, MissingFileIsReportedByNameAndNeverCreated) {
    selectChip(0x100);
    load("keep");
    const std::string before = image();
    const std::string path = dir.file("name.bin");

    const FileLoadResult result = LoadBufferFile(buffer, path);

    EXPECT_EQ(result.status, LoadStatus::NotOpened);
    EXPECT_EQ(texts(result, MessageChannel::Box),
              std::vector<std::string>{"Can't open file: name.bin"});
    EXPECT_TRUE(texts(result, MessageChannel::Status).empty());
    EXPECT_EQ(result.systemError, ENOENT);
    EXPECT_FALSE(result.fileNameTaken);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(image(), before);
}

TEST_F(BufferFilesTest, DirectoryIsNoBufferFile) {
    selectChip(0x100);
    std::filesystem::create_directory(dir.file("folder"));

    const FileLoadResult result = LoadBufferFile(buffer, dir.file("folder"));

    EXPECT_EQ(result.status, LoadStatus::NotOpened);
    EXPECT_EQ(texts(result, MessageChannel::Box),
              std::vector<std::string>{"Can't open file: folder"});
    EXPECT_EQ(result.systemError, EISDIR);
    EXPECT_FALSE(result.fileNameTaken);
}

TEST_F(BufferFilesTest, LoadWithoutImageDoesNothing) {
    const FileLoadResult result = LoadBufferFile(buffer, dir.file("missing.bin"));

    EXPECT_EQ(result.status, LoadStatus::NoImage);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_FALSE(result.fileNameTaken);
}

TEST_F(BufferFilesTest, ReadFailureReportsTheSystemCodeAndLeavesTheFillValue) {
    // Reading this process's memory from address 0 fails with EIO.
    selectChip(0x200);
    load("junk");

    const FileLoadResult result = LoadBufferFile(buffer, "/proc/self/mem");

    EXPECT_EQ(result.status, LoadStatus::NotRead);
    EXPECT_EQ(result.bytesRead, 0u);
    EXPECT_EQ(texts(result, MessageChannel::Status),
              (std::vector<std::string>{"ReadFile Error: 5", "Error reading 512 bytes"}));
    EXPECT_EQ(result.systemError, EIO);
    EXPECT_EQ(image(), std::string(0x200, '\xFF'));
    EXPECT_TRUE(result.fileNameTaken);
}

TEST_F(BufferFilesTest, SaveWritesEveryAreaAtItsOffset) {
    selectChip(0x10000, 0x200, 0x10000);
    load(pattern(0x10000));
    buffer.data()[0x101FF] = 0x42;
    const std::string path = dir.file("image.bin");

    const FileSaveResult result = SaveBufferFile(buffer, path);

    EXPECT_EQ(result.status, SaveStatus::Saved);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(result.fileNameTaken);
    const std::string saved = TempDir::read(path);
    ASSERT_EQ(saved.size(), 0x10200u);
    EXPECT_EQ(saved, image());
}

TEST_F(BufferFilesTest, SaveIncludesTheThirdAreaAndTheGapBeforeIt) {
    block.extofs = 0x300;
    block.extlen = 0x20;
    selectChip(0x100);
    const std::string path = dir.file("ext.bin");

    ASSERT_TRUE(SaveBufferFile(buffer, path).messages.empty());

    EXPECT_EQ(TempDir::read(path), std::string(0x320, '\xFF'));
}

TEST_F(BufferFilesTest, SavedFileLoadsBackUnchanged) {
    selectChip(0x1000, 0x80, 0x1000);
    load(pattern(0x1080));
    const std::string original = image();
    const std::string path = dir.file("round.bin");
    ASSERT_TRUE(SaveBufferFile(buffer, path).messages.empty());
    ASSERT_TRUE(FillBuffer(buffer, 0));

    const FileCommandResult result = LoadBufferFile(buffer, path);

    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(image(), original);
}

TEST_F(BufferFilesTest, LongerExistingFileIsCutToTheImage) {
    selectChip(0x200);
    const std::string path = dir.write("old.bin", pattern(0x400));

    ASSERT_TRUE(SaveBufferFile(buffer, path).messages.empty());

    EXPECT_EQ(TempDir::read(path), std::string(0x200, '\xFF'));
}

TEST_F(BufferFilesTest, SaveIntoAMissingFolderIsReportedAndCreatesNothing) {
    selectChip(0x100);
    const std::string path = dir.file("nowhere/out.bin");

    const FileSaveResult result = SaveBufferFile(buffer, path);

    EXPECT_EQ(result.status, SaveStatus::NotOpened);
    EXPECT_EQ(texts(result, MessageChannel::Box),
              std::vector<std::string>{"Can't open file: out.bin"});
    EXPECT_EQ(result.systemError, ENOENT);
    EXPECT_FALSE(result.fileNameTaken);
    EXPECT_FALSE(std::filesystem::exists(dir.file("nowhere")));
}

TEST_F(BufferFilesTest, SaveOverAFolderIsReportedAndLeavesItAlone) {
    selectChip(0x100);
    const std::string inside = dir.write("target/inner.bin", "inner");

    const FileCommandResult result = SaveBufferFile(buffer, dir.file("target"));

    EXPECT_EQ(texts(result, MessageChannel::Box),
              std::vector<std::string>{"Can't open file: target"});
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("target")));
    EXPECT_EQ(TempDir::read(inside), "inner");
}

TEST_F(BufferFilesTest, SaveOntoAPipeIsReportedAndLeavesThePipe) {
    selectChip(0x100);
    const std::string path = dir.file("pipe");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);

    const FileCommandResult result = SaveBufferFile(buffer, path);

    EXPECT_EQ(texts(result, MessageChannel::Box),
              std::vector<std::string>{"Can't open file: pipe"});
    EXPECT_FALSE(result.fileNameTaken);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

TEST_F(BufferFilesTest, FailedWriteKeepsTheOldFileAndReports) {
    selectChip(0x10000);
    const std::string old = pattern(0x100);
    const std::string path = dir.write("keep.bin", old);

    FileSaveResult result;
    {
        FileSizeLimit limit(0x1000);
        result = SaveBufferFile(buffer, path);
    }

    EXPECT_EQ(result.status, SaveStatus::NotWritten);
    EXPECT_EQ(
        texts(result, MessageChannel::Status),
        (std::vector<std::string>{"WriteFile Error: 27", "Error writing, only 0 bytes written"}));
    EXPECT_EQ(result.systemError, EFBIG);
    EXPECT_TRUE(result.fileNameTaken);
    EXPECT_EQ(TempDir::read(path), old);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// Blocks: the part of the image a selection covers.
TEST_F(BufferFilesTest, BlocksAreCutToTheImageAndLeaveTheRestAlone) {
    selectChip(0x100);
    load(pattern(0x100));
    const int attachesBefore = mainEditor.attachCount;

    // Saved: just the block, and a block reaching past the image is cut.
    const std::string saved = dir.file("block.bin");
    FileSaveResult save = SaveBufferBlock(buffer, saved, 0xF0, 0x40);
    EXPECT_EQ(save.status, SaveStatus::Saved);
    EXPECT_FALSE(save.fileNameTaken);
    EXPECT_EQ(TempDir::read(saved), pattern(0x100).substr(0xF0));

    // Loaded: the file's start into the block, the fill value after it.
    const std::string source = dir.write("src.bin", "ab");
    FileLoadResult load = LoadBufferBlock(buffer, source, 0x10, 4);
    EXPECT_EQ(load.status, LoadStatus::ShortFile);
    EXPECT_FALSE(load.fileNameTaken);
    EXPECT_EQ(texts(load, MessageChannel::Status),
              std::vector<std::string>{"Error reading 4 bytes"});
    const std::string after = image();
    EXPECT_EQ(after.substr(0x10, 4), std::string("ab\xFF\xFF", 4));
    EXPECT_EQ(after.substr(0, 0x10), pattern(0x100).substr(0, 0x10));
    EXPECT_EQ(after.substr(0x14), pattern(0x100).substr(0x14));
    // The editors show the image in place and keep their selection.
    EXPECT_EQ(mainEditor.attachCount, attachesBefore);

    // Nothing outside the image, nothing for an empty block.
    EXPECT_EQ(LoadBufferBlock(buffer, source, 0x100, 4).status, LoadStatus::NoImage);
    EXPECT_EQ(SaveBufferBlock(buffer, saved, 0x10, 0).status, SaveStatus::NotOpened);
    EXPECT_TRUE(SaveBufferBlock(buffer, saved, 0x10, 0).messages.empty());
    EXPECT_EQ(image(), after);
}

}  // namespace
}  // namespace veldrix::test
