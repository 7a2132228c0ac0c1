#include "buffer/ImageFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "RecordTextBuilders.h"

namespace veldrix::test {
namespace {

TEST(ImageFormat, DetectedFromTheFirstNonBlankLineWhenEveryLineHasTheRecordShape) {
    const std::string hex = lines({intelRecord(0x00, 0, {1, 2}), intelEnd()});
    const std::string srec = lines({sRecord('1', 2, 0, {1}), sRecord('9', 2, 0, {})}, "\r\n");
    EXPECT_EQ(detectImageFormat(hex), ImageFormat::IntelHex);
    EXPECT_EQ(detectImageFormat("\r\n  \n" + hex), ImageFormat::IntelHex);
    EXPECT_EQ(detectImageFormat(srec), ImageFormat::SRecord);
    EXPECT_EQ(detectImageFormat("\n" + srec), ImageFormat::SRecord);
}

TEST(ImageFormat, ADamagedRecordFileIsStillARecordFileSoItsReaderCanNameTheLine) {
    // Wrong checksum, wrong count, unknown type, no end record.
    EXPECT_EQ(detectImageFormat(lines({intelRecord(0x00, 0, {1}, 1), intelEnd()})),
              ImageFormat::IntelHex);
    EXPECT_EQ(detectImageFormat(lines({":05000000AA", intelEnd()})), ImageFormat::IntelHex);
    EXPECT_EQ(detectImageFormat(lines({intelRecord(0x07, 0, {})})), ImageFormat::IntelHex);
    EXPECT_EQ(detectImageFormat(lines({sRecord('4', 2, 0, {}, 3)})), ImageFormat::SRecord);
}

TEST(ImageFormat, BinaryOrTextThatOnlyStartsLikeARecordIsRaw) {
    using namespace std::string_literals;
    EXPECT_EQ(detectImageFormat(""), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat("\n\r\n"), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat("\xFF\xFF\xFF"), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat(":\x01\x02\x00\xFF"s), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat("S1 is not a record\n"), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat("SX0300"), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat(" :00000001FF"), ImageFormat::Raw);
    // One line of another shape before the end record.
    EXPECT_EQ(detectImageFormat(lines({intelRecord(0x00, 0, {1}), "hello", intelEnd()})),
              ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat(lines({sRecord('1', 2, 0, {1}), intelEnd()})), ImageFormat::Raw);
    EXPECT_EQ(detectImageFormat(lines({intelRecord(0x00, 0, {1}), "\x1A"})), ImageFormat::Raw);
}

TEST(ImageFormat, WhatFollowsTheEndRecordIsNotLookedAt) {
    EXPECT_EQ(detectImageFormat(lines({intelEnd(), "\x01\x02 anything"})), ImageFormat::IntelHex);
    EXPECT_EQ(detectImageFormat(lines({sRecord('8', 3, 0, {}), "trailer"})), ImageFormat::SRecord);
}

TEST(ImageFormat, ForWritingTakenFromTheExtensionInAnyCase) {
    for (const char* name : {"a.hex", "dir/b.HEX", "c.ihx", "d.Ihx"}) {
        EXPECT_EQ(imageFormatForFileName(name), ImageFormat::IntelHex) << name;
    }
    for (const char* name : {"a.s19", "b.S28", "c.s37", "d.srec", "e.SREC", "f.mot"}) {
        EXPECT_EQ(imageFormatForFileName(name), ImageFormat::SRecord) << name;
    }
    for (const char* name : {"a.bin", "hex", "a.hex.bin", "a.hexx", "a.s20", "", "dir.hex/image"}) {
        EXPECT_EQ(imageFormatForFileName(name), ImageFormat::Raw) << name;
    }
}

}  // namespace
}  // namespace veldrix::test
