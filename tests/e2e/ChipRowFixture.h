#pragma once
// One chip row of one module, in the simulated socket behind the real driver:
// the module identified and the chip selected as the program does it.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "ChipModule.h"
#include "RandomImage.h"
#include "RecordingCallBlock.h"
#include "SimulatedRig.h"

namespace veldrix::test {

struct ChipRow {
    std::string module;
    std::uint32_t size;
};

// Keeps test listings readable instead of dumping the record's bytes.
inline void PrintTo(const ChipRow& row, std::ostream* out) {
    *out << row.module << " " << row.size;
}

inline std::string chipRowName(const testing::TestParamInfo<ChipRow>& info) {
    return info.param.module + "_" + std::to_string(info.param.size);
}

class ChipRowFixture : public testing::TestWithParam<ChipRow> {
protected:
    void SetUp() override {
        ASSERT_EQ(rig.problem(), "");
        ASSERT_TRUE(module.loaded()) << module.loadError();
        module.restoreInitialValues();
        rig.attach(host);
        ASSERT_EQ(module.identify(host.block), DD_OK);
        // The voltages of the shipped configuration files.
        host.block.vcc = 50;
        host.block.vpp = 120;
        host.block.vid = row.module == "thalia" ? 140 : 120;
        host.block.checkwr = 1;
        ASSERT_EQ(module.select(host.block, row.size), DD_OK);
        ASSERT_EQ(rig.insertErased(row.module, row.size), VXSIM_OK);
        host.buffer.assign(row.size, 0xFF);
    }

    std::int32_t run(std::uint16_t code) { return module.call(host.block, code); }

    const ChipRow& row = GetParam();
    const SimulatedRig& rig = SimulatedRig::instance();
    ChipModule& module =
        ChipModule::at(std::string(VELDRIX_TEST_MODULE_DIR) + "/" + GetParam().module + ".so");
    RecordingCallBlock host;
};

}  // namespace veldrix::test
