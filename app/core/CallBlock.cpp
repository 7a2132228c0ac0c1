#include "core/CallBlock.h"

#include <cstdint>

#include "core/TextFormat.h"

namespace veldrix {

void stampCallBlock(dlldata& block) noexcept {
    block.signature = DD_SIGNATURE;
    block._size = DD_RECORD_SIZE;
}

std::optional<std::string> checkBlankLayout(dlldata& block) {
    const auto found = static_cast<std::uint32_t>(reinterpret_cast<const char*>(&block.blank) -
                                                  reinterpret_cast<const char*>(&block));
    block.blank = found;
    if (block.blank == DD_BLANK_OFFSET) {
        return std::nullopt;
    }
    return formatLimited(kMessageTextCapacity, "Неправильный размер DLLDATA %8X",
                         (block.blank - DD_BLANK_OFFSET) & 0xFFu);
}

}  // namespace veldrix
