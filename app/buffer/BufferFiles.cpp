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
// directory opens on this platform but is no buffer file.
[[nodiscard]] FileHandle openForReading(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return nullptr;
    }
    return FileHandle(std::fopen(path.c_str(), "rb"));
}

// The image takes the file's first bytes and the fill value after them.
FileLoadResult loadRaw(DataBuffer& buffer, const FileBytes& read) {
    FileLoadResult result;
    if (read.failed) {
        result.messages.push_back(
            {MessageChannel::Status, withNumber("ReadFile Error: %i", read.errorCode)});
    }
    const std::uint32_t length = buffer.length();
    const std::size_t count = std::min<std::size_t>(read.bytes.size(), length);
    std::uint8_t* image = buffer.data();
    std::memcpy(image, read.bytes.data(), count);
    std::memset(image + count, buffer.fillValue(), length - count);

    buffer.AttachEditors();
    if (count != length) {
        // The count asked for, not the count read.
        result.messages.push_back({MessageChannel::Status,
                                   withNumber("Error reading %i bytes", static_cast<int>(length))});
    }
    result.fileNameTaken = true;
    result.bytesRead = static_cast<std::uint32_t>(count);
    if (read.failed) {
        result.status = LoadStatus::NotRead;
    } else {
        result.status = count == length ? LoadStatus::LoadedWhole : LoadStatus::ShortFile;
    }
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

}  // namespace

FileLoadResult LoadBufferFile(DataBuffer& buffer, const std::string& path,
                              std::optional<ImageFormat> format) {
    if (!buffer.hasImage()) {
        return {};
    }
    FileHandle file = openForReading(path);
    if (!file) {
        FileLoadResult result;
        result.status = LoadStatus::NotOpened;
        result.messages.push_back(cantOpen(path));
        return result;
    }

    // What a raw image takes first: a start that begins like no record
    // settles the format without reading further.
    const std::uint32_t length = buffer.length();
    FileBytes read;
    read.bytes.reserve(length);
    readFileBytes(file.get(), read, length);
    if (format ? *format == ImageFormat::Raw : read.failed || !mayStartRecordText(read.bytes)) {
        return loadRaw(buffer, read);
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
        result.messages.push_back(
            {MessageChannel::Status, withNumber("ReadFile Error: %i", read.errorCode)});
        return result;
    }
    const std::string_view text = wholeLinesWithin(read.bytes, limit);
    const ImageFormat chosen = format.value_or(detectImageFormat(text));
    if (chosen == ImageFormat::Raw) {
        return loadRaw(buffer, read);
    }
    if (text.size() != read.bytes.size()) {
        return refuseRecords(path, chosen, {ImageFileFault::TooLong, lineAtEnd(text)});
    }
    return loadRecords(buffer, path, chosen, text);
}

FileSaveResult SaveBufferFile(const DataBuffer& buffer, const std::string& path,
                              std::optional<ImageFormat> format) {
    FileSaveResult result;
    result.format = format.value_or(imageFormatForFileName(path));
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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.messages.push_back(cantOpen(path));
        return result;
    }
    result.fileNameTaken = true;

    const auto length = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(requiredImageLength(buffer.callBlock()), buffer.length()));
    std::string text;
    std::string_view contents(reinterpret_cast<const char*>(buffer.data()), length);
    if (result.format != ImageFormat::Raw) {
        text = writeImageText(result.format, {buffer.data(), length});
        contents = text;
    }
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
    if (!saved) {
        // The old file, if any, is untouched: nothing of this save reached it.
        result.messages.push_back(
            {MessageChannel::Status, withNumber("WriteFile Error: %i", errorCode)});
        result.messages.push_back(
            {MessageChannel::Status, withNumber("Error writing, only %i bytes written", 0)});
    }
    return result;
}

}  // namespace veldrix
