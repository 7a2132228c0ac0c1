#include "TraceWriter.h"

#include "SimClock.h"

namespace veldrix::sim {

TraceWriter::~TraceWriter() {
    close();
}

bool TraceWriter::open(const std::string& path, std::uint64_t now) {
    close();
    file_ = std::fopen(path.c_str(), "w");
    start_ = now;
    return file_ != nullptr;
}

bool TraceWriter::close() {
    if (file_ == nullptr) {
        return true;
    }
    const bool written = std::ferror(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return written && closed;
}

void TraceWriter::record(Event event, std::uint8_t pattern, std::uint8_t value, std::uint64_t now) {
    if (file_ == nullptr) {
        return;
    }
    const unsigned long long microseconds = (now - start_) / kNanosecondsPerMicrosecond;
    std::fprintf(file_, "%10llu %c %02X %02X\n", microseconds, static_cast<char>(event),
                 static_cast<unsigned>(pattern), static_cast<unsigned>(value));
}

void TraceWriter::note(const std::string& text) {
    if (file_ != nullptr) {
        std::fprintf(file_, "# %s\n", text.c_str());
    }
}

}  // namespace veldrix::sim
