#include "ImageFile.h"

#include <string_view>
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
    const FileCommandResult saved = SaveBufferFile(app.buffer(), file);
    show(app, ui, saved.messages);
    if (!saved.fileNameTaken || !saved.messages.empty()) {
        return output.fail(ExitCode::FileError, "cannot write '" + file + "'");
    }
    return ExitCode::Success;
}

}  // namespace veldrix::cli
