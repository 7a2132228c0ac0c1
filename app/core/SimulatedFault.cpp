#include "core/SimulatedFault.h"

#include <array>
#include <vector>

#include "catalog/WholeNumber.h"

namespace veldrix {

namespace {

// The keyword, how many numbers follow it, and the upper bound of each.
struct FaultForm {
    std::string_view keyword;
    SimulatedFaultKind kind;
    std::vector<std::uint32_t> maxima;
};

constexpr std::uint32_t kAny = UINT32_MAX;
constexpr std::uint32_t kDataBit = 7;
constexpr std::uint32_t kLevel = 1;
constexpr std::uint32_t kAddressLine = 31;
constexpr std::uint32_t kStatusLine = 7;
constexpr unsigned kFirstStatusLine = 3;

const std::array<FaultForm, 6>& faultForms() {
    static const std::array<FaultForm, 6> forms = {{
        {"stuck", SimulatedFaultKind::StuckBit, {kAny, kDataBit, kLevel}},
        {"dataline", SimulatedFaultKind::DataLine, {kDataBit, kLevel}},
        {"addrline", SimulatedFaultKind::AddressLine, {kAddressLine, kLevel}},
        {"intermittent", SimulatedFaultKind::IntermittentBit, {kDataBit, kAny}},
        {"statusline", SimulatedFaultKind::StatusLine, {kStatusLine, kLevel}},
        {"absent", SimulatedFaultKind::BoardAbsent, {}},
    }};
    return forms;
}

// The numbers after the keyword, each in its range; nothing when there are
// more or fewer of them.
std::optional<std::vector<std::uint32_t>> readFields(std::string_view rest,
                                                     const std::vector<std::uint32_t>& maxima) {
    std::vector<std::uint32_t> values;
    for (const std::uint32_t maximum : maxima) {
        if (!rest.starts_with(':')) {
            return std::nullopt;
        }
        rest.remove_prefix(1);
        const std::size_t end = rest.find(':');
        const auto value = parseWholeNumber(rest.substr(0, end));
        if (!value || *value > maximum) {
            return std::nullopt;
        }
        values.push_back(*value);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    }
    if (!rest.empty()) {
        return std::nullopt;
    }
    return values;
}

SimulatedFault faultOf(SimulatedFaultKind kind, const std::vector<std::uint32_t>& fields) {
    SimulatedFault fault{.kind = kind};
    switch (kind) {
        case SimulatedFaultKind::StuckBit:
            fault.address = fields[0];
            fault.line = fields[1];
            fault.level = fields[2];
            break;
        case SimulatedFaultKind::IntermittentBit:
            fault.line = fields[0];
            fault.seed = fields[1];
            break;
        case SimulatedFaultKind::DataLine:
        case SimulatedFaultKind::AddressLine:
        case SimulatedFaultKind::StatusLine:
            fault.line = fields[0];
            fault.level = fields[1];
            break;
        case SimulatedFaultKind::BoardAbsent:
            break;
    }
    return fault;
}

}  // namespace

std::optional<SimulatedFault> parseSimulatedFault(std::string_view text) {
    for (const FaultForm& form : faultForms()) {
        if (!text.starts_with(form.keyword)) {
            continue;
        }
        const auto fields = readFields(text.substr(form.keyword.size()), form.maxima);
        if (!fields) {
            return std::nullopt;
        }
        SimulatedFault fault = faultOf(form.kind, *fields);
        if (fault.kind == SimulatedFaultKind::StatusLine && fault.line < kFirstStatusLine) {
            return std::nullopt;
        }
        return fault;
    }
    return std::nullopt;
}

int injectSimulatedFault(const SimulatorControl& board, const SimulatedFault& fault) {
    const auto line = static_cast<int>(fault.line);
    const auto level = static_cast<int>(fault.level);
    switch (fault.kind) {
        case SimulatedFaultKind::StuckBit:
            return board.faultStuckBit(fault.address, line, level);
        case SimulatedFaultKind::DataLine:
            return board.faultDataLine(line, level);
        case SimulatedFaultKind::AddressLine:
            return board.faultAddressLine(line, level);
        case SimulatedFaultKind::IntermittentBit:
            return board.faultIntermittentBit(line, fault.seed);
        case SimulatedFaultKind::StatusLine:
            return board.faultStatusLine(line, level);
        case SimulatedFaultKind::BoardAbsent:
            return board.faultBoardAbsent();
    }
    return VXSIM_ERR_KIND;
}

}  // namespace veldrix
