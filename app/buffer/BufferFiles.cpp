#include "buffer/BufferFiles.h"

#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

#include "buffer/BufferAreas.h"
#include "buffer/FileBytes.h"
#include "buffer/ImageText.h"

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

[[nodiscard]] std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The message names the file without its folder.
[[nodiscard]] UserMessage cantOpen(const std::string& path) {
    return {MessageChannel::Box, "Can't open file: " + fileName(path)};
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

[[nodiscard]] FileLoadResult notOpened(const std::string& path) {
    FileLoadResult result;
    result.status = LoadStatus::NotOpened;
    result.systemError = systemErrorCode();
    result.messages.push_back(cantOpen(path));
    return result;
}

// Fills [offset, offset + length) of the image with the file's first bytes
// and the fill value after them. The caller has checked that the block lies
// inside the image.
FileLoadResult loadRaw(DataBuffer& buffer, const FileBytes& read, std::uint32_t offset,
                       std::uint32_t length) {
    FileLoadResult result;
    if (read.failed) {
        result.systemError = read.errorCode;
        result.messages.push_back(
            {MessageChannel::Status, withNumber("ReadFile Error: %i", read.errorCode)});
    }
    const std::size_t count = std::min<std::size_t>(read.bytes.size(), length);
    std::uint8_t* block = buffer.data() + offset;
    std::memcpy(block, read.bytes.data(), count);
    std::memset(block + count, buffer.fillValue(), length - count);
    if (count != length) {
        // The count asked for, not the count read.
        result.messages.push_back({MessageChannel::Status,
                                   withNumber("Error reading %i bytes", static_cast<int>(length))});
    }
    result.bytesRead = static_cast<std::uint32_t>(count);
    if (read.failed) {
        result.status = LoadStatus::NotRead;
    } else {
        result.status = count == length ? LoadStatus::LoadedWhole : LoadStatus::ShortFile;
    }
    return result;
}

// The whole image from a raw file; the file becomes the document.
FileLoadResult loadRawImage(DataBuffer& buffer, const FileBytes& read) {
    FileLoadResult result = loadRaw(buffer, read, 0, buffer.length());
    buffer.AttachEditors();
    result.fileNameTaken = true;
    return result;
}

// A record file that cannot be taken: the image stays as it was.
FileLoadResult refuseRecords(const std::string& path, ImageFormat format,
                             const ImageFileError& error) {
    FileLoadResult result;
    result.status = LoadStatus::NotOpened;
    result.format = format;
    result.recordError = error;
    result.messages.push_back({MessageChannel::Box, "Error in file " + fileName(path) + ": " +
                                                        imageFileErrorText(error)});
    return result;
}

FileLoadResult loadRecords(DataBuffer& buffer, const std::string& path, ImageFormat format,
                           std::string_view text) {
    const ImageReadResult decoded = readImageText(format, text, buffer.length());
    if (!decoded.ok()) {
        return refuseRecords(path, format, *decoded.error);
    }
    std::copy(decoded.image.begin(), decoded.image.end(), buffer.data());
    buffer.AttachEditors();
    FileLoadResult result;
    result.status = LoadStatus::LoadedWhole;
    result.format = format;
    result.bytesRead = buffer.length();
    result.fileNameTaken = true;
    return result;
}

// The number of the line that `text` (cut short) ends in.
[[nodiscard]] std::size_t lineAtEnd(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// A text cut at `limit` bytes, back to its last whole line.
[[nodiscard]] std::string_view wholeLinesWithin(std::string_view text, std::uint64_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    const std::string_view cut = text.substr(0, static_cast<std::size_t>(limit));
    const std::size_t lastEnd = cut.rfind('\n');
    return lastEnd == std::string_view::npos ? std::string_view{} : cut.substr(0, lastEnd + 1);
}

// Writes `contents` to the file at `path`, replacing it only once all of
// them are written.
FileSaveResult writeContents(std::string_view contents, const std::string& path) {
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
    const auto size = static_cast<qint64>(contents.size());
    const qint64 written = size == 0 ? 0 : file.write(contents.data(), size);
    bool saved = false;
    int errorCode = 0;
    if (written != size) {
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

FileLoadResult LoadBufferFile(DataBuffer& buffer, const std::string& path,
                              std::optional<ImageFormat> format) {
    if (!buffer.hasImage()) {
        return {};
    }
    FileHandle file = openForReading(path);
    if (!file) {
        return notOpened(path);
    }

    // What a raw image takes first: a start that begins like no record
    // settles the format without reading further.
    const std::uint32_t length = buffer.length();
    FileBytes read;
    read.bytes.reserve(length);
    readFileBytes(file.get(), read, length);
    if (format ? *format == ImageFormat::Raw : read.failed || !mayStartRecordText(read.bytes)) {
        return loadRawImage(buffer, read);
    }

    // One byte past the longest record text tells a file that is longer.
    const std::uint64_t limit = longestRecordText(length);
    readFileBytes(file.get(), read, limit + 1);
    file.reset();
    if (read.failed) {
        // Neither the format nor the records can be told from part of a text.
        FileLoadResult result;
        result.status = LoadStatus::NotOpened;
        result.format = format.value_or(ImageFormat::Raw);
        result.systemError = read.errorCode;
        result.messages.push_back(
            {MessageChannel::Status, withNumber("ReadFile Error: %i", read.errorCode)});
        return result;
    }
    const std::string_view text = wholeLinesWithin(read.bytes, limit);
    const ImageFormat chosen = format.value_or(detectImageFormat(text));
    if (chosen == ImageFormat::Raw) {
        return loadRawImage(buffer, read);
    }
    if (text.size() != read.bytes.size()) {
        return refuseRecords(path, chosen, {ImageFileFault::TooLong, lineAtEnd(text)});
    }
    return loadRecords(buffer, path, chosen, text);
}

FileLoadResult LoadBufferBlock(DataBuffer& buffer, const std::string& path, std::uint32_t offset,
                               std::uint32_t length) {
    const std::uint32_t inside = blockInside(buffer, offset, length);
    if (!buffer.hasImage() || inside == 0) {
        return {};
    }
    FileHandle file = openForReading(path);
    if (!file) {
        return notOpened(path);
    }
    FileBytes read;
    read.bytes.reserve(inside);
    readFileBytes(file.get(), read, inside);
    file.reset();
    // The editors show the image in place: they need no new attachment, and
    // keep their selection.
    return loadRaw(buffer, read, offset, inside);
}

FileSaveResult SaveBufferFile(const DataBuffer& buffer, const std::string& path,
                              std::optional<ImageFormat> format) {
    const ImageFormat chosen = format.value_or(imageFormatForFileName(path));
    const auto length = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(requiredImageLength(buffer.callBlock()), buffer.length()));
    std::string text;
    std::string_view contents(reinterpret_cast<const char*>(buffer.data()), length);
    if (chosen != ImageFormat::Raw) {
        text = writeImageText(chosen, {buffer.data(), length});
        contents = text;
    }
    FileSaveResult result = writeContents(contents, path);
    result.format = chosen;
    return result;
}

FileSaveResult SaveBufferBlock(const DataBuffer& buffer, const std::string& path,
                               std::uint32_t offset, std::uint32_t length) {
    const std::uint32_t inside = blockInside(buffer, offset, length);
    if (!buffer.hasImage() || inside == 0) {
        return FileSaveResult{};
    }
    FileSaveResult result =
        writeContents({reinterpret_cast<const char*>(buffer.data()) + offset, inside}, path);
    // A block is not the document.
    result.fileNameTaken = false;
    return result;
}

}  // namespace veldrix
