#include "buffer/BufferFiles.h"

#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "buffer/BufferAreas.h"

namespace veldrix {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

[[nodiscard]] std::string withNumber(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The message names the file without its folder.
[[nodiscard]] UserMessage cantOpen(const std::string& path) {
    return {MessageChannel::Box,
            "Can't open file: " + std::filesystem::path(path).filename().string()};
}

// A failure that left errno unset still needs a nonzero code to show.
[[nodiscard]] int systemErrorCode() {
    return errno != 0 ? errno : EIO;
}

// Opened only for reading, so a missing file is reported, never created. A
// directory opens on this platform but is no buffer file. errno says why
// nothing was opened.
[[nodiscard]] FileHandle openForReading(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        errno = EISDIR;
        return nullptr;
    }
    errno = 0;
    return FileHandle(std::fopen(path.c_str(), "rb"));
}

// Fills [offset, offset + length) of the image from the file's start; what
// the file does not cover holds the fill value. The caller has checked that
// the block lies inside the image. False when the file could not be opened
// (the image is then as it was).
bool readBlock(DataBuffer& buffer, const std::string& path, std::uint32_t offset,
               std::uint32_t length, FileLoadResult& result) {
    FileHandle file = openForReading(path);
    if (!file) {
        result.status = LoadStatus::NotOpened;
        result.systemError = systemErrorCode();
        result.messages.push_back(cantOpen(path));
        return false;
    }
    std::uint8_t* block = buffer.data() + offset;
    errno = 0;
    const std::size_t count = std::fread(block, 1, length, file.get());
    const bool readError = std::ferror(file.get()) != 0;
    if (readError) {
        result.systemError = systemErrorCode();
        result.messages.push_back(
            {MessageChannel::Status, withNumber("ReadFile Error: %i", result.systemError)});
    }
    file.reset();
    // Everything past what was read holds the fill value, whatever a failed
    // read may have left there.
    std::memset(block + count, buffer.fillValue(), length - count);
    if (count != length) {
        // The count asked for, not the count read.
        result.messages.push_back({MessageChannel::Status,
                                   withNumber("Error reading %i bytes", static_cast<int>(length))});
    }
    result.bytesRead = static_cast<std::uint32_t>(count);
    if (readError) {
        result.status = LoadStatus::NotRead;
    } else {
        result.status = count == length ? LoadStatus::LoadedWhole : LoadStatus::ShortFile;
    }
    return true;
}

// Writes `length` bytes from `bytes` to the file at `path`, replacing it
// only once all of them are written.
FileSaveResult writeBytes(const std::uint8_t* bytes, std::uint32_t length,
                          const std::string& path) {
    FileSaveResult result;
    // The save goes through a file renamed over the target, which would
    // replace a pipe or device node with a plain file: no buffer file lives
    // there.
    std::error_code ignored;
    const std::filesystem::file_status target = std::filesystem::status(path, ignored);
    if (std::filesystem::exists(target) && !std::filesystem::is_regular_file(target)) {
        result.messages.push_back(cantOpen(path));
        return result;
    }
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.systemError = systemErrorCode();
        result.messages.push_back(cantOpen(path));
        return result;
    }
    result.fileNameTaken = true;

    errno = 0;
    const qint64 written =
        length == 0 ? 0 : file.write(reinterpret_cast<const char*>(bytes), qint64{length});
    bool saved = false;
    int errorCode = 0;
    if (written != qint64{length}) {
        errorCode = systemErrorCode();
        file.cancelWriting();
    } else {
        // Flushes, syncs and renames over the old file; any of these can fail.
        saved = file.commit();
        errorCode = saved ? 0 : systemErrorCode();
    }
    result.status = saved ? SaveStatus::Saved : SaveStatus::NotWritten;
    result.systemError = errorCode;
    if (!saved) {
        // The old file, if any, is untouched: nothing of this save reached it.
        result.messages.push_back(
            {MessageChannel::Status, withNumber("WriteFile Error: %i", errorCode)});
        result.messages.push_back(
            {MessageChannel::Status, withNumber("Error writing, only %i bytes written", 0)});
    }
    return result;
}

// The part of [offset, offset + length) that lies inside the image.
[[nodiscard]] std::uint32_t blockInside(const DataBuffer& buffer, std::uint32_t offset,
                                        std::uint32_t length) noexcept {
    if (offset >= buffer.length()) {
        return 0;
    }
    return std::min(length, buffer.length() - offset);
}

}  // namespace

FileLoadResult LoadBufferFile(DataBuffer& buffer, const std::string& path) {
    FileLoadResult result;
    if (!buffer.hasImage()) {
        return result;
    }
    if (readBlock(buffer, path, 0, buffer.length(), result)) {
        buffer.AttachEditors();
        result.fileNameTaken = true;
    }
    return result;
}

FileLoadResult LoadBufferBlock(DataBuffer& buffer, const std::string& path, std::uint32_t offset,
                               std::uint32_t length) {
    FileLoadResult result;
    const std::uint32_t inside = blockInside(buffer, offset, length);
    if (!buffer.hasImage() || inside == 0) {
        return result;
    }
    // The editors show the image in place: they need no new attachment, and
    // keep their selection.
    readBlock(buffer, path, offset, inside, result);
    return result;
}

FileSaveResult SaveBufferFile(const DataBuffer& buffer, const std::string& path) {
    const auto length = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(requiredImageLength(buffer.callBlock()), buffer.length()));
    return writeBytes(buffer.data(), length, path);
}

FileSaveResult SaveBufferBlock(const DataBuffer& buffer, const std::string& path,
                               std::uint32_t offset, std::uint32_t length) {
    const std::uint32_t inside = blockInside(buffer, offset, length);
    if (!buffer.hasImage() || inside == 0) {
        return FileSaveResult{};
    }
    FileSaveResult result = writeBytes(buffer.data() + offset, inside, path);
    // A block is not the document.
    result.fileNameTaken = false;
    return result;
}

}  // namespace veldrix
