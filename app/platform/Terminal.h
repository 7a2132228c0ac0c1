#pragma once
// What a terminal front end needs to know about its standard streams.

namespace veldrix::platform {

enum class StandardStream { Input = 0, Output = 1, Error = 2 };

// True when the stream is connected to a terminal (not a pipe or a file).
[[nodiscard]] bool isTerminal(StandardStream stream) noexcept;

// Width of the terminal behind the stream in columns; 0 when unknown.
[[nodiscard]] int terminalColumns(StandardStream stream) noexcept;

}  // namespace veldrix::platform
