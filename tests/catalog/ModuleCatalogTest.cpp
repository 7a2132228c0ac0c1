#include <gtest/gtest.h>

#include <string>

#include "catalog/ModuleCatalog.h"

namespace veldrix {
namespace {

TEST(ModuleCatalog, NumbersRecordsFromOneAndGivesTheDefaultAlgorithmAt255) {
    ModuleCatalog catalog;
    catalog.addChip().name.assign("first");
    catalog.addChip().name.assign("second");
    catalog.addAlgorithm().name.assign("A");

    EXPECT_EQ(catalog.chip(0), nullptr);
    EXPECT_EQ(catalog.chip(1)->name.view(), "first");
    EXPECT_EQ(catalog.chip(2)->name.view(), "second");
    EXPECT_EQ(catalog.chip(3), nullptr);
    EXPECT_EQ(catalog.chip(255), nullptr);

    EXPECT_EQ(catalog.algorithm(0), nullptr);
    EXPECT_EQ(catalog.algorithm(1)->name.view(), "A");
    EXPECT_EQ(catalog.algorithm(2), nullptr);
    EXPECT_EQ(catalog.algorithm(254), nullptr);
    EXPECT_EQ(catalog.algorithm(ModuleCatalog::kDefaultAlgorithmNumber),
              &catalog.defaultAlgorithm());
    EXPECT_TRUE(catalog.defaultAlgorithm().name.empty());
    EXPECT_EQ(catalog.algorithm(256), nullptr);
}

TEST(ModuleCatalog, NewChipHasTheDescriptionDefaults) {
    ModuleCatalog catalog;
    const ChipDescription& chip = catalog.addChip();
    EXPECT_TRUE(chip.name.empty());
    EXPECT_TRUE(chip.mfr.empty());
    EXPECT_EQ(chip.size, 0u);
    EXPECT_EQ(chip.vcc, 50);
    EXPECT_EQ(chip.vpp, 120);
    EXPECT_EQ(chip.vid, 120);
    EXPECT_EQ(chip.width, 8);
    for (const auto entry : chip.alguse) {
        EXPECT_EQ(entry, 0);
    }
}

TEST(ModuleCatalog, ClearKeepsOnlyTheDefaultAlgorithm) {
    ModuleCatalog catalog;
    catalog.addChip();
    catalog.addAlgorithm().params.add("Tpw", 1);
    catalog.defaultAlgorithm().params.add("Tpw", 2);
    catalog.clear();
    EXPECT_EQ(catalog.chipCount(), 0u);
    EXPECT_EQ(catalog.algorithmCount(), 0u);
    EXPECT_EQ(catalog.chip(1), nullptr);
    EXPECT_EQ(catalog.algorithm(1), nullptr);
    ASSERT_NE(catalog.defaultAlgorithm().params.find("Tpw"), nullptr);
    EXPECT_EQ(catalog.defaultAlgorithm().params.find("Tpw")->value, 2u);

    catalog.defaultAlgorithm().params.clear();
    EXPECT_TRUE(catalog.defaultAlgorithm().params.empty());
}

TEST(CfgParamList, FindsTheNewestOfLikeNamedParametersWithCase) {
    CfgParamList params;
    params.add("Tpw", 1);
    params.add("tpw", 2);
    params.add("Tpw", 3);
    ASSERT_NE(params.find("Tpw"), nullptr);
    EXPECT_EQ(params.find("Tpw")->value, 3u);
    EXPECT_EQ(params.find("tpw")->value, 2u);
    EXPECT_EQ(params.find("TPW"), nullptr);
    EXPECT_EQ(params.find("Tp"), nullptr);
    EXPECT_EQ(params.size(), 3u);
    EXPECT_EQ(CfgParamList().find("Tpw"), nullptr);
}

TEST(CfgParamList, NamesAreCutToFifteenCharacters) {
    CfgParamList params;
    params.add("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 7);
    EXPECT_EQ(params.find("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), nullptr);
    ASSERT_NE(params.find("ABCDEFGHIJKLMNO"), nullptr);
    EXPECT_EQ(params.find("ABCDEFGHIJKLMNO")->value, 7u);
}

TEST(NameField, KeepsAtMostFifteenCharactersAndStaysNulTerminated) {
    NameField name;
    name.assign(std::string(40, 'x'));
    EXPECT_EQ(name.view(), std::string(15, 'x'));
    EXPECT_EQ(std::string(name.c_str()), std::string(15, 'x'));
    name.assign("ab");
    EXPECT_EQ(name.view(), "ab");  // nothing of the longer name is left behind
    EXPECT_EQ(name.c_str()[3], '\0');
}

TEST(NameField, PrintableAssignmentEndsAtControlOrHighBytes) {
    NameField name;
    using namespace std::string_literals;
    for (const std::string& text :
         {"27C\x1F"s + "64", "27C\x80"s + "64", "27C\xFF"s + "64", "27C\0"s + "64"}) {
        name.assignPrintable(text);
        EXPECT_EQ(name.view(), "27C");
    }
    name.assignPrintable(std::string(30, '~'));
    EXPECT_EQ(name.view(), std::string(15, '~'));
}

}  // namespace
}  // namespace veldrix
