#include "platform/ProbeVerdictCache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldrix::test {
namespace {

using platform::FileStamp;
using platform::ProbeResult;
using platform::ProbeVerdictCache;
using Verdict = ProbeResult::Verdict;

// A probe that answers from a script and notes what it was asked.
struct ScriptedProbe {
    std::vector<std::string> asked;
    Verdict next = Verdict::Survived;

    ProbeVerdictCache cache() {
        return ProbeVerdictCache([this](const std::string& path) {
            asked.push_back(path);
            return ProbeResult{next, 0, false};
        });
    }
};

constexpr FileStamp kStamp{.device = 1, .inode = 2, .size = 4096, .modifiedNanoseconds = 10};

TEST(ProbeVerdictCacheTest, ProbesAFileOnceWhileItsStampStays) {
    ScriptedProbe probe;
    ProbeVerdictCache cache = probe.cache();
    EXPECT_TRUE(cache.verdict("a.so", kStamp).survived());
    probe.next = Verdict::Died;
    EXPECT_TRUE(cache.verdict("a.so", kStamp).survived());
    EXPECT_EQ(cache.verdict("b.so", kStamp).verdict, Verdict::Died);
    EXPECT_EQ(probe.asked, (std::vector<std::string>{"a.so", "b.so"}));
}

TEST(ProbeVerdictCacheTest, AnyChangeOfTheStampProbesAgain) {
    ScriptedProbe probe;
    ProbeVerdictCache cache = probe.cache();
    (void)cache.verdict("a.so", kStamp);
    FileStamp resized = kStamp;
    resized.size += 1;
    FileStamp touched = kStamp;
    touched.modifiedNanoseconds += 1;
    FileStamp replaced = kStamp;
    replaced.inode += 1;
    probe.next = Verdict::Died;
    for (const FileStamp& changed : {resized, touched, replaced}) {
        EXPECT_EQ(cache.verdict("a.so", changed).verdict, Verdict::Died);
    }
    EXPECT_EQ(probe.asked.size(), 4u);
    // The verdict of the changed file replaced the old one.
    EXPECT_EQ(cache.verdict("a.so", replaced).verdict, Verdict::Died);
    EXPECT_EQ(probe.asked.size(), 4u);
}

TEST(ProbeVerdictCacheTest, AVerdictAboutTheMomentIsNotKept) {
    ScriptedProbe probe;
    ProbeVerdictCache cache = probe.cache();
    (void)cache.verdict("a.so", kStamp);
    FileStamp changed = kStamp;
    changed.size = 1;
    for (const Verdict momentary : {Verdict::Hung, Verdict::Unavailable}) {
        probe.next = momentary;
        EXPECT_EQ(cache.verdict("a.so", changed).verdict, momentary);
    }
    probe.next = Verdict::Survived;
    EXPECT_TRUE(cache.verdict("a.so", changed).survived());
    // Neither the old verdict nor the momentary ones stood in for a probe.
    EXPECT_EQ(probe.asked.size(), 4u);

    cache.clear();
    (void)cache.verdict("a.so", changed);
    EXPECT_EQ(probe.asked.size(), 5u);
}

}  // namespace
}  // namespace veldrix::test
