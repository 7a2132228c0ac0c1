#include <gtest/gtest.h>

#include "SelectionFixture.h"
#include "catalog/AdvancedOptions.h"

namespace veldrix::test {
namespace {

// alguse lists algorithm 2 first: the list's items follow the chip's order.
constexpr const char* kAlphaConfig =
    "algdef=First\n"
    "Tpw=200\n"
    "Addr=20h\n"
    "algdef=Second\n"
    "Tpw=300\n"
    "chip=ONE\n"
    "size=512\n"
    "alguse=2,7,1\n";

// Rows of the test modules' key table.
enum Row { kWrAlg, kMode, kAddr, kCount, kTpw, kOdd };

class AdvancedOptionsTest : public SelectionFixture {
protected:
    AdvancedOptionsTest() {
        installModule("alpha", "alpha");
        writeConfig("alpha", kAlphaConfig);
    }

    void restoreAlpha() {
        selection.setSaved("alpha", "ONE");
        selection.runWithoutWindow();
        ASSERT_NE(block.keys, nullptr);
    }

    bool open() { return options.open(selection.appliedChip()); }

    AdvancedOptions options{block, caller, catalog, selection.algorithmKeys()};
};

TEST_F(AdvancedOptionsTest, WithoutModuleOrKeyTableThereAreNoOptions) {
    EXPECT_FALSE(open());
    installModule("beta", "beta");  // publishes no key table
    writeConfig("beta", "chip=B\nsize=64\n");
    selection.setSaved("beta", "B");
    selection.runWithoutWindow();
    EXPECT_FALSE(open());
    EXPECT_FALSE(options.isOpen());
    EXPECT_EQ(ui.statusMessages,
              (std::vector<std::string>{"No Advanced Options", "No Advanced Options"}));
}

TEST_F(AdvancedOptionsTest, RowsShowEveryKeyInTheFormOfItsKind) {
    restoreAlpha();
    ASSERT_TRUE(open());
    const std::vector<AdvancedOptionRow>& rows = options.rows();
    ASSERT_EQ(rows.size(), 6u);
    std::vector<std::string> labels;
    std::vector<std::string> texts;
    for (const AdvancedOptionRow& row : rows) {
        labels.push_back(row.label);
        texts.push_back(row.text);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"WrAlg (D)", "Mode (B)", "Addr (H)", "Count (d)",
                                                "Tpw (D)", "Odd (X)"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"", "101", "0x10", "7", "300", ""}));

    EXPECT_TRUE(rows[kWrAlg].algorithmList);
    EXPECT_EQ(rows[kWrAlg].controlRect, (DialogRect{70, 10, 120, 71}));
    EXPECT_EQ(rows[kTpw].labelRect, (DialogRect{10, 62, 60, 73}));
    EXPECT_EQ(rows[kTpw].controlRect, (DialogRect{70, 62, 120, 73}));
    EXPECT_EQ(rows[kTpw].name, "Tpw");
    EXPECT_FALSE(rows[kCount].enabled);
    EXPECT_TRUE(rows[kOdd].enabled);

    // Entry 7 names no algorithm of the file and is left out.
    ASSERT_EQ(options.algorithmItems().size(), 2u);
    EXPECT_EQ(options.algorithmItems()[0].name, "Second");
    EXPECT_EQ(options.algorithmItems()[1].name, "First");
    EXPECT_EQ(options.algorithmSelection(), 0u);
}

TEST_F(AdvancedOptionsTest, DefaultAlgorithmHidesTheListRowOnly) {
    restoreAlpha();
    block.wralg = 255;
    ASSERT_TRUE(open());
    ASSERT_EQ(options.rows().size(), 5u);
    EXPECT_EQ(options.rows()[0].label, "Mode (B)");
    EXPECT_EQ(options.rows()[0].keyIndex, 1u);
    EXPECT_EQ(options.rows()[0].labelRect.top, 23);
}

TEST_F(AdvancedOptionsTest, ChoosingAnAlgorithmThenCancelRestoresEverything) {
    restoreAlpha();
    ASSERT_TRUE(open());
    options.chooseAlgorithm(1);  // "First", algorithm 1
    EXPECT_EQ(block.wralg, 1);
    EXPECT_EQ(block.keys[kTpw].value, 200u);
    EXPECT_EQ(block.keys[kWrAlg].value, 1u);
    EXPECT_EQ(options.rows()[kTpw].text, "200");
    EXPECT_EQ(options.rows()[kAddr].text, "0x20");
    EXPECT_EQ(options.algorithmSelection(), 1u);

    options.cancel();
    EXPECT_FALSE(options.isOpen());
    EXPECT_EQ(block.wralg, 2);
    EXPECT_EQ(block.keys[kTpw].value, 300u);
    EXPECT_EQ(block.keys[kAddr].value, 0x10u);
    EXPECT_EQ(block.keys[kWrAlg].value, 2u);
}

TEST_F(AdvancedOptionsTest, OkReadsEditsByKindAndTellsTheModule) {
    restoreAlpha();
    const std::size_t callsBefore = records("alpha").size();
    ASSERT_TRUE(open());
    EXPECT_TRUE(options.setEditText(kMode, "1111"));
    EXPECT_TRUE(options.setEditText(kAddr, "FFh"));
    EXPECT_TRUE(options.setEditText(kTpw, "0x1F"));
    EXPECT_TRUE(options.setEditText(kOdd, "42"));  // a kind that takes no typed value
    EXPECT_FALSE(options.setEditText(kCount, "99"));
    EXPECT_FALSE(options.setEditText(kWrAlg, "1"));
    EXPECT_EQ(options.accept(), std::nullopt);

    EXPECT_FALSE(options.isOpen());
    EXPECT_EQ(block.keys[kMode].value, 15u);
    EXPECT_EQ(block.keys[kAddr].value, 255u);
    EXPECT_EQ(block.keys[kTpw].value, 31u);
    EXPECT_EQ(block.keys[kCount].value, 7u);
    EXPECT_EQ(block.keys[kOdd].value, 3u);
    EXPECT_EQ(block.keys[kWrAlg].value, 2u);

    const std::vector<tm_record> calls = records("alpha");
    ASSERT_EQ(calls.size(), callsBefore + 1);
    EXPECT_EQ(calls.back().funcode, DD_FN_SELECT);
    EXPECT_EQ(calls.back().subfcode, 1);
    EXPECT_EQ(calls.back().keyValues[kMode], 15u);
}

TEST_F(AdvancedOptionsTest, HexadecimalEditAcceptsEveryNumberForm) {
    restoreAlpha();
    for (const char* text : {"255", "0xFF", "FFh", "$FF"}) {
        ASSERT_TRUE(open());
        ASSERT_TRUE(options.setEditText(kAddr, text));
        EXPECT_EQ(options.accept(), std::nullopt);
        EXPECT_EQ(block.keys[kAddr].value, 255u) << text;
        block.keys[kAddr].value = 0;
    }
}

// Malformed, too large, or not binary for a binary key: OK is refused for
// the first such row and no key changes, the good ones included; corrected,
// the same dialog is accepted.
TEST_F(AdvancedOptionsTest, ATextThatIsNoValueOfItsKeyRefusesOkAndAppliesNothing) {
    restoreAlpha();
    const std::size_t callsBefore = records("alpha").size();
    struct Case {
        Row row;
        const char* text;
    };
    for (const Case c : {Case{kTpw, "1Z"}, Case{kTpw, ""}, Case{kTpw, "4294967296"},
                         Case{kAddr, "1FFFFFFFFh"}, Case{kMode, "12"}, Case{kMode, "0x3"}}) {
        ASSERT_TRUE(open());
        ASSERT_TRUE(options.setEditText(kAddr, "0x44"));
        ASSERT_TRUE(options.setEditText(c.row, c.text));
        const std::optional<RefusedKeyValue> refused = options.accept();
        ASSERT_TRUE(refused.has_value()) << c.text;
        EXPECT_EQ(refused->row, static_cast<std::size_t>(c.row));
        EXPECT_NE(refused->message.find(options.rows()[c.row].label), std::string::npos);
        EXPECT_TRUE(options.isOpen());
        EXPECT_EQ(block.keys[kAddr].value, 0x10u) << c.text;
        EXPECT_EQ(block.keys[kTpw].value, 300u);
        EXPECT_EQ(block.keys[kMode].value, 5u);
        options.cancel();
    }
    EXPECT_EQ(records("alpha").size(), callsBefore);

    ASSERT_TRUE(open());
    ASSERT_TRUE(options.setEditText(kTpw, "1Z"));
    ASSERT_TRUE(options.accept().has_value());
    ASSERT_TRUE(options.setEditText(kTpw, "4294967295"));
    EXPECT_EQ(options.accept(), std::nullopt);
    EXPECT_EQ(block.keys[kTpw].value, 4294967295u);
    EXPECT_EQ(records("alpha").size(), callsBefore + 1);
}

// A module whose table cannot be written: values stay and the failure is
// reported, the program goes on.
TEST_F(AdvancedOptionsTest, ReadOnlyTableIsReportedNotFatal) {
    installModule("epsilon", "epsilon");
    writeConfig("epsilon", "chip=E\nsize=64\n");
    selection.setSaved("epsilon", "E");
    selection.runWithoutWindow();
    EXPECT_EQ(ui.statusMessages.back(), "algorytms not define");
    ASSERT_TRUE(open());
    ASSERT_TRUE(options.setEditText(kMode, "1"));
    EXPECT_EQ(options.accept(), std::nullopt);
    EXPECT_EQ(block.keys[kMode].value, 0u);
    EXPECT_EQ(ui.statusMessages.back(), "cfgkey not define");
}

TEST_F(AdvancedOptionsTest, UnmappedTableIsReportedNotFatal) {
    installModule("delta", "delta");
    writeConfig("delta", "chip=D\nsize=64\n");
    selection.setSaved("delta", "D");
    selection.runWithoutWindow();
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"SetDefAlg ERR", "cfgkey not define",
                                                           "cfgkey not define"}));
    EXPECT_FALSE(open());
    EXPECT_EQ(ui.statusMessages.back(), "No Advanced Options");
}

}  // namespace
}  // namespace veldrix::test
