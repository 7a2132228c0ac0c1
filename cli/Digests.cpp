#include "Digests.h"

#include <QJsonArray>
#include <QString>
#include <algorithm>
#include <ostream>
#include <system_error>

#include "buffer/BufferFiles.h"
#include "buffer/BufferTools.h"
#include "buffer/DataBuffer.h"
#include "buffer/ImageFileError.h"

namespace veldrix::cli {
namespace {

// Why a file has no image to take the digests of.
std::string noImageReason(const FileImageResult& read) {
    if (read.tooLarge) {
        return "larger than " + std::to_string(DataBuffer::kMaxLength) + " bytes";
    }
    if (read.load.recordError) {
        return imageFileErrorText(*read.load.recordError);
    }
    if (read.load.systemError != 0) {
        return std::generic_category().message(read.load.systemError);
    }
    return "it gives no byte";
}

}  // namespace

ExitCode showFileDigests(const std::string& file, std::optional<ImageFormat> format,
                         CommandOutput& output) {
    const FileImageResult read =
        ReadFileImage(file, format, static_cast<std::uint32_t>(DataBuffer::kMaxLength));
    if (read.image.empty()) {
        for (const UserMessage& message : read.load.messages) {
            output.note(message.text);
        }
        return output.fail(ExitCode::FileError,
                           "cannot take the digests of '" + file + "': " + noImageReason(read));
    }
    dlldata block{};
    block.size = static_cast<std::uint32_t>(read.image.size());
    block.blank = 0xFF;
    DataBuffer buffer(block);
    buffer.SetBuffers();
    std::copy(read.image.begin(), read.image.end(), buffer.data());
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
