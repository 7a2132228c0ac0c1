#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

#include "SelectionFixture.h"
#include "catalog/AlgorithmKeys.h"

namespace veldrix::test {
namespace {

CfgKey key(char kind, const char* name, std::uint32_t defval) {
    CfgKey k{};
    k.kind = kind;
    std::strncpy(k.name, name, sizeof k.name - 1);
    k.defval = defval;
    return k;
}

class AlgorithmKeysTest : public SelectionFixture {
protected:
    AlgorithmKeysTest() {
        AlgDef& fast = catalog.addAlgorithm();
        fast.name.assign("Fast");
        fast.params.add("Tpw", 100);
        fast.params.add("Nnum", 25);
        AlgDef& slow = catalog.addAlgorithm();
        slow.name.assign("Slow");
        slow.params.add("Tpw", 1000);
        slow.params.add("Tpw", 2000);  // the later line wins
        ChipDescription& chip = catalog.addChip();
        chip.params.add("Nnum", 7);
        keys.setCurrentChip(1);
        block.keys = table;
    }

    CfgKey table[5] = {key('D', "WrAlg", 0), key('D', "Tpw", 50), key('D', "Nnum", 10),
                       key('h', "Mode", 3), CfgKey{}};
    AlgorithmKeys keys{block, catalog};
};

TEST_F(AlgorithmKeysTest, DefaultAlgorithmHoldsEveryKeysDefault) {
    catalog.defaultAlgorithm().params.add("Stale", 1);
    keys.SetDefAlg();
    const CfgParamList& params = catalog.defaultAlgorithm().params;
    ASSERT_EQ(params.size(), 4u);
    EXPECT_EQ(params.find("Tpw")->value, 50u);
    EXPECT_EQ(params.find("Mode")->value, 3u);
    EXPECT_EQ(params.find("Stale"), nullptr);
}

TEST_F(AlgorithmKeysTest, ChipParameterBeforeAlgorithmBeforeDefault) {
    EXPECT_EQ(keys.ResolveKeyValue(table[2], *catalog.algorithm(1)), 7u);     // chip
    EXPECT_EQ(keys.ResolveKeyValue(table[1], *catalog.algorithm(1)), 100u);   // algorithm
    EXPECT_EQ(keys.ResolveKeyValue(table[1], *catalog.algorithm(2)), 2000u);  // newest line
    EXPECT_EQ(keys.ResolveKeyValue(table[3], *catalog.algorithm(2)), 3u);     // default
    keys.setCurrentChip(0);
    EXPECT_EQ(keys.ResolveKeyValue(table[2], *catalog.algorithm(1)), 25u);
}

TEST_F(AlgorithmKeysTest, AppliesTheNumberedAlgorithmOrTheDefault) {
    keys.SetDefAlg();
    block.wralg = 2;
    keys.ApplyAlgorithm();
    EXPECT_EQ(table[0].value, 2u);
    EXPECT_EQ(table[1].value, 2000u);
    EXPECT_EQ(table[2].value, 7u);
    EXPECT_EQ(table[3].value, 3u);

    for (const std::uint8_t none : {0, 3, 255}) {
        block.wralg = none;
        keys.ApplyAlgorithm();
        EXPECT_EQ(table[0].value, none);
        EXPECT_EQ(table[1].value, 50u) << "algorithm " << int{none};
        EXPECT_EQ(table[2].value, 7u);
    }
    EXPECT_TRUE(ui.statusMessages.empty());
}

TEST_F(AlgorithmKeysTest, WithoutKeysNothingIsWrittenOrReported) {
    block.keys = nullptr;
    keys.SetDefAlg();
    keys.ApplyAlgorithm();
    EXPECT_TRUE(catalog.defaultAlgorithm().params.empty());
    EXPECT_TRUE(ui.statusMessages.empty());
}

// A key table whose third entry lies on a page that cannot be written, or
// not even read: the keys before it take their values, the rest keep theirs.
class BrokenKeyTableTest : public AlgorithmKeysTest {
protected:
    BrokenKeyTableTest() {
        pageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        pages =
            mmap(nullptr, 2 * pageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        EXPECT_NE(pages, MAP_FAILED);
        broken = reinterpret_cast<CfgKey*>(static_cast<char*>(pages) + pageSize) - 2;
        std::memcpy(broken, table, sizeof table);
        block.keys = broken;
        block.wralg = 1;
    }
    ~BrokenKeyTableTest() override { munmap(pages, 2 * pageSize); }

    void protectSecondPage(int protection) {
        ASSERT_EQ(mprotect(static_cast<char*>(pages) + pageSize, pageSize, protection), 0);
    }

    std::size_t pageSize = 0;
    void* pages = nullptr;
    CfgKey* broken = nullptr;
};

TEST_F(BrokenKeyTableTest, ReadOnlyEntryReportsAndStopsThere) {
    broken[2].value = 99;
    protectSecondPage(PROT_READ);
    keys.ApplyAlgorithm();
    EXPECT_EQ(broken[0].value, 1u);
    EXPECT_EQ(broken[1].value, 100u);
    EXPECT_EQ(broken[2].value, 99u);
    EXPECT_EQ(ui.statusMessages, std::vector<std::string>{"algorytms not define"});
}

TEST_F(BrokenKeyTableTest, UnreadableEntryReportsAndKeepsWhatWasBuilt) {
    protectSecondPage(PROT_NONE);
    keys.SetDefAlg();
    keys.ApplyAlgorithm();
    EXPECT_EQ(catalog.defaultAlgorithm().params.size(), 2u);
    EXPECT_EQ(broken[1].value, 100u);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"SetDefAlg ERR", "cfgkey not define"}));
}

}  // namespace
}  // namespace veldrix::test
