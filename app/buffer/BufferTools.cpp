#include "buffer/BufferTools.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "buffer/BufferAreas.h"
#include "buffer/Crc32.h"

namespace veldrix {

namespace {

[[nodiscard]] bool hasChipImage(const DataBuffer& buffer) {
    return buffer.callBlock().size != 0 && buffer.hasImage();
}

// The first size + eeplen bytes, read in place: the range check of a
// getpage(0, size + eeplen) without its copy. Null when the image is shorter.
[[nodiscard]] const std::uint8_t* digestRun(const DataBuffer& buffer) {
    const dlldata& block = buffer.callBlock();
    return areaEnd(block.size, block.eeplen) <= buffer.length() ? buffer.data() : nullptr;
}

}  // namespace

bool InitBuffer(DataBuffer& buffer) {
    if (buffer.length() == 0) {
        return false;
    }
    std::memset(buffer.data(), buffer.fillValue(), buffer.length());
    buffer.ClearMarks();
    return true;
}

bool FillBuffer(DataBuffer& buffer, std::uint8_t value) {
    if (buffer.length() == 0) {
        return false;
    }
    std::memset(buffer.data(), value, buffer.length());
    return true;
}

bool XorBuffer(DataBuffer& buffer, std::optional<std::uint8_t> value) {
    if (buffer.length() == 0) {
        return false;
    }
    if (value) {
        std::uint8_t* bytes = buffer.data();
        for (std::uint32_t address = 0; address < buffer.length(); ++address) {
            bytes[address] ^= *value;
        }
    }
    buffer.ClearMarks();
    return true;
}

bool SwapBytes(DataBuffer& buffer) {
    if (buffer.length() == 0) {
        return false;
    }
    std::uint8_t* bytes = buffer.data();
    for (std::uint32_t address = 0; address + 1 < buffer.length(); address += 2) {
        std::swap(bytes[address], bytes[address + 1]);
    }
    buffer.ClearMarks();
    return true;
}

std::optional<std::string> BufferCheckSum(const DataBuffer& buffer) {
    if (!hasChipImage(buffer)) {
        return std::nullopt;
    }
    const std::uint32_t size = buffer.callBlock().size;
    const std::uint32_t inImage = std::min(size, buffer.length());
    const std::uint8_t* bytes = buffer.data();
    // 64 bits cannot overflow for any 32-bit size; reduced to 16 bits at the end.
    std::uint64_t sum = 0;
    for (std::uint32_t address = 0; address < inImage; ++address) {
        sum += bytes[address];
    }
    // Addresses past the image read as 0xFF, as through getbyte.
    sum += std::uint64_t{size - inImage} * 0xFF;
    char text[16];
    std::snprintf(text, sizeof text, "CRC: %04X", static_cast<unsigned>(sum & 0xFFFF));
    return text;
}

std::optional<std::string> BufferCrc32(const DataBuffer& buffer) {
    if (!hasChipImage(buffer)) {
        return std::nullopt;
    }
    const std::uint8_t* run = digestRun(buffer);
    if (run == nullptr) {
        return "OnBufferCrc32 GetPage error";
    }
    return crc32Text(uncomplementedCrc32(std::span(run, buffer.callBlock().size)));
}

std::optional<std::string> BufferMd5(const DataBuffer& buffer) {
    if (!hasChipImage(buffer)) {
        return std::nullopt;
    }
    const std::uint8_t* run = digestRun(buffer);
    if (run == nullptr) {
        return "OnBufferMd5 GetPage error";
    }
    const dlldata& block = buffer.callBlock();
    const auto length = static_cast<qsizetype>(areaEnd(block.size, block.eeplen));
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(run), length), QCryptographicHash::Md5);
    return "MD5: " + digest.toHex().toUpper().toStdString();
}

}  // namespace veldrix
