#pragma once
// The board's logic analyser: one line per register access that reaches the
// board, in the format described in vxsim.h.

#include <cstdint>
#include <cstdio>
#include <string>

namespace veldrix::sim {

class TraceWriter {
public:
    enum class Event : char { LatchWrite = 'W', DataRead = 'R', StatusRead = 'S' };

    TraceWriter() = default;
    ~TraceWriter();
    TraceWriter(const TraceWriter&) = delete;
    TraceWriter& operator=(const TraceWriter&) = delete;

    // Truncates `path` and traces into it from `now` (nanoseconds) on, ending
    // any trace already open. False when the file cannot be opened.
    bool open(const std::string& path, std::uint64_t now);
    // Flushes and ends the trace; false when the file could not be written.
    bool close();

    [[nodiscard]] bool active() const noexcept { return file_ != nullptr; }
    void record(Event event, std::uint8_t pattern, std::uint8_t value, std::uint64_t now);
    void note(const std::string& text);

private:
    std::FILE* file_ = nullptr;
    std::uint64_t start_ = 0;
};

}  // namespace veldrix::sim
