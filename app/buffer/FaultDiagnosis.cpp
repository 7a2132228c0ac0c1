#include "buffer/FaultDiagnosis.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace veldrix {

namespace {

// Below this many differing bytes a line fault is no likelier than bad cells.
constexpr std::size_t kLineFaultEvidence = 2;

[[nodiscard]] std::uint8_t withBitAt(std::uint8_t value, unsigned bit, unsigned level) noexcept {
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    return static_cast<std::uint8_t>(level != 0 ? value | mask : value & ~mask);
}

// The only data line fault the first difference allows, if it holds everywhere.
[[nodiscard]] std::optional<Diagnosis> stuckDataLine(std::span<const std::uint8_t> chip,
                                                     std::span<const std::uint8_t> expected,
                                                     const DifferenceSummary& differences) {
    const std::size_t first = differences.firstAddress;
    const auto wrong = static_cast<std::uint8_t>(chip[first] ^ expected[first]);
    if (!std::has_single_bit(wrong)) {
        return std::nullopt;
    }
    const auto bit = static_cast<unsigned>(std::countr_zero(wrong));
    const unsigned level = (chip[first] >> bit) & 1u;
    for (std::size_t address = 0; address < chip.size(); ++address) {
        if (chip[address] != withBitAt(expected[address], bit, level)) {
            return std::nullopt;
        }
    }
    return Diagnosis{FaultKind::DataLineStuck, bit, level, differences.count};
}

// True when the chip holds, at every address, the image's byte at that
// address with address bit `bit` at `level`. Compared in runs of 2^bit
// bytes, within which the aliased address moves in step.
[[nodiscard]] bool aliasesEverywhere(std::span<const std::uint8_t> chip,
                                     std::span<const std::uint8_t> expected, unsigned bit,
                                     unsigned level) noexcept {
    const std::size_t run = std::size_t{1} << bit;
    for (std::size_t start = 0; start < chip.size(); start += run) {
        const std::size_t length = std::min(run, chip.size() - start);
        const std::size_t source = level != 0 ? (start | run) : (start & ~run);
        if (source > chip.size() - length ||
            std::memcmp(chip.data() + start, expected.data() + source, length) != 0) {
            return false;
        }
    }
    return true;
}

[[nodiscard]] std::vector<Diagnosis> openAddressLines(std::span<const std::uint8_t> chip,
                                                      std::span<const std::uint8_t> expected,
                                                      const DifferenceSummary& differences) {
    std::vector<Diagnosis> found;
    const std::size_t first = differences.firstAddress;
    for (unsigned bit = 0; bit < 64 && (std::size_t{1} << bit) < chip.size(); ++bit) {
        const std::size_t mask = std::size_t{1} << bit;
        // The first difference is at an address whose bit is not at the held
        // level (else it would read its own byte), and shows the other one.
        const unsigned level = (first & mask) != 0 ? 0 : 1;
        const std::size_t alias = first ^ mask;
        if (alias < chip.size() && chip[first] == expected[alias] &&
            aliasesEverywhere(chip, expected, bit, level)) {
            found.push_back({FaultKind::AddressLineOpen, bit, level, differences.count});
        }
    }
    return found;
}

}  // namespace

std::optional<Diagnosis> diagnoseFault(std::span<const std::uint8_t> chip,
                                       std::span<const std::uint8_t> expected,
                                       const DifferenceSummary& differences) {
    const std::size_t length = std::min(chip.size(), expected.size());
    chip = chip.first(length);
    expected = expected.first(length);
    if (differences.count == 0 || differences.firstAddress >= length) {
        return std::nullopt;
    }
    if (differences.count >= kLineFaultEvidence) {
        std::vector<Diagnosis> lineFaults = openAddressLines(chip, expected, differences);
        if (const auto dataLine = stuckDataLine(chip, expected, differences)) {
            lineFaults.push_back(*dataLine);
        }
        if (lineFaults.size() == 1) {
            return lineFaults.front();
        }
        if (!lineFaults.empty()) {
            return std::nullopt;  // more than one fault explains the data
        }
    }
    if (differences.bytesNeedingRise != 0 && differences.bytesNeedingFall == 0) {
        return Diagnosis{FaultKind::NotErased, 0, 0, differences.bytesNeedingRise};
    }
    return std::nullopt;
}

std::string diagnosisText(const Diagnosis& diagnosis) {
    switch (diagnosis.kind) {
        case FaultKind::DataLineStuck:
            return "data line D" + std::to_string(diagnosis.line) + " stuck at " +
                   std::to_string(diagnosis.level);
        case FaultKind::AddressLineOpen:
            return "address line A" + std::to_string(diagnosis.line) + " not connected";
        case FaultKind::NotErased:
            return "not erased: " + std::to_string(diagnosis.count) +
                   (diagnosis.count == 1 ? " byte needs" : " bytes need") + " a 0 → 1 change";
    }
    return {};
}

}  // namespace veldrix
