#include "catalog/WholeNumber.h"

#include <string>

#include "catalog/ParseNumber.h"

namespace veldrix {

std::optional<std::uint32_t> parseWholeNumber(std::string_view text) {
    // A copy ends at the view's end, and an embedded NUL shows as text left over.
    const std::string terminated(text);
    const char* end = nullptr;
    bool malformed = false;
    bool overflow = false;
    const std::uint32_t value = ParseNumber(terminated.c_str(), &end, &malformed,
                                            [&overflow](const std::string&) { overflow = true; });
    if (malformed || overflow || end != terminated.c_str() + terminated.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace veldrix
