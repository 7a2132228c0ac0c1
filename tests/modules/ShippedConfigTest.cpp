// The configuration files shipped beside the modules, read by the program's
// own reader from the build tree: every chip they list is one its module
// accepts, with the sizes, voltages and algorithms it needs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingCallBlock.h"
#include "ShippedModule.h"
#include "catalog/LoadModuleConfig.h"

namespace {

using testing::ElementsAreArray;
using veldrix::ModuleCatalog;
using veldrix::test::ChipModule;
using veldrix::test::RecordingCallBlock;
using veldrix::test::shippedModule;

struct ShippedFile {
    std::string module;
    std::vector<std::string> chips;  // in file order
    std::size_t algorithms;
};

std::string fileName(const testing::TestParamInfo<ShippedFile>& info) {
    return info.param.module;
}

const ShippedFile kFiles[] = {
    {"urania",
     {"NM93C06", "FM93C06", "93C46B", "AT93C46", "M93C46", "93C56B", "AT93C56", "93C66B", "AT93C66",
      "M93C66", "93C76", "M93C76", "93C86", "AT93C86"},
     1},
    {"calypso",
     {"W27E257", "W27C512", "W27E512", "SST27SF512", "W27C010", "SST27SF010", "W27C020",
      "SST27SF020", "W27C040"},
     2},
    {"thalia", {"W27C520", "W27E520"}, 0},
};

class ShippedConfigTest : public testing::TestWithParam<ShippedFile> {
protected:
    void SetUp() override {
        ASSERT_TRUE(veldrix::LoadModuleConfig(catalog, VELDRIX_TEST_MODULE_ROOT, "tessaro",
                                              GetParam().module));
    }

    ModuleCatalog catalog;
};

TEST_P(ShippedConfigTest, ListsTheExpectedChipsWithMakersAndVoltages) {
    std::vector<std::string> names;
    for (std::size_t k = 1; k <= catalog.chipCount(); ++k) {
        const auto* chip = catalog.chip(k);
        names.emplace_back(chip->name.view());
        SCOPED_TRACE(names.back());
        EXPECT_FALSE(chip->mfr.empty());
        EXPECT_EQ(chip->vcc, 50);
        EXPECT_GE(chip->vpp, 110) << "the simulated parts program from 11 V";
    }
    EXPECT_THAT(names, ElementsAreArray(GetParam().chips));
    EXPECT_EQ(catalog.algorithmCount(), GetParam().algorithms);
}

TEST_P(ShippedConfigTest, EveryChipIsAcceptedByItsModule) {
    ChipModule& module = shippedModule(GetParam().module);
    ASSERT_TRUE(module.loaded()) << module.loadError();
    RecordingCallBlock host;
    ASSERT_EQ(module.identify(host.block), DD_OK);
    for (std::size_t k = 1; k <= catalog.chipCount(); ++k) {
        const auto* chip = catalog.chip(k);
        SCOPED_TRACE(chip->name.c_str());
        EXPECT_EQ(module.select(host.block, chip->size), DD_OK);
        EXPECT_EQ(chip->width, GetParam().module == "urania" ? 16 : 8);
    }
}

TEST_P(ShippedConfigTest, AlgorithmUseNamesDefinedAlgorithms) {
    for (std::size_t k = 1; k <= catalog.chipCount(); ++k) {
        const auto* chip = catalog.chip(k);
        SCOPED_TRACE(chip->name.c_str());
        for (const std::uint8_t number : chip->alguse) {
            if (number != 0) {
                EXPECT_NE(catalog.algorithm(number), nullptr) << int{number};
            }
        }
        if (catalog.algorithmCount() > 0) {
            EXPECT_NE(chip->alguse[0], 0) << "each chip starts on a defined algorithm";
        }
    }
}

TEST(ShippedCalypsoConfig, AlgorithmsSetThePulseKeys) {
    ModuleCatalog catalog;
    ASSERT_TRUE(veldrix::LoadModuleConfig(catalog, VELDRIX_TEST_MODULE_ROOT, "tessaro", "calypso"));
    ASSERT_EQ(catalog.algorithmCount(), 2u);
    for (const std::size_t number : {1u, 2u}) {
        const auto* algorithm = catalog.algorithm(number);
        SCOPED_TRACE(algorithm->name.c_str());
        for (const char* key : {"Tpw", "Nnum", "Nmul", "Vccp"}) {
            EXPECT_NE(algorithm->params.find(key), nullptr) << key;
        }
    }
    EXPECT_LT(catalog.algorithm(1)->params.find("Tpw")->value,
              catalog.algorithm(2)->params.find("Tpw")->value);
}

INSTANTIATE_TEST_SUITE_P(Modules, ShippedConfigTest, testing::ValuesIn(kFiles), fileName);

}  // namespace
