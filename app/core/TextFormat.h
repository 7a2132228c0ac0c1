#pragma once
// printf-style formatting into the program's fixed-size text buffers.

#include <cstdarg>
#include <cstddef>
#include <string>

namespace veldrix {

// Capacities of the fixed buffers, terminating NUL included: status texts keep
// at most 99 characters, message box texts at most 511.
inline constexpr std::size_t kStatusTextCapacity = 100;
inline constexpr std::size_t kMessageTextCapacity = 512;

// Shortens `text` to at most `maxBytes` bytes without splitting a UTF-8
// character (translated texts and file names are UTF-8).
void cutToFit(std::string& text, std::size_t maxBytes);

// Formats into a buffer of `capacity` bytes and returns what fits (at most
// capacity - 1 bytes, whole UTF-8 characters). A null format gives an empty
// text.
std::string formatLimitedV(std::size_t capacity, const char* format, va_list args);
std::string formatLimited(std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace veldrix
