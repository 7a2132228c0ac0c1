#include "platform/LibraryProbe.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <string>

#include "BrokenLibraries.h"
#include "TempDir.h"
#include "platform/DynamicLibrary.h"

namespace veldrix::test {
namespace {

using platform::DynamicLibrary;
using platform::ProbeResult;

TEST(LibraryProbeTest, TellsWhichLibrariesTheHelperSurvived) {
    TempDir dir;
    EXPECT_TRUE(platform::probeLibrary(VELDRIX_FAULTY_PLUGIN).survived());
    // The loader refuses it without harm: the program may try it itself.
    EXPECT_TRUE(platform::probeLibrary(dir.write("text.so", "no ELF file")).survived());

    const ProbeResult constructor = platform::probeLibrary(faultingConstructorLibrary());
    EXPECT_EQ(constructor.verdict, ProbeResult::Verdict::Died);
    EXPECT_TRUE(constructor.signalled);
    EXPECT_EQ(constructor.code, SIGSEGV);
    EXPECT_NE(constructor.reason().find("signal 11"), std::string::npos) << constructor.reason();

    const ProbeResult truncated =
        platform::probeLibrary(writeTruncatedLibrary(dir, "cut.so", VELDRIX_FAULTY_PLUGIN));
    EXPECT_EQ(truncated.verdict, ProbeResult::Verdict::Died);
    EXPECT_EQ(truncated.code, SIGBUS);
}

TEST(LibraryProbeTest, OnlyVerdictsAboutTheFileMayBeKept) {
    EXPECT_TRUE((ProbeResult{ProbeResult::Verdict::Survived, 0, false}).aboutTheFile());
    EXPECT_TRUE((ProbeResult{ProbeResult::Verdict::Died, SIGBUS, true}).aboutTheFile());
    EXPECT_FALSE((ProbeResult{ProbeResult::Verdict::Hung, 0, false}).aboutTheFile());
    EXPECT_FALSE((ProbeResult{ProbeResult::Verdict::Unavailable, 2, false}).aboutTheFile());
}

TEST(DynamicLibraryProbeTest, ALibraryThatWouldBringTheProgramDownIsNotLoaded) {
    TempDir dir;
    for (const std::string& path : {faultingConstructorLibrary(),
                                    writeTruncatedLibrary(dir, "cut.so", VELDRIX_FAULTY_PLUGIN)}) {
        const DynamicLibrary library(path);
        EXPECT_FALSE(library.loaded()) << path;
        EXPECT_TRUE(library.failedProbe()) << path;
        EXPECT_EQ(library.error().rfind(path + ": loading it ended a process with signal", 0), 0u)
            << library.error();
    }
    const DynamicLibrary text(dir.write("text.so", "no ELF file"));
    EXPECT_FALSE(text.loaded());
    EXPECT_FALSE(text.failedProbe());
}

TEST(DynamicLibraryProbeTest, OnlyARegularFileIsOpened) {
    TempDir dir;
    const std::string fifo = dir.file("pipe.so");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening the FIFO for reading would wait for a writer for ever.
    const DynamicLibrary fromFifo(fifo);
    EXPECT_FALSE(fromFifo.loaded());
    EXPECT_EQ(fromFifo.error(), fifo + ": not a regular file");
    EXPECT_FALSE(fromFifo.failedProbe());

    const DynamicLibrary fromFolder(dir.path().string());
    EXPECT_EQ(fromFolder.error(), dir.path().string() + ": not a regular file");
    const DynamicLibrary fromDevice("/dev/zero");
    EXPECT_EQ(fromDevice.error(), "/dev/zero: not a regular file");
}

}  // namespace
}  // namespace veldrix::test
