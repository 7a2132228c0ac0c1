#include "Simulator.h"

#include <cstdlib>
#include <cstring>

#include "ChipFactory.h"
#include "ContentStore.h"
#include "vxsim.h"

namespace veldrix::sim {

Simulator& Simulator::instance() {
    static Simulator simulator;
    return simulator;
}

Simulator::Simulator() : board_(clock_, trace_) {
    board_.onPowerLoss([this] { (void)saveChanged(); });
    if (const char* path = std::getenv("VELDRIX_SIM_TRACE"); path != nullptr && *path != '\0') {
        (void)trace_.open(path, clock_.nowNanoseconds());
    }
}

Simulator::~Simulator() {
    try {
        (void)saveChanged();
    } catch (...) {
        // Nothing can be reported while the driver unloads.
    }
}

int Simulator::insert(ChipKind kind, std::uint32_t size, const char* imagePath) {
    if (kind != ChipKind::Microwire && kind != ChipKind::Eeprom && kind != ChipKind::MuxEprom) {
        return VXSIM_ERR_KIND;
    }
    auto chip = makeChip(kind, size);
    if (!chip) {
        return VXSIM_ERR_SIZE;
    }
    // The old chip's contents first: the new one may be the same type and
    // must find them.
    (void)saveChanged();
    const std::filesystem::path file = contentFile(kind, size);
    if (imagePath != nullptr && *imagePath != '\0') {
        if (!readInto(imagePath, chip->memory().changeCells())) {
            return VXSIM_ERR_IMAGE;
        }
    } else if (!file.empty()) {
        (void)readInto(file, chip->memory().changeCells());
        chip->memory().markSaved();
    }
    board_.replaceChip(std::move(chip));
    board_.faults() = BoardFaults{};
    contentFile_ = file;
    trace_.note(std::string("insert ") + kindName(kind) + " " + std::to_string(size));
    return VXSIM_OK;
}

int Simulator::remove() {
    const bool saved = saveChanged();
    board_.replaceChip(nullptr);
    board_.faults() = BoardFaults{};
    contentFile_.clear();
    trace_.note("remove");
    return saved ? VXSIM_OK : VXSIM_ERR_IO;
}

int Simulator::save() {
    ChipModel* chip = board_.chip();
    if (chip == nullptr) {
        return VXSIM_ERR_EMPTY;
    }
    if (!writeContents(contentFile_, chip->memory().cells())) {
        return VXSIM_ERR_IO;
    }
    chip->memory().markSaved();
    return VXSIM_OK;
}

bool Simulator::saveChanged() {
    ChipModel* chip = board_.chip();
    if (chip == nullptr || !chip->memory().changed()) {
        return true;
    }
    if (!writeContents(contentFile_, chip->memory().cells())) {
        return false;
    }
    chip->memory().markSaved();
    return true;
}

int Simulator::checkRange(std::uint32_t address, std::uint64_t length) const {
    const ChipModel* chip = board_.chip();
    if (chip == nullptr) {
        return VXSIM_ERR_EMPTY;
    }
    return address + length > chip->size() ? VXSIM_ERR_RANGE : VXSIM_OK;
}

int Simulator::read(std::uint32_t address, std::uint8_t* bytes, std::uint32_t length) const {
    if (int result = checkRange(address, length); result != VXSIM_OK) {
        return result;
    }
    if (length > 0) {
        if (bytes == nullptr) {
            return VXSIM_ERR_RANGE;
        }
        std::memcpy(bytes, board_.chip()->memory().cells().data() + address, length);
    }
    return VXSIM_OK;
}

int Simulator::write(std::uint32_t address, const std::uint8_t* bytes, std::uint32_t length) {
    if (int result = checkRange(address, length); result != VXSIM_OK) {
        return result;
    }
    if (length > 0) {
        if (bytes == nullptr) {
            return VXSIM_ERR_RANGE;
        }
        std::memcpy(board_.chip()->memory().changeCells().data() + address, bytes, length);
    }
    return VXSIM_OK;
}

int Simulator::setIdentifier(std::uint8_t maker, std::uint8_t device) {
    ChipModel* chip = board_.chip();
    if (chip == nullptr) {
        return VXSIM_ERR_EMPTY;
    }
    return chip->setIdentifier(maker, device) ? VXSIM_OK : VXSIM_ERR_KIND;
}

int Simulator::checkDataLine(int bit, int level) const {
    if (board_.chip() == nullptr) {
        return VXSIM_ERR_EMPTY;
    }
    return bit < 0 || bit > 7 || (level != 0 && level != 1) ? VXSIM_ERR_RANGE : VXSIM_OK;
}

int Simulator::addStuckBit(std::uint32_t address, int bit, int level) {
    if (int result = checkRange(address, 1); result != VXSIM_OK) {
        return result;
    }
    if (int result = checkDataLine(bit, level); result != VXSIM_OK) {
        return result;
    }
    board_.chip()->memory().addStuckBit(address, static_cast<unsigned>(bit), level == 1);
    return VXSIM_OK;
}

int Simulator::addSlowCell(std::uint32_t address, std::uint32_t pulses) {
    if (int result = checkRange(address, 1); result != VXSIM_OK) {
        return result;
    }
    if (board_.chip()->kind() == ChipKind::Microwire) {
        return VXSIM_ERR_KIND;  // it has no programming pulses
    }
    board_.chip()->memory().addSlowCell(address, pulses);
    return VXSIM_OK;
}

int Simulator::setWriteTime(std::uint32_t microseconds) {
    ChipModel* chip = board_.chip();
    if (chip == nullptr) {
        return VXSIM_ERR_EMPTY;
    }
    return chip->setWriteTime(microseconds) ? VXSIM_OK : VXSIM_ERR_KIND;
}

int Simulator::holdDataLine(int bit, int level) {
    if (int result = checkDataLine(bit, level); result != VXSIM_OK) {
        return result;
    }
    board_.chip()->memory().readFaults().holdDataLine(static_cast<unsigned>(bit), level == 1);
    return VXSIM_OK;
}

int Simulator::holdAddressLine(int bit, int level) {
    ChipModel* chip = board_.chip();
    if (chip == nullptr) {
        return VXSIM_ERR_EMPTY;
    }
    // Only the lines the chip has: A0 up to the one below its size.
    const bool hasLine = bit >= 0 && bit < 32 && (std::uint64_t{1} << bit) < chip->size();
    if (!hasLine || (level != 0 && level != 1)) {
        return VXSIM_ERR_RANGE;
    }
    chip->memory().readFaults().holdAddressLine(static_cast<unsigned>(bit), level == 1);
    return VXSIM_OK;
}

int Simulator::makeBitIntermittent(int bit, std::uint32_t seed) {
    if (int result = checkDataLine(bit); result != VXSIM_OK) {
        return result;
    }
    board_.chip()->memory().readFaults().makeIntermittent(static_cast<unsigned>(bit), seed);
    return VXSIM_OK;
}

int Simulator::removeBoard() {
    board_.faults().absent = true;
    trace_.note("board removed from the port");
    return VXSIM_OK;
}

int Simulator::holdStatusLine(int line, int level) {
    // The port's five status inputs are bits 3 to 7.
    if (line < 3 || line > 7 || (level != 0 && level != 1)) {
        return VXSIM_ERR_RANGE;
    }
    board_.faults().holdStatusLine(static_cast<unsigned>(line), level == 1);
    return VXSIM_OK;
}

int Simulator::clearFaults() {
    board_.faults() = BoardFaults{};
    ChipModel* chip = board_.chip();
    if (chip == nullptr) {
        return VXSIM_OK;
    }
    chip->memory().clearFaults();
    chip->setWriteTime(VXSIM_MICROWIRE_WRITE_US);
    return VXSIM_OK;
}

int Simulator::openTrace(const char* path) {
    if (path == nullptr || *path == '\0') {
        return closeTrace();
    }
    return trace_.open(path, clock_.nowNanoseconds()) ? VXSIM_OK : VXSIM_ERR_IO;
}

int Simulator::closeTrace() {
    return trace_.close() ? VXSIM_OK : VXSIM_ERR_IO;
}

}  // namespace veldrix::sim
