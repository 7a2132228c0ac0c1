#pragma once
// The one reader of numeric constants: configuration files and option edits.

#include <cstdint>
#include <functional>
#include <string>

namespace veldrix {

// Receives the program's message for a constant too large for 32 bits
// ("numeric constant %s does not fit in 32 bits", already formatted).
using MessageSink = std::function<void(const std::string&)>;

// Reads one constant from the NUL-terminated `text`: decimal, 0x/$ prefixed
// hexadecimal, or a base suffix (H, Q/O, B). A leading "-" negates in two's
// complement. `end`, when given, receives the position just after the
// constant; `error`, when given, is cleared and then set for a malformed
// constant (whose value is 0).
std::uint32_t ParseNumber(const char* text, const char** end = nullptr, bool* error = nullptr,
                          const MessageSink& report = {});

}  // namespace veldrix
