#include "ImageFile.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "buffer/ImageFileError.h"
#include "core/Application.h"

namespace veldrix::cli {
namespace {

// "cannot read 'FILE'", with the system's reason beside the program's code.
std::string cannot(const char* action, const std::string& file, int systemError) {
    std::string text = std::string("cannot ") + action + " '" + file + "'";
    if (systemError != 0) {
        text += ": " + std::generic_category().message(systemError);
    }
    return text;
}

// A raw file longer than the chip fills it, and its excess goes unnoticed
// unless the user hears of it. A record file places its bytes by address, so
// its length says nothing of the image.
void warnOfUnusedBytes(const Application& app, const std::string& file, CommandOutput& output) {
    // A pipe or a device has no length to check.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return;
    }
    const std::uintmax_t length = std::filesystem::file_size(file, error);
    const std::uint32_t image = app.buffer().length();
    if (!error && length > image) {
        output.warn("'" + file + "' holds " + std::to_string(length) + " bytes, the chip " +
                    std::to_string(image) + ": only the first " + std::to_string(image) +
                    " are used");
    }
}

}  // namespace

ExitCode loadImageFile(Application& app, const std::string& file, std::optional<ImageFormat> format,
                       CommandOutput& output) {
    const FileLoadResult loaded = app.openBufferFile(file, format);
    switch (loaded.status) {
        case LoadStatus::LoadedWhole:
            if (loaded.format == ImageFormat::Raw) {
                warnOfUnusedBytes(app, file, output);
            }
            return ExitCode::Success;
        case LoadStatus::ShortFile:
            // Whatever kind of file gave nothing (an empty file, /dev/null, a
            // pipe whose producer failed), the chip would get nothing but
            // the fill value.
            if (loaded.bytesRead == 0) {
                return output.fail(ExitCode::FileError, "'" + file + "' is empty");
            }
            return ExitCode::Success;
        case LoadStatus::NotOpened:
            if (loaded.recordError) {
                return output.fail(
                    ExitCode::FileError,
                    "cannot read '" + file + "': " + imageFileErrorText(*loaded.recordError));
            }
            break;
        case LoadStatus::NotRead:
        case LoadStatus::NoImage:
            break;
    }
    return output.fail(ExitCode::FileError, cannot("read", file, loaded.systemError));
}

ExitCode saveImageFile(Application& app, const std::string& file, std::optional<ImageFormat> format,
                       CommandOutput& output) {
    // The image is saved into a new file that then replaces the old one by
    // name: a device or a pipe of that name would be replaced, not written.
    std::error_code error;
    const std::filesystem::file_status target = std::filesystem::status(file, error);
    if (std::filesystem::exists(target) && !std::filesystem::is_regular_file(target)) {
        return output.fail(ExitCode::FileError, "cannot write '" + file + "': not a regular file");
    }
    const FileSaveResult saved = app.saveBufferFile(file, format);
    if (saved.status != SaveStatus::Saved) {
        return output.fail(ExitCode::FileError, cannot("write", file, saved.systemError));
    }
    return ExitCode::Success;
}

}  // namespace veldrix::cli
