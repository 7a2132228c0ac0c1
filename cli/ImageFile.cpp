#include "ImageFile.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "buffer/BufferFiles.h"
#include "core/Application.h"
#include "core/UserInterface.h"

namespace veldrix::cli {
namespace {

// The short-read warning of loading a file smaller than the chip.
constexpr std::string_view kShortReadPrefix = "Error reading ";

// Shows a file command's messages as the program does.
void show(Application& app, UserInterface& ui, const std::vector<UserMessage>& messages) {
    for (const UserMessage& message : messages) {
        if (message.channel == MessageChannel::Box) {
            ui.messageBox(DD_MB_OK, message.text);
        } else {
            app.callBlock().status("%s", message.text.c_str());
        }
    }
}

}  // namespace

ExitCode loadImageFile(Application& app, UserInterface& ui, const std::string& file,
                       CommandOutput& output) {
    // A pipe or a device has no length to check beforehand.
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) {
        const std::uintmax_t length = std::filesystem::file_size(file, error);
        if (!error && length == 0) {
            // An empty file would put nothing but the fill value into the chip.
            return output.fail(ExitCode::FileError, "'" + file + "' is empty");
        }
        const std::uint32_t image = app.buffer().length();
        if (!error && length > image) {
            output.warn("'" + file + "' holds " + std::to_string(length) + " bytes, the chip " +
                        std::to_string(image) + ": only the first " + std::to_string(image) +
                        " are used");
        }
    }
    const FileCommandResult loaded = LoadBufferFile(app.buffer(), file);
    show(app, ui, loaded.messages);
    bool fatal = !loaded.fileNameTaken;
    for (const UserMessage& message : loaded.messages) {
        fatal = fatal || !message.text.starts_with(kShortReadPrefix);
    }
    return fatal ? output.fail(ExitCode::FileError, "cannot read '" + file + "'")
                 : ExitCode::Success;
}

ExitCode saveImageFile(Application& app, UserInterface& ui, const std::string& file,
                       CommandOutput& output) {
    // The image is saved into a new file that then replaces the old one by
    // name: a device or a pipe of that name would be replaced, not written.
    std::error_code error;
    const std::filesystem::file_status target = std::filesystem::status(file, error);
    if (std::filesystem::exists(target) && !std::filesystem::is_regular_file(target)) {
        return output.fail(ExitCode::FileError, "cannot write '" + file + "': not a regular file");
    }
    const FileCommandResult saved = SaveBufferFile(app.buffer(), file);
    show(app, ui, saved.messages);
    if (!saved.fileNameTaken || !saved.messages.empty()) {
        return output.fail(ExitCode::FileError, "cannot write '" + file + "'");
    }
    return ExitCode::Success;
}

}  // namespace veldrix::cli
