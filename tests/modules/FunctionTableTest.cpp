// Each module's function table walked against the built module: every row's
// code is carried out and flagged as the row offers it, every other code is
// refused and never flagged. The flags a program shows can then only offer
// what the module does.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "CalypsoModule.h"
#include "RecordingCallBlock.h"
#include "ShippedModule.h"
#include "ThaliaModule.h"
#include "UraniaModule.h"

namespace {

using veldrix::module::FunctionRow;
using veldrix::module::ModuleDescription;
using veldrix::test::ChipModule;
using veldrix::test::RecordingCallBlock;
using veldrix::test::shippedModule;

// The one code between Write and Erase that names no operation.
constexpr std::uint16_t kUnassignedCode = 6;

struct TableCase {
    std::string name;
    const ModuleDescription* module;
    std::uint32_t chipSize;  // one the module accepts
};

std::string caseName(const testing::TestParamInfo<TableCase>& info) {
    return info.param.name;
}

class FunctionTableTest : public testing::TestWithParam<TableCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(built.loaded()) << built.loadError();
        built.restoreInitialValues();
        ASSERT_EQ(built.identify(host.block), DD_OK);
        ASSERT_EQ(built.select(host.block, GetParam().chipSize), DD_OK);
    }
    void TearDown() override { built.restoreInitialValues(); }

    // The built module's own key that decides a row's flag; null for a
    // fixed flag. The table in this program points at this program's copy.
    [[nodiscard]] CfgKey* builtKey(const FunctionRow& row) const {
        const CfgKey* key = row.offer.key();
        return key == nullptr ? nullptr : built.key(key->name);
    }

    const ModuleDescription& table = *GetParam().module;
    ChipModule& built = shippedModule(GetParam().name);
    RecordingCallBlock host;
};

TEST_P(FunctionTableTest, RowsAreDistinctOperationsTheProgramCanSend) {
    std::set<std::uint16_t> codes;
    for (const FunctionRow& row : table.functions) {
        SCOPED_TRACE(row.code);
        EXPECT_TRUE(codes.insert(row.code).second) << "listed twice";
        EXPECT_GE(row.code, DD_FN_READ);
        EXPECT_LE(row.code, DD_FN_CONFIGURATION);
        EXPECT_NE(row.code, kUnassignedCode);
        EXPECT_NE(row.run, nullptr);
        if (const CfgKey* key = row.offer.key()) {
            EXPECT_NE(builtKey(row), nullptr) << key->name << " is not in the key table";
        }
    }
}

TEST_P(FunctionTableTest, FlagsAreExactlyWhatTheRowsOffer) {
    EXPECT_NE(host.block.funcs[DD_FN_SELECT], 0);
    EXPECT_EQ(host.block.funcs[DD_FN_IDENTIFY], 0);
    for (std::uint16_t code = DD_FN_READ; code < DD_FUNCS_COUNT; ++code) {
        SCOPED_TRACE(code);
        const FunctionRow* row = findFunction(table, code);
        if (row == nullptr) {
            EXPECT_EQ(host.block.funcs[code], 0);
        } else if (const CfgKey* key = builtKey(*row)) {
            EXPECT_EQ(host.block.funcs[code], static_cast<std::uint16_t>(key->value));
        } else {
            EXPECT_EQ(host.block.funcs[code], row->offer.flag());
        }
    }
}

TEST_P(FunctionTableTest, AKeyDecidedFlagFollowsItsKeyAtTheNextPublication) {
    for (const FunctionRow& row : table.functions) {
        CfgKey* key = builtKey(row);
        if (key == nullptr) {
            continue;
        }
        SCOPED_TRACE(key->name);
        for (const std::uint32_t value : {0u, 1u}) {
            key->value = value;
            ASSERT_EQ(built.select(host.block, GetParam().chipSize), DD_OK);
            EXPECT_EQ(host.block.funcs[row.code], value);
        }
    }
}

TEST_P(FunctionTableTest, EveryRowIsCarriedOutAndEveryOtherCodeRefused) {
    // Without a driver an operation stops before the board, so what answers
    // is the dispatch alone: "no chip" for a row, "not implemented" else.
    host.block.bdport = nullptr;
    for (std::uint16_t code = DD_FN_READ; code <= DD_FN_CONFIGURATION + 3; ++code) {
        SCOPED_TRACE(code);
        const bool inTable = findFunction(table, code) != nullptr;
        EXPECT_EQ(built.call(host.block, code), inTable ? DD_NO_MATCHING_CHIP : DD_NOT_IMPLEMENTED);
    }
    EXPECT_TRUE(host.events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Modules, FunctionTableTest,
    testing::Values(TableCase{"urania", &veldrix::urania::kUraniaModule, 128},
                    TableCase{"calypso", &veldrix::calypso::kCalypsoModule, 32768},
                    TableCase{"thalia", &veldrix::thalia::kThaliaModule, 65536}),
    caseName);

}  // namespace
