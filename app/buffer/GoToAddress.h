#pragma once
// The editor's Go to address: the entered text as the program's numbers
// (decimal, 0x1F, 1Fh, $1F), checked against the addresses the editor shows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veldrix {

enum class GoToFault {
    NotANumber,   // not one whole non-negative constant
    OutsideData,  // a number, but no shown byte has that address
};

struct GoToResult {
    std::size_t index = 0;  // of the byte in the shown data, when fault is empty
    std::optional<GoToFault> fault;
    std::string message;  // for the user, when fault is set
};

// The editor shows `length` bytes with addresses from `firstAddress` on.
[[nodiscard]] GoToResult parseGoToAddress(std::string_view text, std::uint32_t firstAddress,
                                          std::size_t length);

}  // namespace veldrix
