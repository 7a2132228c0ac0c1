// The checks beyond the chip operations through veldrix-cli on the simulated
// board: the compare report that names a fault, read verification and the
// board self-test, each shown to catch the fault the simulator is given.

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "CliEndToEnd.h"
#include "ExitCode.h"

namespace veldrix::cli {
namespace {

constexpr int kSuccess = toInt(ExitCode::Success);
constexpr int kUnchanged = toInt(ExitCode::FailedChipUnchanged);
// A small chip whose writes are quick: a Microwire EEPROM of 128 bytes,
// address lines A0 to A6.
constexpr std::size_t kChipSize = 128;

// Lines of a text that match `pattern` as a whole.
std::size_t linesMatching(const std::string& text, const std::regex& pattern) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        count += std::regex_match(text.substr(start, end - start), pattern) ? 1 : 0;
        start = end + 1;
    }
    return count;
}

const std::regex kListedDifference(R"(  [0-9A-F]{8}: chip [0-9A-F]{2}, expected [0-9A-F]{2})");

class CliChipChecks : public CliEndToEnd {
protected:
    void SetUp() override {
        ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
        image_ = randomImage<std::string>(kChipSize, 31);
        imageFile_ = writeFile("image.bin", image_);
    }

    void chipHolds(const std::string& bytes) const {
        ASSERT_EQ(cli({"write", path(writeFile("chip.bin", bytes)), "--yes"}).exitCode, kSuccess);
    }

    [[nodiscard]] std::size_t imageBytesWithBit(unsigned bit) const {
        return static_cast<std::size_t>(std::count_if(image_.begin(), image_.end(), [bit](char c) {
            return (static_cast<unsigned char>(c) >> bit & 1u) != 0;
        }));
    }

    std::string image_;
    std::string imageFile_;
};

TEST_F(CliChipChecks, CompareNamesAStuckDataLineAndCountsEveryDifference) {
    chipHolds(image_);
    const std::size_t wrong = imageBytesWithBit(3);

    const CliRun listed = cli({"compare", path(imageFile_), "--sim-fault", "dataline:3:0"});
    EXPECT_EQ(listed.exitCode, kUnchanged);
    EXPECT_TRUE(contains(listed.out, std::to_string(wrong) + " differences\n")) << listed.out;
    EXPECT_EQ(linesMatching(listed.out, kListedDifference), 16u);
    EXPECT_TRUE(contains(listed.out, "  D3: " + std::to_string(wrong) +
                                         " read 0 where 1 was expected, 0 read 1 where 0 was "
                                         "expected\n"))
        << listed.out;
    EXPECT_TRUE(contains(listed.out, "Diagnosis: data line D3 stuck at 0\n")) << listed.out;

    const CliRun all =
        cli({"compare", path(imageFile_), "--sim-fault", "dataline:3:0", "--max-differences", "0"});
    EXPECT_EQ(linesMatching(all.out, kListedDifference), wrong);
    EXPECT_FALSE(contains(all.out, "  ...\n"));

    const QJsonObject result = jsonOf(cli({"compare", path(imageFile_), "--sim-fault",
                                           "dataline:3:0", "--max-differences", "5", "--json"}))
                                   .object();
    EXPECT_EQ(result["exitCode"].toInt(), kUnchanged);
    EXPECT_EQ(result["differences"].toInteger(), static_cast<qint64>(wrong));
    const QJsonArray first = result["firstDifferences"].toArray();
    ASSERT_EQ(first.size(), 5);
    const QJsonObject one = first[0].toObject();
    const auto address = static_cast<std::size_t>(one["address"].toInteger());
    EXPECT_EQ(one["expected"].toInt(), static_cast<unsigned char>(image_.at(address)));
    EXPECT_EQ(one["chip"].toInt(), one["expected"].toInt() & ~0x08);
    EXPECT_EQ(result["bitDifferences"].toArray()[3].toObject()["readZeroForOne"].toInteger(),
              static_cast<qint64>(wrong));
    const QJsonObject diagnosis = result["diagnosis"].toObject();
    EXPECT_EQ(diagnosis["kind"].toString(), "dataLineStuck");
    EXPECT_EQ(diagnosis["line"].toInt(), 3);
    EXPECT_EQ(diagnosis["level"].toInt(), 0);
    EXPECT_EQ(diagnosis["text"].toString(), "data line D3 stuck at 0");
}

// The chip holds, at every address, what the image has with address bit 4
// cleared: what a board with A4 not connected would have written.
TEST_F(CliChipChecks, CompareNamesAnAddressLineFromAShiftedImageOrAHeldLine) {
    std::string aliased = image_;
    for (std::size_t address = 0; address < aliased.size(); ++address) {
        aliased[address] = image_[address & ~std::size_t{1u << 4}];
    }
    chipHolds(aliased);
    const CliRun shifted = cli({"compare", path(imageFile_)});
    EXPECT_EQ(shifted.exitCode, kUnchanged);
    EXPECT_TRUE(contains(shifted.out, "Diagnosis: address line A4 not connected\n")) << shifted.out;

    chipHolds(image_);
    const CliRun held = cli({"compare", path(imageFile_), "--sim-fault", "addrline:5:1"});
    EXPECT_EQ(held.exitCode, kUnchanged);
    EXPECT_TRUE(contains(held.out, "Diagnosis: address line A5 not connected\n")) << held.out;

    // A line the chip does not have is refused before anything runs.
    const CliRun beyond = cli({"compare", path(imageFile_), "--sim-fault", "addrline:7:1"});
    EXPECT_EQ(beyond.exitCode, toInt(ExitCode::Usage));
    EXPECT_TRUE(contains(beyond.err, "no such cell or line")) << beyond.err;
    EXPECT_TRUE(beyond.out.empty()) << beyond.out;
}

TEST_F(CliChipChecks, CompareOfASoundChipNamesNothing) {
    chipHolds(image_);
    const CliRun clean = cli({"compare", path(imageFile_)});
    EXPECT_EQ(clean.exitCode, kSuccess);
    EXPECT_EQ(clean.out, "Chip matches " + imageFile_ + "\n");
    const QJsonObject result = jsonOf(cli({"compare", path(imageFile_), "--json"})).object();
    EXPECT_FALSE(result.contains("diagnosis"));
    EXPECT_FALSE(result.contains("differences"));
}

TEST_F(CliChipChecks, UnstableReadsSaveNothingAndAreListedWithEveryValue) {
    chipHolds(image_);
    const std::string saved = file("saved.bin");
    const CliRun unstable =
        cli({"read", path(saved), "--verify-reads", "3", "--sim-fault", "intermittent:2:7"});
    EXPECT_EQ(unstable.exitCode, kUnchanged);
    EXPECT_FALSE(std::filesystem::exists(saved));
    EXPECT_TRUE(contains(unstable.out, "unstable addresses\n")) << unstable.out;
    EXPECT_TRUE(contains(unstable.out, "Unstable read at ")) << unstable.out;
    EXPECT_TRUE(contains(unstable.err, "nothing saved")) << unstable.err;
    const std::regex listedRead(R"(  [0-9A-F]{8}: [0-9A-F]{2} [0-9A-F]{2} [0-9A-F]{2})");
    EXPECT_EQ(linesMatching(unstable.out, listedRead), 16u);

    // The same seed, the same reads: the values differ in data line D2 only.
    const QJsonObject result =
        jsonOf(cli({"read", path(saved), "--verify-reads", "3", "--sim-fault", "intermittent:2:7",
                    "--max-differences", "0", "--json"}))
            .object();
    EXPECT_FALSE(std::filesystem::exists(saved));
    const QJsonArray listed = result["unstableAddresses"].toArray();
    EXPECT_EQ(listed.size(), result["unstable"].toInt());
    ASSERT_FALSE(listed.isEmpty());
    for (const QJsonValue& entry : listed) {
        const auto address = static_cast<std::size_t>(entry.toObject()["address"].toInteger());
        const QJsonArray values = entry.toObject()["values"].toArray();
        ASSERT_EQ(values.size(), 3);
        bool differ = false;
        for (const QJsonValue& value : values) {
            EXPECT_EQ(value.toInt() & ~0x04, static_cast<unsigned char>(image_[address]) & ~0x04);
            differ = differ || value != values[0];
        }
        EXPECT_TRUE(differ) << address;
    }

    // A sound chip reads the same each time: the file is saved.
    const CliRun sound = cli({"read", path(saved), "--verify-reads", "3"});
    EXPECT_EQ(sound.exitCode, kSuccess) << sound.err;
    EXPECT_EQ(readFile(saved), image_);
}

// The numbers of the checks a self-test run reports as failed.
std::vector<int> failedChecks(const std::string& out) {
    std::vector<int> failed;
    const std::regex check(R"(  ([1-8])\. .*: FAIL)");
    for (std::sregex_iterator it(out.begin(), out.end(), check), end; it != end; ++it) {
        failed.push_back(std::stoi((*it)[1]));
    }
    return failed;
}

TEST_F(CliChipChecks, SelfTestPassesOnTheSimulatedBoardAndFailsExactlyTheMatchingChecks) {
    const CliRun sound = cli({"selftest"});
    EXPECT_EQ(sound.exitCode, kSuccess) << sound.out << sound.err;
    EXPECT_EQ(linesMatching(sound.out, std::regex(R"(  [1-8]\. .*: pass)")), 8u);
    EXPECT_TRUE(contains(sound.out, "  voltage latch up and down: pass\nSelf-test passed\n"))
        << sound.out;

    struct FaultCase {
        const char* fault;
        std::vector<int> failed;
    };
    // The PC's own data register still loops back without the board.
    for (const FaultCase& c :
         {FaultCase{"absent", {2, 3, 4, 5, 6, 7, 8}}, FaultCase{"statusline:6:1", {3}},
          FaultCase{"statusline:5:1", {2}}, FaultCase{"statusline:3:1", {4, 5, 6, 7, 8}}}) {
        SCOPED_TRACE(c.fault);
        const CliRun run = cli({"selftest", "--sim-fault", c.fault});
        EXPECT_EQ(run.exitCode, kUnchanged);
        EXPECT_EQ(failedChecks(run.out), c.failed) << run.out;
        EXPECT_TRUE(contains(run.out, "  voltage latch up and down: not run")) << run.out;
        EXPECT_TRUE(contains(run.out, "Self-test failed\n")) << run.out;
    }

    const QJsonObject result =
        jsonOf(cli({"selftest", "--sim-fault", "statusline:6:1", "--json"})).object();
    EXPECT_EQ(result["exitCode"].toInt(), kUnchanged);
    const QJsonObject report = result["selfTest"].toObject();
    EXPECT_FALSE(report["passed"].toBool());
    EXPECT_EQ(report["voltage"].toString(), "not run");
    const QJsonArray checks = report["checks"].toArray();
    ASSERT_EQ(checks.size(), 8);
    for (const QJsonValue& check : checks) {
        const int number = check.toObject()["number"].toInt();
        EXPECT_EQ(check.toObject()["result"].toString(), number == 3 ? "fail" : "pass") << number;
    }
}

}  // namespace
}  // namespace veldrix::cli
