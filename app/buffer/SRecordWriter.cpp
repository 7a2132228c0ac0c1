#include "buffer/SRecordWriter.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "buffer/RecordLineBuilder.h"

namespace veldrix {

namespace {

constexpr std::size_t kBytesPerRecord = 16;

// The data and end record types for each address width.
struct AddressWidth {
    std::size_t bytes;
    std::string_view dataType;
    std::string_view endType;
};

constexpr AddressWidth kWidths[] = {{2, "S1", "S9"}, {3, "S2", "S8"}, {4, "S3", "S7"}};

// The count record types, by the width of the count they hold; a count
// wider than S6 takes is left out, as the count record is optional.
struct CountType {
    std::size_t bytes;
    std::string_view type;
};

constexpr CountType kCountTypes[] = {{2, "S5"}, {3, "S6"}};

[[nodiscard]] bool fitsIn(std::uint64_t value, std::size_t bytes) noexcept {
    return value >> (8 * bytes) == 0;
}

void appendRecord(std::string& out, std::string_view type, std::size_t addressBytes,
                  std::uint64_t address, std::span<const std::uint8_t> data) {
    RecordLineBuilder record(type);
    record.add(static_cast<std::uint8_t>(addressBytes + data.size() + 1));
    for (std::size_t i = addressBytes; i-- > 0;) {
        record.add(static_cast<std::uint8_t>(address >> (8 * i)));
    }
    record.add(data);
    record.add(static_cast<std::uint8_t>(~record.sum()));
    record.appendLineTo(out);
}

}  // namespace

std::string writeSRecord(std::span<const std::uint8_t> image) {
    const std::uint64_t lastAddress = image.empty() ? 0 : image.size() - 1;
    const AddressWidth& width = *std::find_if(
        std::begin(kWidths), std::end(kWidths) - 1,
        [&](const AddressWidth& candidate) { return fitsIn(lastAddress, candidate.bytes); });

    const std::size_t records = (image.size() + kBytesPerRecord - 1) / kBytesPerRecord;
    std::string text;
    // Type, and per byte two digits: count, address, data, checksum; CR LF.
    text.reserve((records + 3) * (2 + 2 * (1 + width.bytes + kBytesPerRecord + 1) + 2));

    appendRecord(text, "S0", 2, 0, {});
    for (std::size_t address = 0; address < image.size(); address += kBytesPerRecord) {
        const std::size_t length = std::min(kBytesPerRecord, image.size() - address);
        appendRecord(text, width.dataType, width.bytes, address, image.subspan(address, length));
    }
    for (const CountType& count : kCountTypes) {
        if (fitsIn(records, count.bytes)) {
            appendRecord(text, count.type, count.bytes, records, {});
            break;
        }
    }
    appendRecord(text, width.endType, width.bytes, 0, {});
    return text;
}

}  // namespace veldrix
