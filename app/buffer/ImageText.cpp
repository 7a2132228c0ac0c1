#include "buffer/ImageText.h"

#include "buffer/IntelHexReader.h"
#include "buffer/IntelHexWriter.h"
#include "buffer/SRecordReader.h"
#include "buffer/SRecordWriter.h"

namespace veldrix {

namespace {

// A record with one data byte is at most 22 characters with CR LF (an S3
// record); the rest covers headers, address records and blank lines.
constexpr std::uint64_t kTextBytesPerImageByte = 64;
constexpr std::uint64_t kTextBytesBesideRecords = 64 * 1024;

}  // namespace

ImageReadResult readImageText(ImageFormat format, std::string_view text, std::size_t imageLength,
                              ImageExtent extent) {
    return format == ImageFormat::IntelHex ? readIntelHex(text, imageLength, extent)
                                           : readSRecord(text, imageLength, extent);
}

std::string writeImageText(ImageFormat format, std::span<const std::uint8_t> image) {
    return format == ImageFormat::IntelHex ? writeIntelHex(image) : writeSRecord(image);
}

std::uint64_t longestRecordText(std::size_t imageLength) noexcept {
    return kTextBytesPerImageByte * imageLength + kTextBytesBesideRecords;
}

}  // namespace veldrix
