#include "core/StatusService.h"

#include "core/TextFormat.h"

#include <utility>

namespace veldrix {

StatusService::~StatusService() {
    stop();
}

void StatusService::start() {
    if (thread_.joinable()) {
        return;
    }
    {
        std::lock_guard lock(slotMutex_);
        stopping_ = false;
    }
    thread_ = std::thread(&StatusService::threadMain, this);
}

void StatusService::stop() {
    {
        std::lock_guard lock(slotMutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool StatusService::post(std::string text) {
    cutToFit(text, kMaxLength);
    {
        std::lock_guard lock(slotMutex_);
        if (pending_.has_value()) {
            return false;
        }
        pending_ = std::move(text);
    }
    wake_.notify_all();
    return true;
}

bool StatusService::drain() {
    std::optional<std::string> text;
    {
        std::lock_guard lock(slotMutex_);
        text.swap(pending_);
    }
    if (!text.has_value()) {
        return false;
    }
    display(*text);
    return true;
}

bool StatusService::pending() const {
    std::lock_guard lock(slotMutex_);
    return pending_.has_value();
}

StatusBlinkCycle::Sleeper StatusService::sleeper() {
    return [this](std::chrono::milliseconds duration) {
        std::unique_lock lock(slotMutex_);
        wake_.wait_for(lock, duration, [this] { return stopping_; });
    };
}

void StatusService::threadMain() {
    std::unique_lock lock(slotMutex_);
    for (;;) {
        // A message stored while the previous one was on display is shown
        // right after it, not left waiting for the next wake-up.
        wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
        if (stopping_) {
            return;
        }
        std::string text = std::move(*pending_);
        pending_.reset();
        lock.unlock();
        display(text);
        lock.lock();
    }
}

void StatusService::display(const std::string& text) {
    std::lock_guard lock(displayMutex_);
    try {
        ui_.showStatusMessage(text);
    } catch (...) {
        // A failing display must not end the thread or the program.
    }
}

}  // namespace veldrix
