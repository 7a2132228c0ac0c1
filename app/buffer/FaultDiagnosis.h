#pragma once
// What a compare's differences say about the chip or the board, claimed only
// when the data leave no other reading.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace veldrix {

enum class FaultKind {
    DataLineStuck,    // one data bit reads the same level at every address
    AddressLineOpen,  // one address bit is held at a level, so two halves alias
    NotErased,        // programmed over old data: every wrong bit reads 0 where 1 was wanted
};

struct Diagnosis {
    FaultKind kind;
    unsigned line = 0;      // the data bit (D0-D7) or the address bit (A0-A63)
    unsigned level = 0;     // the level the line is stuck or held at
    std::size_t count = 0;  // differing bytes explained; for NotErased those needing a rise

    friend bool operator==(const Diagnosis&, const Diagnosis&) = default;
};

// What a pass over the differences found, for the diagnosis to build on.
struct DifferenceSummary {
    std::size_t count = 0;             // differing addresses
    std::size_t firstAddress = 0;      // of the first one, when count is nonzero
    std::size_t bytesNeedingRise = 0;  // chip bytes with a 0 where the image has a 1
    std::size_t bytesNeedingFall = 0;  // chip bytes with a 1 where the image has a 0
};

// Over the common length of both images:
// - data line Dn stuck at L when the chip reads exactly the image with bit n
//   forced to L, at every address;
// - address line An not connected (held at L) when the chip holds, at every
//   address, what the image has at that address with bit n set to L;
// - not erased when neither fits and every differing byte needs only 0 -> 1
//   changes, as a chip programmed without being erased first reads (a 1 where
//   the image has a 0 is something programming over old data cannot leave).
// A line fault needs two differing bytes at least: one alone cannot be told
// from a single bad cell. When more than one line fault fits, none is named.
[[nodiscard]] std::optional<Diagnosis> diagnoseFault(std::span<const std::uint8_t> chip,
                                                     std::span<const std::uint8_t> expected,
                                                     const DifferenceSummary& differences);

// "data line D3 stuck at 0", "address line A12 not connected",
// "not erased: 5 bytes need a 0 → 1 change".
[[nodiscard]] std::string diagnosisText(const Diagnosis& diagnosis);

}  // namespace veldrix
