#pragma once
// A file's bytes from its start, read in steps up to a limit, with how the
// reading ended: a load reads what a raw image needs first and goes on only
// when the start looks like a record file. Never seeks, so pipes work too.

#include <cstdint>
#include <cstdio>
#include <string>

namespace veldrix {

struct FileBytes {
    std::string bytes;
    bool failed = false;  // a read error ended the reading
    int errorCode = 0;    // the system's code of that error
    bool ended = false;   // the end of the file was reached
};

// Appends from `file` until `read` holds `limit` bytes, the file ends or a
// read fails; does nothing once it ended or failed.
void readFileBytes(std::FILE* file, FileBytes& read, std::uint64_t limit);

}  // namespace veldrix
