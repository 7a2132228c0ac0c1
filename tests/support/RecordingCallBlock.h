#pragma once
// A module call block whose callbacks act on a vector buffer and record what a
// chip family module asks of the program: bus words (with the answers), waits,
// voltages, progress reports, marks and message boxes. The callbacks are plain
// C functions, so only one instance may exist at a time.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dlldata.h"

namespace veldrix::test {

class RecordingCallBlock {
public:
    enum class Kind { Bus, Delay, Voltage, Progress, Mark, MessageBox };

    struct Event {
        Kind kind;
        // Bus: word, answer. Delay: microseconds. Voltage: vcc, vpp, vid.
        // Progress: position, mode. Mark: address, flag. MessageBox: style.
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        std::uint32_t c = 0;
        std::string text;  // MessageBox: the formatted text
    };

    RecordingCallBlock();
    ~RecordingCallBlock();
    RecordingCallBlock(const RecordingCallBlock&) = delete;
    RecordingCallBlock& operator=(const RecordingCallBlock&) = delete;

    // Stamped and filled with the callbacks below; funcode and the chip
    // fields are the test's to set.
    dlldata block{};
    // The data buffer behind getbyte, putbyte and getpage.
    std::vector<std::uint8_t> buffer;
    std::vector<Event> events;

    // Bus words and waits are many: long runs switch their recording off.
    bool recordBusAndDelays = true;
    std::uint64_t busWordCount = 0;
    std::uint64_t delayTotal = 0;  // µs

    // Answers a bus word; unset answers 0xFF (a floating bus).
    std::function<std::uint8_t(std::uint16_t word)> port;
    // Runs after each wait is recorded (a simulator's clock, a real wait).
    std::function<void(std::uint32_t microseconds)> onDelay;
    // Receives each voltage request; unset answers 0.
    std::function<std::uint16_t(std::uint32_t, std::uint32_t, std::uint32_t)> onVoltage;
    // Answers a progress report (mode 2): true asks the module to stop.
    std::function<bool(std::int32_t position)> stopAt;
    std::uint32_t messageBoxAnswer = DD_IDOK;

    [[nodiscard]] std::vector<Event> eventsOf(Kind kind) const;
    [[nodiscard]] std::vector<std::uint16_t> busWords() const;
    [[nodiscard]] std::vector<std::uint32_t> delays() const;
    [[nodiscard]] std::vector<std::uint32_t> markedAddresses() const;
    [[nodiscard]] std::vector<std::string> messages() const;
    void clearEvents();

private:
    static RecordingCallBlock* current_;

    static std::uint8_t bdport(std::uint32_t word);
    static void delay(std::uint32_t microseconds);
    static std::uint8_t getbyte(std::uint32_t address);
    static std::uint32_t putbyte(std::uint32_t address, std::uint32_t value);
    static std::uint8_t* getpage(std::uint32_t address, std::uint32_t length);
    static std::uint32_t spare();
    static std::uint32_t mark(std::uint32_t address, std::uint32_t flag);
    static std::uint32_t progress(std::int32_t position, std::uint32_t mode);
    static std::uint16_t voltage(std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid);
    static std::uint32_t msgbox(std::uint32_t style, const char* format, ...);
    static void status(const char* format, ...);

    std::vector<std::uint8_t> page_;
};

}  // namespace veldrix::test
