#include "platform/SystemDevices.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace veldrix::platform {

namespace fs = std::filesystem;

namespace {

// The serial8250 driver registers placeholder ports for UARTs that may not
// exist; those carry no port, no interrupt and an unknown UART type.
constexpr std::string_view kPlaceholderSerialDriver = "serial8250";
constexpr std::string_view kUnknownUartType = "0";
// USB device class of hubs: never a programmer.
constexpr std::string_view kHubClass = "09";

std::optional<std::string> readFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return std::nullopt;
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

// A number in the kernel's text form: decimal, or hexadecimal with 0x.
unsigned long readNumber(const fs::path& file) {
    const auto text = readFirstLine(file);
    if (!text) {
        return 0;
    }
    return std::strtoul(text->c_str(), nullptr, 0);
}

// The trailing number of "parport12" style names, nullopt when the name
// is not the prefix followed by digits only.
std::optional<unsigned> numberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    unsigned number = 0;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return number;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Natural order: runs of digits compare by their value, so that ttyS2 comes
// before ttyS10; names equal in that order fall back to plain order.
bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::size_t aStart = i;
            const std::size_t bStart = j;
            while (i < a.size() && isDigit(a[i])) {
                ++i;
            }
            while (j < b.size() && isDigit(b[j])) {
                ++j;
            }
            std::string_view aRun = a.substr(aStart, i - aStart);
            std::string_view bRun = b.substr(bStart, j - bStart);
            aRun.remove_prefix(std::min(aRun.find_first_not_of('0'), aRun.size()));
            bRun.remove_prefix(std::min(bRun.find_first_not_of('0'), bRun.size()));
            if (aRun.size() != bRun.size()) {
                return aRun.size() < bRun.size();
            }
            if (aRun != bRun) {
                return aRun < bRun;
            }
        } else if (a[i] != b[j]) {
            return a[i] < b[j];
        } else {
            ++i;
            ++j;
        }
    }
    if ((a.size() - i) != (b.size() - j)) {
        return (a.size() - i) < (b.size() - j);
    }
    return a < b;
}

std::vector<std::string> sortedEntryNames(const fs::path& directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

bool entryExists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

void scanParallel(const fs::path& root, std::vector<SystemDevice>& found) {
    std::vector<std::pair<unsigned, std::string>> ports;
    for (const auto& name : sortedEntryNames(root / "dev")) {
        if (const auto number = numberAfter(name, "parport")) {
            ports.emplace_back(*number, name);
        }
    }
    std::sort(ports.begin(), ports.end());
    for (const auto& [number, name] : ports) {
        // "888\t1912": the base address, then the ECP registers' base.
        const auto base = readNumber(root / "proc/sys/dev/parport" / name / "base-addr");
        found.push_back({kPortParallel,
                         (root / "dev" / name).string(),
                         static_cast<std::uint16_t>(base <= 0xFFFF ? base : 0),
                         {}});
    }
}

std::string driverName(const fs::path& device) {
    std::error_code error;
    const fs::path target = fs::weakly_canonical(device / "driver", error);
    return error ? std::string() : target.filename().string();
}

// True when a real UART or another serial device stands behind the tty.
bool hasSerialHardware(const fs::path& tty, unsigned long& ioPort) {
    if (!entryExists(tty / "device")) {
        return false;  // virtual consoles, pseudo terminals
    }
    ioPort = readNumber(tty / "port");
    if (readFirstLine(tty / "type") == kUnknownUartType) {
        return false;
    }
    const bool placeholder = driverName(tty / "device") == kPlaceholderSerialDriver;
    return !placeholder || ioPort != 0 || readNumber(tty / "irq") != 0;
}

void scanSerial(const fs::path& root, std::vector<SystemDevice>& found) {
    const fs::path classDir = root / "sys/class/tty";
    for (const auto& name : sortedEntryNames(classDir)) {
        unsigned long ioPort = 0;
        if (hasSerialHardware(classDir / name, ioPort)) {
            found.push_back({kPortSerial,
                             (root / "dev" / name).string(),
                             static_cast<std::uint16_t>(ioPort <= 0xFFFF ? ioPort : 0),
                             {}});
        }
    }
}

// "/dev/bus/usb/001/004" from busnum and devnum, the sysfs path without them.
std::string usbNode(const fs::path& root, const fs::path& device) {
    const auto bus = readFirstLine(device / "busnum");
    const auto dev = readFirstLine(device / "devnum");
    if (!bus || !dev) {
        return device.string();
    }
    char component[16];
    std::snprintf(component, sizeof component, "%03lu/%03lu",
                  std::strtoul(bus->c_str(), nullptr, 10), std::strtoul(dev->c_str(), nullptr, 10));
    return (root / "dev/bus/usb" / component).string();
}

void scanUsb(const fs::path& root, std::vector<SystemDevice>& found) {
    const fs::path devicesDir = root / "sys/bus/usb/devices";
    for (const auto& name : sortedEntryNames(devicesDir)) {
        // Interfaces ("1-1:1.0") and root hubs ("usb1") are not devices a
        // programmer can be.
        if (name.find(':') != std::string::npos || name.rfind("usb", 0) == 0) {
            continue;
        }
        const fs::path device = devicesDir / name;
        if (readFirstLine(device / "bDeviceClass") == kHubClass) {
            continue;
        }
        const auto serial = readFirstLine(device / "serial");
        if (!serial || serial->empty()) {
            continue;
        }
        found.push_back({kPortUsb, usbNode(root, device), 0, *serial});
    }
}

}  // namespace

std::vector<SystemDevice> scanSystemDevices(const fs::path& root) {
    std::vector<SystemDevice> found;
    scanParallel(root, found);
    scanSerial(root, found);
    scanUsb(root, found);
    return found;
}

}  // namespace veldrix::platform
