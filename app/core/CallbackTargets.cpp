#include "core/CallbackTargets.h"

#include <cstdarg>
#include <exception>
#include <string>

#include "buffer/DataBuffer.h"
#include "core/ProgressService.h"
#include "core/StatusService.h"
#include "core/TextFormat.h"
#include "core/UserInterface.h"
#include "platform/FaultGuard.h"
#include "platform/HighResClock.h"

namespace veldrix {

namespace {

CallbackTargets* g_targets = nullptr;

// Shows a transient status message: a status message ends any progress
// window, as the user is to read it at once.
void postStatus(const std::string& text) {
    if (g_targets->progress != nullptr) {
        g_targets->progress->close();
    }
    if (g_targets->status != nullptr) {
        g_targets->status->post(text);
    } else if (g_targets->ui != nullptr) {
        g_targets->ui->showStatusMessage(text);
    }
}

// What the exception being handled says about itself.
std::string caughtExceptionText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "unknown exception";
    }
}

// Called from a catch block: tells the user which callback failed and why.
// Reporting may fail as well; then nothing more can be done.
void reportCaughtException(const char* callback) noexcept {
    try {
        postStatus(std::string(callback) + " ERR: " + caughtExceptionText());
    } catch (...) {
    }
}

// Answers of the progress callback.
constexpr std::uint32_t kGoOn = 0;
constexpr std::uint32_t kCancel = 1;

struct VoltageCall {
    dd_driver_voltage_fn fn;
    std::uint32_t vcc, vpp, vid;
    std::uint32_t result;
};

// Runs under the fault guard: nothing here may need unwinding.
void invokeDriverVoltage(void* context) {
    auto* call = static_cast<VoltageCall*>(context);
    call->result =
        call->fn(static_cast<std::int32_t>(call->vcc), static_cast<std::int32_t>(call->vpp),
                 static_cast<std::int32_t>(call->vid));
}

// The callbacks. None lets an exception out into module code.
extern "C" {

static void cbDelay(std::uint32_t microseconds) {
    platform::delayMicroseconds(microseconds);
}

static std::uint8_t cbGetbyte(std::uint32_t address) {
    return g_targets->buffer != nullptr ? g_targets->buffer->getbyte(address) : 0xFF;
}

static std::uint32_t cbPutbyte(std::uint32_t address, std::uint32_t value) {
    return g_targets->buffer != nullptr
               ? g_targets->buffer->putbyte(address, static_cast<std::uint8_t>(value))
               : 0;
}

static std::uint8_t* cbGetpage(std::uint32_t address, std::uint32_t length) {
    try {
        return g_targets->buffer != nullptr ? g_targets->buffer->getpage(address, length) : nullptr;
    } catch (...) {
        reportCaughtException("getpage");
        return nullptr;
    }
}

static std::uint32_t cbSpare(void) {
    return 0;
}

static std::uint32_t cbMark(std::uint32_t address, std::uint32_t flag) {
    try {
        return g_targets->buffer != nullptr ? g_targets->buffer->mark(address, flag) : 0;
    } catch (...) {
        reportCaughtException("mark");
        return 0;
    }
}

static std::uint32_t cbProgress(std::int32_t position, std::uint32_t mode) {
    try {
        return g_targets->progress != nullptr ? g_targets->progress->progress(position, mode)
                                              : kGoOn;
    } catch (...) {
        reportCaughtException("progress");
        return kCancel;
    }
}

static std::uint16_t cbVoltage(std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid) {
    if (g_targets->driverVoltage == nullptr) {
        return 0;
    }
    VoltageCall call{g_targets->driverVoltage, vcc, vpp, vid, 0};
    const platform::FaultKind fault = platform::runGuarded(&invokeDriverVoltage, &call);
    if (fault != platform::FaultKind::None) {
        g_targets->driverFaults.note(fault);
        try {
            postStatus("voltage ERR");
        } catch (...) {
        }
        return 0;
    }
    return static_cast<std::uint16_t>(call.result);
}

static std::uint32_t cbMsgbox(std::uint32_t style, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::uint32_t button = DD_IDCANCEL;
    try {
        const std::string text = formatLimitedV(kMessageTextCapacity, format, args);
        if (g_targets->ui != nullptr) {
            button = g_targets->ui->messageBox(style, text);
        }
    } catch (...) {
        reportCaughtException("msgbox");
    }
    va_end(args);
    return button;
}

static void cbStatus(const char* format, ...) {
    va_list args;
    va_start(args, format);
    try {
        if (format == nullptr) {
            if (g_targets->ui != nullptr) {
                g_targets->ui->refreshTitle();
            }
        } else {
            postStatus(formatLimitedV(kStatusTextCapacity, format, args));
        }
    } catch (...) {
        reportCaughtException("status");
    }
    va_end(args);
}

}  // extern "C"

}  // namespace

void fillCallBlockCallbacks(dlldata& block, CallbackTargets& targets) noexcept {
    g_targets = &targets;
    block.delay = cbDelay;
    block.status = cbStatus;
    block.msgbox = cbMsgbox;
    block.spare = cbSpare;
    block.getbyte = cbGetbyte;
    block.getpage = cbGetpage;
    block.mark = cbMark;
    block.putbyte = cbPutbyte;
    block.voltage = cbVoltage;
    block.progress = cbProgress;
}

}  // namespace veldrix
