#include "buffer/GoToAddress.h"

#include <cstdio>

#include "catalog/WholeNumber.h"

namespace veldrix {

namespace {

[[nodiscard]] std::string_view trimmed(std::string_view text) noexcept {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

GoToResult parseGoToAddress(std::string_view text, std::uint32_t firstAddress, std::size_t length) {
    const std::string_view entered = trimmed(text);
    // A "-" would wrap to a large address that might happen to be shown.
    const std::optional<std::uint32_t> address =
        entered.starts_with('-') ? std::nullopt : parseWholeNumber(entered);
    if (!address) {
        return {0, GoToFault::NotANumber, "Not an address: " + std::string(entered)};
    }
    if (*address < firstAddress || *address - firstAddress >= length) {
        char message[96];
        if (length == 0) {
            std::snprintf(message, sizeof message, "Address %X is outside the data: none is shown",
                          *address);
        } else {
            const unsigned long long last = std::uint64_t{firstAddress} + length - 1;
            std::snprintf(message, sizeof message, "Address %X is outside the data (%X to %llX)",
                          *address, firstAddress, last);
        }
        return {0, GoToFault::OutsideData, message};
    }
    return {*address - firstAddress, std::nullopt, {}};
}

}  // namespace veldrix
