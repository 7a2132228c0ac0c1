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
#include "buffer/ImageFileContent.h"
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

// A load that a read error ended.
[[nodiscard]] FileLoadResult readFailure(const FileBytes& read, LoadStatus status) {
    FileLoadResult result;
    result.status = status;
    result.systemError = read.errorCode;
    result.messages.push_back(
        {MessageChannel::Status, withNumber("ReadFile Error: %i", read.errorCode)});
    return result;
}

// Fills [offset, offset + length) of the image with the file's first bytes
// and the fill value after them. The caller has checked that the block lies
// inside the image.
FileLoadResult loadRaw(DataBuffer& buffer, const FileBytes& read, std::uint32_t offset,
                       std::uint32_t length) {
    FileLoadResult result = read.failed ? readFailure(read, LoadStatus::NotRead) : FileLoadResult{};
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
    if (!read.failed) {
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

// A record file that cannot be taken.
FileLoadResult refuseRecords(const std::string& path, const ImageFileError& error) {
    FileLoadResult result;
    result.status = LoadStatus::NotOpened;
    result.recordError = error;
    result.messages.push_back({MessageChannel::Box, "Error in file " + fileName(path) + ": " +
                                                        imageFileErrorText(error)});
    return result;
}

// The number of the line that `text` (cut short) ends in.
[[nodiscard]] std::size_t lineAtEnd(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// The image of a record text, into `image` when the whole text reads
// (status LoadedWhole); the refusal otherwise.
FileLoadResult decodeRecords(const std::string& path, const ImageFileContent& content,
                             std::size_t imageLength, ImageExtent extent,
                             std::vector<std::uint8_t>& image) {
    FileLoadResult result;
    if (content.kind == ContentKind::Unreadable) {
        // Neither the format nor the records can be told from part of a text.
        result = readFailure(content.read, LoadStatus::NotOpened);
    } else if (content.kind == ContentKind::TooLong) {
        result = refuseRecords(path, {ImageFileFault::TooLong, lineAtEnd(content.text())});
    } else if (ImageReadResult decoded =
                   readImageText(content.format, content.text(), imageLength, extent);
               !decoded.ok()) {
        result = refuseRecords(path, *decoded.error);
    } else {
        image = std::move(decoded.image);
        result.status = LoadStatus::LoadedWhole;
        result.bytesRead = static_cast<std::uint32_t>(image.size());
    }
    result.format = content.format;
    return result;
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
    const ImageFileContent content = readImageFileContent(file.get(), buffer.length(), format);
    file.reset();
    if (content.kind == ContentKind::Raw) {
        return loadRawImage(buffer, content.read);
    }
    // Decoded aside, so that a text that does not read leaves the image as it was.
    std::vector<std::uint8_t> image;
    FileLoadResult result =
        decodeRecords(path, content, buffer.length(), ImageExtent::Whole, image);
    if (result.status == LoadStatus::LoadedWhole) {
        std::copy(image.begin(), image.end(), buffer.data());
        buffer.AttachEditors();
        result.fileNameTaken = true;
    }
    return result;
}

FileImageResult ReadFileImage(const std::string& path, std::optional<ImageFormat> format,
                              std::uint32_t maxLength) {
    FileImageResult result;
    FileHandle file = openForReading(path);
    if (!file) {
        result.load = notOpened(path);
        return result;
    }
    // One byte more tells a raw file that is too long.
    const ImageFileContent content =
        readImageFileContent(file.get(), std::uint64_t{maxLength} + 1, format);
    file.reset();
    if (content.kind != ContentKind::Raw) {
        result.load = decodeRecords(path, content, maxLength, ImageExtent::LastByte, result.image);
    } else if (content.read.failed) {
        result.load = readFailure(content.read, LoadStatus::NotRead);
    } else if (content.read.bytes.size() > maxLength) {
        result.load.status = LoadStatus::NotOpened;
        result.tooLarge = true;
    } else {
        result.image.assign(content.read.bytes.begin(), content.read.bytes.end());
        result.load.status = LoadStatus::LoadedWhole;
        result.load.bytesRead = static_cast<std::uint32_t>(result.image.size());
    }
    return result;
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
