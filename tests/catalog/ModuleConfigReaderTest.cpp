#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/ModuleConfigReader.h"

namespace veldrix {
namespace {

using namespace std::string_literals;
using AlgUse = std::array<std::uint8_t, ChipDescription::kAlgUseCount>;

struct Read {
    ModuleCatalog catalog;
    std::vector<std::string> messages;
};

Read parse(const std::string& text) {
    Read read;
    ParseModuleConfig(read.catalog, text,
                      [&](const std::string& m) { read.messages.push_back(m); });
    return read;
}

const ChipDescription& onlyChip(const Read& read) {
    EXPECT_EQ(read.catalog.chipCount(), 1u);
    static const ChipDescription none;
    const ChipDescription* chip = read.catalog.chip(1);
    return chip != nullptr ? *chip : none;
}

std::optional<std::uint32_t> param(const CfgParamList& params, std::string_view name) {
    const CfgParam* found = params.find(name);
    return found != nullptr ? std::optional(found->value) : std::nullopt;
}

TEST(ModuleConfigReader, ReadsChipsAndAlgorithmsInFileOrder) {
    const Read read = parse(
        "; parallel EPROMs\r\n"
        "\r\n"
        "algdef=Standard\r\n"
        "Tpw=1000\r\n"
        "Retries=25\r\n"
        "algdef=Fast\r\n"
        "Tpw=100\r\n"
        "chip=27C64\r\n"
        "mfr=Acme Semi\r\n"
        "size=8K\r\n"
        "vpp=125\r\n"
        "alguse=1,2\r\n"
        "chip=27C512\r\n"
        "size=0x10000\r\n"
        "vcc=60\r\n"
        "vid=130\r\n"
        "Tpw=50\r\n");
    const ModuleCatalog& catalog = read.catalog;
    ASSERT_EQ(catalog.chipCount(), 2u);
    ASSERT_EQ(catalog.algorithmCount(), 2u);

    const ChipDescription& first = *catalog.chip(1);
    EXPECT_EQ(first.name.view(), "27C64");
    EXPECT_EQ(first.mfr.view(), "Acme Semi");
    EXPECT_EQ(first.size, 8192u);
    EXPECT_EQ(first.width, 8);
    EXPECT_EQ(first.vcc, 50);
    EXPECT_EQ(first.vpp, 125);
    EXPECT_EQ(first.vid, 120);
    EXPECT_EQ(first.alguse, (AlgUse{1, 2}));
    EXPECT_TRUE(first.params.empty());

    const ChipDescription& second = *catalog.chip(2);
    EXPECT_EQ(second.name.view(), "27C512");
    EXPECT_TRUE(second.mfr.empty());
    EXPECT_EQ(second.size, 65536u);
    EXPECT_EQ(second.vcc, 60);
    EXPECT_EQ(second.vpp, 120);
    EXPECT_EQ(second.vid, 130);
    EXPECT_EQ(second.alguse, AlgUse{});
    EXPECT_EQ(param(second.params, "Tpw"), 50u);

    EXPECT_EQ(catalog.algorithm(1)->name.view(), "Standard");
    EXPECT_EQ(param(catalog.algorithm(1)->params, "Tpw"), 1000u);
    EXPECT_EQ(param(catalog.algorithm(1)->params, "Retries"), 25u);
    EXPECT_EQ(catalog.algorithm(2)->name.view(), "Fast");
    EXPECT_EQ(param(catalog.algorithm(2)->params, "Tpw"), 100u);
    EXPECT_TRUE(read.messages.empty());
}

TEST(ModuleConfigReader, SizeExpressions) {
    struct Case {
        const char* value;
        std::uint32_t size;
        std::uint8_t width;
    };
    const Case cases[] = {
        {"512", 512, 8},         {"0x8000", 32768, 8},   {"8000h", 32768, 8},   {"$8000", 32768, 8},
        {"32K", 32768, 8},       {"32k", 32768, 8},      {"1M", 1048576, 8},    {"2m", 2097152, 8},
        {"16384x16", 32768, 16}, {"8192X16", 16384, 16}, {"16Kx16", 16384, 8},  {"100x12", 200, 12},
        {"64x1", 64, 1},         {"1024x 4", 1024, 4},   {"junk", 0, 8},        {"x16", 0, 16},
        {"100x256", 3200, 0},    {"4194304K", 0, 8},     {"0x10 bytes", 16, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const Read read = parse("chip=C\r\nsize="s + c.value + "\r\n");
        const ChipDescription& chip = onlyChip(read);
        EXPECT_EQ(chip.size, c.size);
        EXPECT_EQ(chip.width, c.width);
        EXPECT_TRUE(chip.params.empty());
    }
}

TEST(ModuleConfigReader, VoltagesKeepTheirLowSixteenBits) {
    const Read read = parse("chip=C\r\nvcc=65586\r\nvpp=-1\r\nvid=bad\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.vcc, 50);
    EXPECT_EQ(chip.vpp, 65535);
    EXPECT_EQ(chip.vid, 0);
    EXPECT_TRUE(read.messages.empty());
}

TEST(ModuleConfigReader, TooLargeConstantIsReportedAndReadsAsItsLowBits) {
    const Read read = parse("chip=C\r\nvcc=4294967296\r\n");
    EXPECT_EQ(onlyChip(read).vcc, 0);
    EXPECT_EQ(read.messages,
              std::vector<std::string>{"numeric constant 4294967296 does not fit in 32 bits"});
}

TEST(ModuleConfigReader, OtherKeysBecomeScaledParameters) {
    const Read read = parse("chip=C\r\ndelay=10K\r\nbig=2M\r\nplain=0x20\r\nbad=1z\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.size, 0u);
    EXPECT_EQ(param(chip.params, "delay"), 10240u);
    EXPECT_EQ(param(chip.params, "big"), 2097152u);
    EXPECT_EQ(param(chip.params, "plain"), 32u);
    EXPECT_EQ(param(chip.params, "bad"), 0u);
    EXPECT_EQ(chip.params.size(), 4u);
}

TEST(ModuleConfigReader, BlankBeforeEqualsMakesAnotherKey) {
    const Read read = parse("chip=C\r\nsize =32K\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.size, 0u);
    EXPECT_EQ(param(chip.params, "size "), 32768u);
    EXPECT_EQ(param(chip.params, "size"), std::nullopt);
}

TEST(ModuleConfigReader, KeysIgnoreCase) {
    const Read read = parse("CHIP=C\r\nSize=1K\r\nVCC=33\r\nMfR=Acme\r\nAlgUse=2\r\nALGDEF=A\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.size, 1024u);
    EXPECT_EQ(chip.vcc, 33);
    EXPECT_EQ(chip.mfr.view(), "Acme");
    EXPECT_EQ(chip.alguse[0], 2);
    EXPECT_TRUE(chip.params.empty());
    EXPECT_EQ(read.catalog.algorithmCount(), 1u);
}

TEST(ModuleConfigReader, LfOnlyLineEndsReadAsCrLf) {
    const std::string lf =
        "algdef=Slow\nTpw=2K\nchip=W27E257\nmfr=Acme\nsize=32K\nvcc=50\nvpp=125\n"
        "alguse=1\nchip=27C64\nsize=8192x16\nmfr=Zeta";
    std::string crlf;
    for (const char c : lf) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    for (const std::string& text : {lf, crlf}) {
        const Read read = parse(text);
        ASSERT_EQ(read.catalog.chipCount(), 2u);
        const ChipDescription& first = *read.catalog.chip(1);
        EXPECT_EQ(first.name.view(), "W27E257");
        EXPECT_EQ(first.mfr.view(), "Acme");
        EXPECT_EQ(first.size, 32768u);
        EXPECT_EQ(first.vcc, 50);
        EXPECT_EQ(first.vpp, 125);
        EXPECT_EQ(first.alguse[0], 1);
        const ChipDescription& last = *read.catalog.chip(2);
        EXPECT_EQ(last.size, 16384u);
        EXPECT_EQ(last.width, 16);
        EXPECT_EQ(last.mfr.view(), "Zeta");  // the last line has no line end
        EXPECT_EQ(param(read.catalog.algorithm(1)->params, "Tpw"), 2048u);
        EXPECT_TRUE(read.messages.empty());
    }
}

TEST(ModuleConfigReader, EmptyValueTakesTheNextLine) {
    const Read read = parse("chip=C\r\nmfr=\r\nAcme\r\nvcc=33\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.mfr.view(), "Acme");
    EXPECT_EQ(chip.vcc, 33);
}

TEST(ModuleConfigReader, LaterLinesWin) {
    const Read read = parse(
        "chip=C\r\nvcc=50\r\nvcc=33\r\nTpw=1\r\nTpw=2\r\nalguse=1,2,3\r\nalguse=4\r\n"
        "algdef=A\r\nN=1\r\nN=9\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.vcc, 33);
    EXPECT_EQ(chip.params.size(), 2u);
    EXPECT_EQ(param(chip.params, "Tpw"), 2u);
    EXPECT_EQ(chip.alguse, (AlgUse{4}));
    EXPECT_EQ(param(read.catalog.algorithm(1)->params, "N"), 9u);
}

TEST(ModuleConfigReader, AlgUseIsReadTwoCharactersAtATime) {
    struct Case {
        const char* value;
        AlgUse entries;
    };
    const Case cases[] = {
        {"1,2,3", {1, 2, 3}},
        {"1 2", {1, 2}},
        {"12", {12}},
        {"255", {255, 5}},
        {"-1", {255}},
        {"a,2", {0, 2}},
        {"1,2,3,4,5,6,7,8,9,10,11", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(onlyChip(parse("chip=C\r\nalguse="s + c.value + "\r\n")).alguse, c.entries);
    }
    // Entries too large for the conversion saturate before their low bits are kept.
    const AlgUse saturated =
        onlyChip(parse("chip=C\r\nalguse=" + std::string(40, '9') + "\r\n")).alguse;
    EXPECT_EQ(saturated, (AlgUse{255, 255, 255, 255, 255, 255, 255, 255, 255}));
}

TEST(ModuleConfigReader, EveryKeyOfAnAlgorithmIsAParameter) {
    const Read read = parse("algdef=Fast\r\nsize=4K\r\nvcc=5\r\nmfr=x\r\nalguse=1\r\n");
    ASSERT_EQ(read.catalog.algorithmCount(), 1u);
    const CfgParamList& params = read.catalog.algorithm(1)->params;
    EXPECT_EQ(param(params, "size"), 4096u);
    EXPECT_EQ(param(params, "vcc"), 5u);
    EXPECT_EQ(param(params, "mfr"), 0u);
    EXPECT_EQ(param(params, "alguse"), 1u);
    EXPECT_EQ(read.catalog.chipCount(), 0u);
}

TEST(ModuleConfigReader, NamesEndAtControlOrHighBytes) {
    const Read read = parse(
        "chip=27C\xB0"
        "256\r\nmfr=Ac\xB0me\r\n"
        "chip=27\tC\r\n"
        "algdef=Fa\x01st\r\n");
    ASSERT_EQ(read.catalog.chipCount(), 2u);
    EXPECT_EQ(read.catalog.chip(1)->name.view(), "27C");
    EXPECT_EQ(read.catalog.chip(1)->mfr.view(), "Ac\xB0me");
    EXPECT_EQ(read.catalog.chip(2)->name.view(), "27");
    EXPECT_EQ(read.catalog.algorithm(1)->name.view(), "Fa");
}

TEST(ModuleConfigReader, LongNamesAndLinesAreCut) {
    const std::string longText(5000, 'A');
    const Read read = parse("chip=" + longText + "\r\nmfr=" + longText + "\r\n" + longText +
                            "=7\r\nvcc=33\r\nalgdef=" + longText + "\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.name.view(), std::string(15, 'A'));
    EXPECT_EQ(chip.mfr.view(), std::string(15, 'A'));
    ASSERT_EQ(chip.params.size(), 1u);
    EXPECT_EQ(chip.params.begin()->name.view(), std::string(15, 'A'));
    EXPECT_EQ(chip.params.begin()->value, 7u);
    EXPECT_EQ(chip.vcc, 33);
    EXPECT_EQ(read.catalog.algorithm(1)->name.view(), std::string(15, 'A'));
}

TEST(ModuleConfigReader, ByteOrderMarkCommentsAndBlankLinesAreSkipped) {
    const Read read = parse(
        "\xEF\xBB\xBF; header\r\n\r\n   \r\n; chip list\r\nchip=C\r\n; note\r\n\r\nvcc=33\r\n"
        "mfr=;not a comment\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.name.view(), "C");
    EXPECT_EQ(chip.vcc, 33);
    EXPECT_EQ(chip.mfr.view(), ";not a comment");
}

TEST(ModuleConfigReader, EmptyOrCommentOnlyTextGivesAnEmptyCatalogue) {
    for (const char* text : {"", "\r\n\r\n", "; nothing\r\n; here"}) {
        const Read read = parse(text);
        EXPECT_EQ(read.catalog.chipCount(), 0u);
        EXPECT_EQ(read.catalog.algorithmCount(), 0u);
    }
}

TEST(ModuleConfigReader, UnknownWordWhereARecordBeginsStopsTheReading) {
    EXPECT_EQ(parse("bogus=1\r\nchip=C\r\n").catalog.chipCount(), 0u);
    EXPECT_EQ(parse("chip =C\r\nchip=D\r\n").catalog.chipCount(), 0u);
}

TEST(ModuleConfigReader, KeyWithoutEqualsStopsTheReadingAndKeepsWhatWasRead) {
    const Read read = parse("chip=A\r\nvcc=33\r\n=\r\nchip=B\r\n");
    const ChipDescription& chip = onlyChip(read);
    EXPECT_EQ(chip.name.view(), "A");
    EXPECT_EQ(chip.vcc, 33);

    const Read trailing = parse("chip=A\r\nvcc=33\r\nvpp");
    EXPECT_EQ(onlyChip(trailing).vcc, 33);
    EXPECT_EQ(onlyChip(trailing).vpp, 120);
}

TEST(ModuleConfigReader, RecordOpenedAtTheEndOfInputKeepsItsDefaults) {
    const Read read = parse("chip=A\r\nchip");
    ASSERT_EQ(read.catalog.chipCount(), 2u);
    const ChipDescription& last = *read.catalog.chip(2);
    EXPECT_TRUE(last.name.empty());
    EXPECT_EQ(last.vcc, 50);
    EXPECT_EQ(last.width, 8);
}

TEST(ModuleConfigReader, NulByteEndsTheFile) {
    const Read read = parse("chip=A\r\n\0chip=B\r\n"s);
    EXPECT_EQ(onlyChip(read).name.view(), "A");
}

TEST(ModuleConfigReader, ReadingAgainReplacesTheFileButKeepsTheDefaultAlgorithm) {
    ModuleCatalog catalog;
    catalog.defaultAlgorithm().params.add("Tpw", 100);
    ParseModuleConfig(catalog, "chip=A\r\nchip=B\r\nalgdef=X\r\n");
    ASSERT_EQ(catalog.chipCount(), 2u);

    ParseModuleConfig(catalog, "chip=C\r\n");
    ASSERT_EQ(catalog.chipCount(), 1u);
    EXPECT_EQ(catalog.chip(1)->name.view(), "C");
    EXPECT_EQ(catalog.algorithmCount(), 0u);
    EXPECT_EQ(param(catalog.defaultAlgorithm().params, "Tpw"), 100u);
}

}  // namespace
}  // namespace veldrix
