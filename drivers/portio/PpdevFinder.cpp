#include "PpdevFinder.h"

#include <fstream>
#include <string_view>
#include <system_error>

namespace veldrix::portio {

namespace {

constexpr std::string_view kPortPrefix = "parport";

bool isPortDirectory(const std::string& name) {
    if (name.size() <= kPortPrefix.size() ||
        name.compare(0, kPortPrefix.size(), kPortPrefix) != 0) {
        return false;
    }
    return name.find_first_not_of("0123456789", kPortPrefix.size()) == std::string::npos;
}

// The first number of "base-addr" ("888\t1912" for 0x378), -1 when unreadable.
long firstBaseAddress(const std::filesystem::path& file) {
    std::ifstream in(file);
    long address = -1;
    if (!(in >> address)) {
        return -1;
    }
    return address;
}

}  // namespace

std::string findPpdevDevice(std::uint16_t base, const PpdevLocations& where) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(where.portList, error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (isPortDirectory(name) && firstBaseAddress(entry->path() / "base-addr") == base) {
            return (where.devices / name).string();
        }
    }
    return {};
}

}  // namespace veldrix::portio
