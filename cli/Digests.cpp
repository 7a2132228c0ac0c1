#include "Digests.h"

#include <QJsonArray>
#include <QString>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "buffer/BufferFiles.h"
#include "buffer/BufferTools.h"
#include "buffer/DataBuffer.h"

namespace veldrix::cli {

ExitCode showFileDigests(const std::string& file, CommandOutput& output) {
    std::error_code error;
    const auto length = std::filesystem::file_size(file, error);
    if (error || length == 0 || length > DataBuffer::kMaxLength) {
        return output.fail(ExitCode::FileError,
                           "cannot take the digests of '" + file +
                               "': " + (error ? error.message() : "empty or too large"));
    }
    dlldata block{};
    block.size = static_cast<std::uint32_t>(length);
    block.blank = 0xFF;
    DataBuffer buffer(block);
    buffer.SetBuffers();
    const FileCommandResult loaded = LoadBufferFile(buffer, file);
    if (!loaded.fileNameTaken || !loaded.messages.empty()) {
        for (const UserMessage& message : loaded.messages) {
            output.note(message.text);
        }
        return output.fail(ExitCode::FileError, "cannot read '" + file + "'");
    }
    showDigests(buffer, output);
    return ExitCode::Success;
}

void showDigests(const DataBuffer& buffer, CommandOutput& output) {
    QJsonArray texts;
    for (const auto& digest : {BufferCheckSum(buffer), BufferCrc32(buffer), BufferMd5(buffer)}) {
        if (digest) {
            texts.append(QString::fromStdString(*digest));
            output.summary(*digest);
        }
    }
    output.set("digests", texts);
}

}  // namespace veldrix::cli
