#pragma once
// Record lines built by hand for the reader tests, with their checksums
// computed here rather than by the writer under test.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace veldrix::test {

inline std::string hexPairs(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", b);
        text += pair;
    }
    return text;
}

// ":" count, offset, type, data, two's complement checksum; `checksumError`
// is added to the right checksum.
inline std::string intelRecord(std::uint8_t type, std::uint16_t offset,
                               const std::vector<std::uint8_t>& data, int checksumError = 0) {
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(data.size()),
                                       static_cast<std::uint8_t>(offset >> 8),
                                       static_cast<std::uint8_t>(offset), type};
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const std::uint8_t b : bytes) {
        sum += b;
    }
    bytes.push_back(static_cast<std::uint8_t>(0x100 - (sum & 0xFF) + checksumError));
    return ":" + hexPairs(bytes);
}

inline std::string intelEnd() {
    return ":00000001FF";
}

// "S" type, count, address of `addressBytes` bytes, data, ones' complement checksum.
inline std::string sRecord(char type, unsigned addressBytes, std::uint32_t address,
                           const std::vector<std::uint8_t>& data, int checksumError = 0) {
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(addressBytes + data.size() + 1)};
    for (unsigned i = addressBytes; i-- > 0;) {
        bytes.push_back(static_cast<std::uint8_t>(address >> (8 * i)));
    }
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const std::uint8_t b : bytes) {
        sum += b;
    }
    bytes.push_back(static_cast<std::uint8_t>(~sum + checksumError));
    return std::string("S") + type + hexPairs(bytes);
}

// Lines joined with LF, the last one ended too.
inline std::string lines(const std::vector<std::string>& records, const char* end = "\n") {
    std::string text;
    for (const std::string& record : records) {
        text += record + end;
    }
    return text;
}

}  // namespace veldrix::test
