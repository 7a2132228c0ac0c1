#pragma once
// Loading the data buffer from a file and saving it to one, without any
// window: the file dialogs, showing the messages and the current file name
// are the frame's. A raw buffer file has no header: byte n of the file is
// byte n of the image. Intel HEX and S-record files place their bytes by
// address; what they do not cover is erased (0xFF).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "buffer/DataBuffer.h"
#include "buffer/ImageFileError.h"
#include "buffer/ImageFormat.h"

namespace veldrix {

// How a message reaches the user.
enum class MessageChannel {
    Box,     // message box with one OK button (style 0)
    Status,  // transient status-bar message
};

struct UserMessage {
    MessageChannel channel;
    std::string text;
};

struct FileCommandResult {
    // To show in this order.
    std::vector<UserMessage> messages;
    // True when the path becomes the current file name (and the title is
    // refreshed), also after a read or write error once the file was opened.
    bool fileNameTaken = false;
    // The system's error number of the failure (errno); 0 when none failed
    // or the system gave none.
    int systemError = 0;
};

// What a load did, for front ends that act on it; the messages say it to the user.
enum class LoadStatus {
    LoadedWhole,  // the file filled the whole image; a record file always does
    ShortFile,    // the file ended first: bytesRead bytes loaded, the rest is the fill value
    NotOpened,    // missing, not readable, a directory, or a record file that could not
                  // be read whole or does not parse (recordError says where): the image
                  // is as it was
    NotRead,      // a read error in a raw file after opening: what came before it is loaded
    NoImage,      // there is no image to load into: nothing was done
};

struct FileLoadResult : FileCommandResult {
    LoadStatus status = LoadStatus::NoImage;
    std::uint32_t bytesRead = 0;            // of a raw file; the image's length for a record file
    ImageFormat format = ImageFormat::Raw;  // the format the file was read as
    std::optional<ImageFileError> recordError;
};

enum class SaveStatus {
    Saved,       // the file holds the image
    NotOpened,   // the file could not be made: an existing one is as it was
    NotWritten,  // writing or replacing failed: an existing file is as it was
};

struct FileSaveResult : FileCommandResult {
    SaveStatus status = SaveStatus::NotOpened;
    ImageFormat format = ImageFormat::Raw;  // the format written
};

// Loads the file in `format`, or when none is given in the format its
// content shows (detectImageFormat), and reattaches the editors. Does nothing
// without an image (the frame shows no open dialog then). A missing or
// unreadable file gets "Can't open file: %s" and is never created.
// Raw: fills the image with the fill value, then reads up to buffer.length()
// bytes from the file's start into it.
// Intel HEX or S-record: the whole image is replaced only when the whole
// file parses; otherwise a message box "Error in file %s: Line %zu: ..."
// names the file and the line, and the image is as it was.
[[nodiscard]] FileLoadResult LoadBufferFile(DataBuffer& buffer, const std::string& path,
                                            std::optional<ImageFormat> format = std::nullopt);

// A file's own image, with no chip to size it (the digests of a file): a
// raw file's bytes, or what a record file's records give from address 0 up
// to the last byte they give, the bytes no record gives erased (0xFF).
// The format is `format`, or the one the content shows. A raw file longer
// than `maxLength` bytes is refused (tooLarge), and so is a record beyond it;
// load says what happened as LoadBufferFile says it, and never takes the
// path as a document name.
struct FileImageResult {
    FileLoadResult load;
    std::vector<std::uint8_t> image;  // empty unless load.status is LoadedWhole
    bool tooLarge = false;
};

[[nodiscard]] FileImageResult ReadFileImage(const std::string& path,
                                            std::optional<ImageFormat> format,
                                            std::uint32_t maxLength);

// Open Block: like LoadBufferFile of a raw file on the block [offset,
// offset + length) of the image (cut to the image) instead of the whole
// image: the block gets the file's start and the fill value after it, the
// rest of the image stays as it was. A block file is always raw: records
// would place bytes by the chip's addresses, not the block's. The path never
// becomes the document name.
[[nodiscard]] FileLoadResult LoadBufferBlock(DataBuffer& buffer, const std::string& path,
                                             std::uint32_t offset, std::uint32_t length);

// Writes the first max(size, eepofs + eeplen, extofs + extlen) bytes of the
// image, cut to its length, in `format`, or when none is given in the format
// of the name's extension (imageFormatForFileName). The file is replaced as
// a whole only when all of it was written: a failed save leaves an existing
// file as it was.
[[nodiscard]] FileSaveResult SaveBufferFile(const DataBuffer& buffer, const std::string& path,
                                            std::optional<ImageFormat> format = std::nullopt);

// Save Block: the bytes [offset, offset + length) of the image (cut to the
// image) saved raw, whatever the extension, and as safely as SaveBufferFile
// saves the image. Nothing without an image or for an empty block. The path
// never becomes the document name.
[[nodiscard]] FileSaveResult SaveBufferBlock(const DataBuffer& buffer, const std::string& path,
                                             std::uint32_t offset, std::uint32_t length);

}  // namespace veldrix
