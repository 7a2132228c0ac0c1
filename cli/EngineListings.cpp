#include "EngineListings.h"

#include <QJsonArray>
#include <cstdio>

#include "core/HardwareFamilies.h"
#include "core/VoltageTable.h"

namespace veldrix::cli {
namespace {

QJsonValue text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QJsonArray portKinds(std::uint16_t mask) {
    QJsonArray kinds;
    if (mask & kPortParallel) {
        kinds.append("parallel");
    }
    if (mask & kPortSerial) {
        kinds.append("serial");
    }
    if (mask & kPortUsb) {
        kinds.append("usb");
    }
    return kinds;
}

std::string hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

}  // namespace

Listing familyListing(unsigned current) {
    Listing listing({"index", "title", "dir", "entry", "ports", "current"});
    for (unsigned index = 0; index < kHardwareFamilyCount; ++index) {
        const HardwareFamily& row = hardwareFamilies()[index];
        listing.addRow({static_cast<int>(index), text(row.title), text(row.dir), text(row.entry),
                        portKinds(row.portmask), index == current});
    }
    return listing;
}

Listing portListing(const PortList& ports, std::uint16_t portmask) {
    Listing listing({"label", "kind", "address", "device", "current"});
    const PortRecord* current = &ports.current();
    for (const PortRecord& entry : ports.entries()) {
        if ((entry.kind & portmask) == 0) {
            continue;
        }
        const QJsonArray kinds = portKinds(entry.kind);
        listing.addRow({text(entry.label), kinds.isEmpty() ? QJsonValue() : kinds.first(),
                        text(hex(entry.address, 4)), text(entry.name), &entry == current});
    }
    return listing;
}

Listing moduleListing(const std::vector<std::string>& names, const std::string& current) {
    Listing listing({"name", "current"});
    for (const std::string& name : names) {
        listing.addRow({text(name), name == current});
    }
    return listing;
}

Listing chipListing(const ModuleCatalog& catalog) {
    Listing listing(
        {"number", "name", "mfr", "size", "width", "vcc", "vpp", "vid", "alguse", "params"});
    for (std::size_t number = 1; number <= catalog.chipCount(); ++number) {
        const ChipDescription& chip = *catalog.chip(number);
        QJsonArray algorithms;
        for (const std::uint8_t used : chip.alguse) {
            if (used != 0) {
                algorithms.append(used);
            }
        }
        QJsonArray params;
        for (const CfgParam& param : chip.params) {
            params.append(text(std::string(param.name.view()) + "=" + std::to_string(param.value)));
        }
        listing.addRow({static_cast<int>(number), text(chip.name.view()), text(chip.mfr.view()),
                        static_cast<qint64>(chip.size), chip.width, text(voltageText(chip.vcc)),
                        text(voltageText(chip.vpp)), text(voltageText(chip.vid)), algorithms,
                        params});
    }
    return listing;
}

Listing algorithmListing(const AdvancedOptions& options) {
    Listing listing({"number", "name", "selected"});
    const auto selected = options.algorithmSelection();
    const auto& items = options.algorithmItems();
    for (std::size_t item = 0; item < items.size(); ++item) {
        listing.addRow({items[item].number, text(items[item].name), selected == item});
    }
    return listing;
}

Listing keyListing(const AdvancedOptions& options) {
    Listing listing({"name", "kind", "editable", "value"});
    for (const AdvancedOptionRow& row : options.rows()) {
        if (row.algorithmList) {
            continue;  // the algorithm has its own listing
        }
        listing.addRow(
            {text(row.name), text(std::string(1, row.kind)), row.enabled, text(row.text)});
    }
    return listing;
}

}  // namespace veldrix::cli
