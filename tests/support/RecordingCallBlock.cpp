#include "RecordingCallBlock.h"

#include <cstdarg>
#include <cstdio>
#include <stdexcept>

namespace veldrix::test {

RecordingCallBlock* RecordingCallBlock::current_ = nullptr;

RecordingCallBlock::RecordingCallBlock() {
    if (current_ != nullptr) {
        throw std::logic_error("only one RecordingCallBlock may exist at a time");
    }
    current_ = this;
    block._size = DD_RECORD_SIZE;
    block.signature = DD_SIGNATURE;
    block.bits = 8;
    block.wralg = 255;
    block.mfr = "Unknown";
    block.bdport = &bdport;
    block.delay = &delay;
    block.getbyte = &getbyte;
    block.putbyte = &putbyte;
    block.getpage = &getpage;
    block.spare = &spare;
    block.mark = &mark;
    block.progress = &progress;
    block.voltage = &voltage;
    block.msgbox = &msgbox;
    block.status = &status;
}

RecordingCallBlock::~RecordingCallBlock() {
    current_ = nullptr;
}

std::vector<RecordingCallBlock::Event> RecordingCallBlock::eventsOf(Kind kind) const {
    std::vector<Event> found;
    for (const Event& e : events) {
        if (e.kind == kind) {
            found.push_back(e);
        }
    }
    return found;
}

std::vector<std::uint16_t> RecordingCallBlock::busWords() const {
    std::vector<std::uint16_t> words;
    for (const Event& e : events) {
        if (e.kind == Kind::Bus) {
            words.push_back(static_cast<std::uint16_t>(e.a));
        }
    }
    return words;
}

std::vector<std::uint32_t> RecordingCallBlock::delays() const {
    std::vector<std::uint32_t> waits;
    for (const Event& e : events) {
        if (e.kind == Kind::Delay) {
            waits.push_back(e.a);
        }
    }
    return waits;
}

std::vector<std::uint32_t> RecordingCallBlock::markedAddresses() const {
    std::vector<std::uint32_t> addresses;
    for (const Event& e : events) {
        if (e.kind == Kind::Mark && e.b != 0) {
            addresses.push_back(e.a);
        }
    }
    return addresses;
}

std::vector<std::string> RecordingCallBlock::messages() const {
    std::vector<std::string> texts;
    for (const Event& e : events) {
        if (e.kind == Kind::MessageBox) {
            texts.push_back(e.text);
        }
    }
    return texts;
}

void RecordingCallBlock::clearEvents() {
    events.clear();
    busWordCount = 0;
    delayTotal = 0;
}

std::uint8_t RecordingCallBlock::bdport(std::uint32_t word) {
    RecordingCallBlock& self = *current_;
    const auto command = static_cast<std::uint16_t>(word);
    const std::uint8_t answer = self.port ? self.port(command) : 0xFF;
    ++self.busWordCount;
    if (self.recordBusAndDelays) {
        self.events.push_back({Kind::Bus, command, answer, 0, {}});
    }
    return answer;
}

void RecordingCallBlock::delay(std::uint32_t microseconds) {
    RecordingCallBlock& self = *current_;
    self.delayTotal += microseconds;
    if (self.recordBusAndDelays) {
        self.events.push_back({Kind::Delay, microseconds, 0, 0, {}});
    }
    if (self.onDelay) {
        self.onDelay(microseconds);
    }
}

std::uint8_t RecordingCallBlock::getbyte(std::uint32_t address) {
    const auto& buffer = current_->buffer;
    return address < buffer.size() ? buffer[address] : 0xFF;
}

std::uint32_t RecordingCallBlock::putbyte(std::uint32_t address, std::uint32_t value) {
    auto& buffer = current_->buffer;
    if (address >= buffer.size()) {
        return 0;
    }
    buffer[address] = static_cast<std::uint8_t>(value);
    return 1;
}

std::uint8_t* RecordingCallBlock::getpage(std::uint32_t address, std::uint32_t length) {
    RecordingCallBlock& self = *current_;
    const std::uint64_t end = static_cast<std::uint64_t>(address) + length;
    if (end > self.buffer.size()) {
        return nullptr;
    }
    self.page_.assign(self.buffer.begin() + address, self.buffer.begin() + end);
    return self.page_.data();
}

std::uint32_t RecordingCallBlock::spare() {
    return 0;
}

std::uint32_t RecordingCallBlock::mark(std::uint32_t address, std::uint32_t flag) {
    current_->events.push_back({Kind::Mark, address, flag, 0, {}});
    return 1;
}

std::uint32_t RecordingCallBlock::progress(std::int32_t position, std::uint32_t mode) {
    RecordingCallBlock& self = *current_;
    self.events.push_back({Kind::Progress, static_cast<std::uint32_t>(position), mode, 0, {}});
    if (mode == DD_PROGRESS_SET && self.stopAt) {
        return self.stopAt(position) ? 1 : 0;
    }
    return 0;
}

std::uint16_t RecordingCallBlock::voltage(std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid) {
    RecordingCallBlock& self = *current_;
    self.events.push_back({Kind::Voltage, vcc, vpp, vid, {}});
    return self.onVoltage ? self.onVoltage(vcc, vpp, vid) : 0;
}

std::uint32_t RecordingCallBlock::msgbox(std::uint32_t style, const char* format, ...) {
    char text[512];  // the program's message box holds 511 characters
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    RecordingCallBlock& self = *current_;
    self.events.push_back({Kind::MessageBox, style, 0, 0, text});
    return self.messageBoxAnswer;
}

void RecordingCallBlock::status(const char* /*format*/, ...) {}

}  // namespace veldrix::test
