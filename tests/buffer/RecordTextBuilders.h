#pragma once
// Record lines built by hand for the reader tests, with their checksums
// computed here rather than by the writer under test.

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "buffer/ImageFileError.h"

namespace veldrix::test {

// The error of a read that must fail, which leaves no image.
inline ImageFileError errorOf(const ImageReadResult& result) {
    EXPECT_TRUE(result.image.empty());
    return result.error.value_or(ImageFileError{ImageFileFault::Malformed, 0, 0xDEAD});
}

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

// A line that must make the read fail, with the fault and address it names.
struct FaultCase {
    const char* what;
    std::string badLine;
    ImageFileFault fault;
    std::uint64_t address;
};

// An erased image of `length` bytes with the given (address, value) bytes.
inline std::vector<std::uint8_t> erasedWith(
    std::size_t length, std::initializer_list<std::pair<std::size_t, std::uint8_t>> placed) {
    std::vector<std::uint8_t> image(length, 0xFF);
    for (const auto& [address, value] : placed) {
        image.at(address) = value;
    }
    return image;
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
