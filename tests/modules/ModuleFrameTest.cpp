// What every chip family module shares: identify, the interface level and its
// capability flags, codes it does not implement, the key table it publishes,
// and that nothing a callback does makes dmain throw.

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "ModuleEntry.h"
#include "RecordingCallBlock.h"
#include "ShippedModule.h"

namespace {

using veldrix::test::ChipModule;
using veldrix::test::RecordingCallBlock;
using veldrix::test::shippedModule;

struct ModuleTraits {
    std::string name;
    std::uint8_t version;
    std::uint32_t chipSize;                     // a size the module accepts
    std::vector<std::uint16_t> notImplemented;  // besides 6 and codes above 12
    std::vector<unsigned> flagsAfterSelect;
    struct Key {
        char kind;
        const char* name;
        std::uint32_t value, defval, limit;
    };
    std::vector<Key> keys;
};

std::string traitsName(const testing::TestParamInfo<ModuleTraits>& info) {
    return info.param.name;
}

const ModuleTraits kModules[] = {
    {"urania",
     6,
     128,
     {DD_FN_BLANK_CHECK, DD_FN_ERASE, DD_FN_READ_ID, DD_FN_TEST, DD_FN_LOCK, DD_FN_UNLOCK,
      DD_FN_CONFIGURATION},
     {DD_FN_SELECT, DD_FN_READ, DD_FN_COMPARE, DD_FN_WRITE},
     {{'d', "CHIPCODE", 0, 0, 0}, {'D', "CDELAY", 5, 0, 0}}},
    {"calypso",
     7,
     32768,
     {DD_FN_LOCK, DD_FN_UNLOCK, DD_FN_CONFIGURATION},
     {DD_FN_SELECT, DD_FN_READ, DD_FN_COMPARE, DD_FN_BLANK_CHECK, DD_FN_WRITE, DD_FN_ERASE,
      DD_FN_READ_ID},
     {{'D', "WrAlg", 0, 0, 10},
      {'D', "Vccp", 50, 50, 70},
      {'D', "Vccv", 45, 45, 60},
      {'D', "Tpw", 100, 100, 50000},
      {'D', "Nnum", 25, 25, 50},
      {'d', "Nmul", 1, 1, 1000}}},
    {"thalia",
     7,
     65536,
     {DD_FN_TEST, DD_FN_LOCK, DD_FN_UNLOCK, DD_FN_CONFIGURATION},
     {DD_FN_SELECT, DD_FN_READ, DD_FN_COMPARE, DD_FN_BLANK_CHECK, DD_FN_WRITE, DD_FN_ERASE,
      DD_FN_READ_ID},
     {{'D', "tppw", 50, 50, 100000},
      {'D', "tepw1", 50, 50, 100000},
      {'D', "tepw2", 100000, 100000, 1000000},
      {'D', "erase", 1, 1, 1}}},
};

class ModuleFrameTest : public testing::TestWithParam<ModuleTraits> {
protected:
    void SetUp() override {
        ASSERT_TRUE(module.loaded()) << module.loadError();
        module.restoreInitialValues();
    }

    [[nodiscard]] std::vector<unsigned> flagsSet() const {
        std::vector<unsigned> set;
        for (unsigned f = 0; f < DD_FUNCS_COUNT; ++f) {
            if (host.block.funcs[f] != 0) {
                set.push_back(f);
            }
        }
        return set;
    }

    const ModuleTraits& traits = GetParam();
    ChipModule& module = shippedModule(GetParam().name);
    RecordingCallBlock host;
};

TEST_P(ModuleFrameTest, IdentifyDescribesTheModule) {
    host.block.blank = 0;
    ASSERT_EQ(module.identify(host.block), DD_OK);
    EXPECT_EQ(host.block.blank, 255u);
    EXPECT_EQ(host.block.version, traits.version);
    ASSERT_NE(host.block.about, nullptr);
    EXPECT_NE(std::string(host.block.about).find(traits.name), std::string::npos);
    EXPECT_EQ(host.block.keys, module.keys());
    EXPECT_TRUE(host.events.empty()) << "identify must not touch the board";
}

TEST_P(ModuleFrameTest, KeyTablePublishesItsInitialNumbers) {
    const auto& expected = traits.keys;
    const CfgKey* keys = module.keys();
    ASSERT_NE(keys, nullptr);
    std::size_t i = 0;
    for (; keys[i].kind != 0; ++i) {
        ASSERT_LT(i, expected.size()) << "more keys than expected";
        SCOPED_TRACE(expected[i].name);
        ASSERT_NE(std::memchr(keys[i].name, 0, sizeof keys[i].name), nullptr);
        EXPECT_STREQ(keys[i].name, expected[i].name);
        EXPECT_EQ(keys[i].kind, expected[i].kind);
        EXPECT_EQ(module.initialValues()[i], expected[i].value);
        EXPECT_EQ(keys[i].defval, expected[i].defval);
        EXPECT_EQ(keys[i].limit, expected[i].limit);
    }
    EXPECT_EQ(i, expected.size());
}

TEST_P(ModuleFrameTest, CapabilityFlagsFollowTheInterfaceLevel) {
    ASSERT_EQ(module.identify(host.block), DD_OK);
    if (traits.version <= 6) {
        // Set at identify, kept for every chip: the program does not clear them.
        EXPECT_EQ(flagsSet(), traits.flagsAfterSelect);
        ASSERT_EQ(module.select(host.block, traits.chipSize), DD_OK);
        EXPECT_EQ(flagsSet(), traits.flagsAfterSelect);
    } else {
        // Cleared by the program after identify: only selection sets them.
        EXPECT_TRUE(flagsSet().empty());
        ASSERT_EQ(module.select(host.block, traits.chipSize), DD_OK);
        EXPECT_EQ(flagsSet(), traits.flagsAfterSelect);
    }
}

TEST_P(ModuleFrameTest, UnimplementedCodesLeaveTheBlockUntouched) {
    ASSERT_EQ(module.identify(host.block), DD_OK);
    ASSERT_EQ(module.select(host.block, traits.chipSize), DD_OK);
    std::vector<std::uint16_t> codes = traits.notImplemented;
    codes.insert(codes.end(), {6, 13, 15, 16, 0x100, 0xFFFF});
    for (const std::uint16_t code : codes) {
        SCOPED_TRACE(code);
        host.block.funcode = code;
        const dlldata before = host.block;
        ASSERT_EQ(module.call(host.block, code), DD_NOT_IMPLEMENTED);
        EXPECT_EQ(std::memcmp(&before, &host.block, sizeof before), 0);
    }
    EXPECT_TRUE(host.events.empty());
}

TEST_P(ModuleFrameTest, NullBlockIsRefused) {
    const auto entry = module.entry();
    EXPECT_EQ(entry(nullptr), DD_NOT_IMPLEMENTED);
}

TEST_P(ModuleFrameTest, ThrowingCallbackIsContainedAndTheBoardReset) {
    ASSERT_EQ(module.identify(host.block), DD_OK);
    ASSERT_EQ(module.select(host.block, traits.chipSize), DD_OK);
    host.buffer.assign(traits.chipSize, 0xFF);
    int words = 0;
    host.port = [&](std::uint16_t) -> std::uint8_t {
        if (++words == 20) {
            throw std::runtime_error("port gone");
        }
        return 0xFF;
    };
    EXPECT_EQ(module.call(host.block, DD_FN_READ), veldrix::module::kHostFault);
    const auto bus = host.busWords();
    ASSERT_FALSE(bus.empty());
    EXPECT_EQ(bus.back(), 0x0000);
    const auto progress = host.eventsOf(RecordingCallBlock::Kind::Progress);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().b, DD_PROGRESS_CLOSE);
}

TEST_P(ModuleFrameTest, MissingDriverMeansNoOperationRuns) {
    ASSERT_EQ(module.identify(host.block), DD_OK);
    ASSERT_EQ(module.select(host.block, traits.chipSize), DD_OK);
    host.block.bdport = nullptr;
    EXPECT_EQ(module.call(host.block, DD_FN_READ), DD_NO_MATCHING_CHIP);
    EXPECT_TRUE(host.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Modules, ModuleFrameTest, testing::ValuesIn(kModules), traitsName);

// urania and calypso pick a row by size; thalia takes any chip.
class ChipRowSelectionTest : public testing::TestWithParam<std::string> {
protected:
    ChipModule& module = shippedModule(GetParam());
    RecordingCallBlock host;
};

TEST_P(ChipRowSelectionTest, UnknownSizeSelectsNothingAndOperationsRefuse) {
    ASSERT_TRUE(module.loaded()) << module.loadError();
    ASSERT_EQ(module.identify(host.block), DD_OK);
    ASSERT_EQ(module.select(host.block, 64), DD_NO_MATCHING_CHIP);
    for (const std::uint16_t code : {DD_FN_READ, DD_FN_COMPARE, DD_FN_WRITE}) {
        EXPECT_EQ(module.call(host.block, code), DD_NO_MATCHING_CHIP) << code;
    }
    EXPECT_TRUE(host.events.empty()) << "no bus word without a chip row";
    if (host.block.version > 6) {
        for (int f = 0; f < DD_FUNCS_COUNT; ++f) {
            EXPECT_EQ(host.block.funcs[f], 0) << f;
        }
    }
}

TEST_P(ChipRowSelectionTest, AFailedSelectionForgetsThePreviousRow) {
    ASSERT_TRUE(module.loaded()) << module.loadError();
    ASSERT_EQ(module.identify(host.block), DD_OK);
    ASSERT_EQ(module.select(host.block, GetParam() == "calypso" ? 32768 : 32), DD_OK);
    ASSERT_EQ(module.select(host.block, 3), DD_NO_MATCHING_CHIP);
    EXPECT_EQ(module.call(host.block, DD_FN_READ), DD_NO_MATCHING_CHIP);
    EXPECT_TRUE(host.busWords().empty());
}

INSTANTIATE_TEST_SUITE_P(Modules, ChipRowSelectionTest, testing::Values("urania", "calypso"));

}  // namespace
