#pragma once
// A driver binding wired as the program wires it, with a recording user
// interface, a recorded status callback, a scripted device scan and port
// permission that only records.

#include <gtest/gtest.h>

#include <cstdarg>
#include <optional>
#include <string>
#include <vector>

#include "RecordingUserInterface.h"
#include "core/CallBlock.h"
#include "core/CallbackTargets.h"
#include "core/DriverBinding.h"
#include "core/TextFormat.h"
#include "platform/DynamicLibrary.h"
#include "ports/PortList.h"
#include "ports/PortPermission.h"

namespace veldrix::test {

inline std::string driverPath(const char* file) {
    return std::string(VELDRIX_DRIVER_DIR) + "/" + file;
}

inline std::string testDriverPath(const char* file) {
    return std::string(VELDRIX_TEST_DRIVER_DIR) + "/" + file;
}

// What the call block's status callback was asked to show; "<title>" for the
// null format that refreshes the window title.
inline std::vector<std::string> g_statusCalls;

extern "C" inline void recordStatus(const char* format, ...) {
    if (format == nullptr) {
        g_statusCalls.emplace_back("<title>");
        return;
    }
    va_list args;
    va_start(args, format);
    g_statusCalls.push_back(formatLimitedV(kStatusTextCapacity, format, args));
    va_end(args);
}

// Reads an int a driver exports, through a second reference to the library
// that is dropped at once, so the binding's reference alone keeps it loaded.
inline std::optional<int> peekDriverInt(const std::string& path, const char* name) {
    platform::DynamicLibrary peek(path);
    const int* value = peek.data<int>(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return *value;
}

class BindingFixture : public ::testing::Test {
protected:
    BindingFixture() {
        stampCallBlock(block);
        fillCallBlockCallbacks(block, targets);
        block.status = &recordStatus;
        g_statusCalls.clear();
    }

    IoAccessOperations recordingPermission() {
        return {[this](std::uint16_t port) {
                    probed.push_back(port);
                    return portsAccessible;
                },
                [](std::uint16_t, std::uint16_t) { return false; },
                [](std::uint16_t, std::uint16_t) {}};
    }

    bool bind(const std::string& path) { return binding.bind(path, family, ecrSetting, startDrv); }

    dlldata block{};
    RecordingUserInterface ui;
    CallbackTargets targets{&ui, nullptr, nullptr, nullptr};
    PortList ports;
    bool portsAccessible = false;
    std::vector<std::uint16_t> probed;
    PortPermission permission{recordingPermission()};
    int scans = 0;
    std::vector<SystemDevice> devices = {{kPortParallel, "/nonexistent/parport0", 0x378, ""},
                                         {kPortParallel, "/nonexistent/parport1", 0x278, ""},
                                         {kPortSerial, "/nonexistent/ttyS0", 0x3F8, ""}};
    DriverBinding binding{block, ui, targets, ports, permission, [this] {
                              ++scans;
                              return devices;
                          }};
    // The Tessaro family's row, as a copy the test may change.
    HardwareFamily family{1, 0, nullptr, 161, "Tessaro 0.39b", "tessaro", "dmain"};
    std::uint8_t ecrSetting = 0x21;
    std::int32_t startDrv = 1;
};

}  // namespace veldrix::test
