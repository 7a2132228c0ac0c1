#pragma once
// thalia's Read, Compare and Blank check: one walk over the chip that does
// what the function code asks with each byte.

#include <cstdint>

#include "MultiplexedBus.h"

namespace veldrix::thalia {

enum class ScanKind { Read, Compare, BlankCheck };

class MultiplexedScanner {
public:
    explicit MultiplexedScanner(const MultiplexedBus& bus) : bus_(bus) {}

    // Read: the chip into the buffer. Compare: mismatches marked and counted
    // into errdata. Blank check: kBlankCheckFailed at the first byte that is
    // not 0xFF, its address in erraddr.
    [[nodiscard]] std::int32_t scan(ScanKind kind) const;

private:
    const MultiplexedBus& bus_;
};

}  // namespace veldrix::thalia
