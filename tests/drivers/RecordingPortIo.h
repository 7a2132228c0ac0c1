#pragma once
// A port backend that records every register access in order, passing it
// on to another backend (a floating bus when none is given).

#include <cstdint>
#include <ostream>
#include <vector>

#include "portio/FloatingPortIo.h"
#include "portio/IPortIo.h"

namespace veldrix::test {

struct PortEvent {
    enum class Kind { In, Out };
    Kind kind;
    std::uint16_t address;
    std::uint8_t value;

    bool operator==(const PortEvent&) const = default;
};

inline PortEvent portIn(std::uint16_t address, std::uint8_t value) {
    return {PortEvent::Kind::In, address, value};
}
inline PortEvent portOut(std::uint16_t address, std::uint8_t value) {
    return {PortEvent::Kind::Out, address, value};
}

inline std::ostream& operator<<(std::ostream& out, const PortEvent& event) {
    const char* kind = event.kind == PortEvent::Kind::In ? "in" : "out";
    return out << kind << "(0x" << std::hex << event.address << ", 0x" << unsigned(event.value)
               << std::dec << ")";
}

class RecordingPortIo final : public portio::IPortIo {
public:
    explicit RecordingPortIo(portio::IPortIo* inner = nullptr)
        : inner_(inner ? *inner : floating_) {}

    std::vector<PortEvent> events;

    std::uint8_t in(std::uint16_t address) override {
        const std::uint8_t value = inner_.in(address);
        events.push_back(portIn(address, value));
        return value;
    }
    void out(std::uint16_t address, std::uint8_t value) override {
        inner_.out(address, value);
        events.push_back(portOut(address, value));
    }

private:
    portio::FloatingPortIo floating_;
    portio::IPortIo& inner_;
};

}  // namespace veldrix::test
