#include "Listing.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include "EngineListings.h"

namespace veldrix::cli {
namespace {

TEST(Listing, TableAlignsColumnsAndJsonKeepsTypes) {
    Listing listing({"name", "size", "current"});
    listing.addRow({QString("W27C512"), 65536, true});
    listing.addRow({QString("93C46"), 128, false});
    EXPECT_EQ(listing.table(),
              "name     size   current\n"
              "W27C512  65536  yes\n"
              "93C46    128    no\n");
    const QJsonArray json = listing.json();
    ASSERT_EQ(json.size(), 2);
    EXPECT_EQ(json[0].toObject()["size"].toInteger(), 65536);
    EXPECT_EQ(json[1].toObject()["current"].toBool(), false);
}

TEST(Listing, ArraysAreJoinedInTheTable) {
    Listing listing({"alguse"});
    listing.addRow({QJsonArray{1, 2}});
    EXPECT_EQ(listing.table(), "alguse\n1,2\n");
}

TEST(Listing, ARowMustMatchTheColumns) {
    Listing listing({"a", "b"});
    EXPECT_THROW(listing.addRow({1}), std::logic_error);
}

TEST(EngineListings, FamiliesMarkTheCurrentOne) {
    const QJsonArray families = familyListing(1).json();
    ASSERT_EQ(families.size(), 4);
    EXPECT_EQ(families[1].toObject()["dir"].toString(), "tessaro");
    EXPECT_EQ(families[1].toObject()["entry"].toString(), "dmain");
    EXPECT_TRUE(families[1].toObject()["current"].toBool());
    EXPECT_FALSE(families[3].toObject()["current"].toBool());
    EXPECT_EQ(families[0].toObject()["ports"].toArray(), (QJsonArray{"serial", "usb"}));
}

// Only ports the family can choose are listed: a parallel-port family is
// not offered the serial ports the system list also holds.
TEST(EngineListings, PortsOfTheFamilysKindsOnly) {
    PortList ports;
    ports.enumerate(kPortParallel, {{kPortParallel, "/dev/parport0", 0x378, {}},
                                    {kPortSerial, "/dev/ttyS0", 0, {}}});
    const auto labels = [](const QJsonArray& rows) {
        QStringList texts;
        for (const QJsonValue& row : rows) {
            texts << row.toObject()["label"].toString();
        }
        return texts;
    };
    EXPECT_EQ(labels(portListing(ports, kPortParallel).json()), (QStringList{"LPT1", "SIM"}));
    EXPECT_EQ(labels(portListing(ports, kPortSerial | kPortUsb).json()), QStringList{"COM1"});
}

TEST(EngineListings, ChipsShowEveryFieldOfTheirDescription) {
    ModuleCatalog catalog;
    ChipDescription& chip = catalog.addChip();
    chip.name.assign("93C46");
    chip.mfr.assign("Maker");
    chip.size = 128;
    chip.width = 16;
    chip.vcc = 33;
    chip.vpp = 125;
    chip.vid = 0;
    chip.alguse = {2, 0, 1};
    chip.params.add("Tpw", 100);
    const QJsonObject row = chipListing(catalog).json()[0].toObject();
    EXPECT_EQ(row["number"].toInt(), 1);
    EXPECT_EQ(row["name"].toString(), "93C46");
    EXPECT_EQ(row["mfr"].toString(), "Maker");
    EXPECT_EQ(row["size"].toInteger(), 128);
    EXPECT_EQ(row["width"].toInt(), 16);
    EXPECT_EQ(row["vcc"].toString(), "3.3");
    EXPECT_EQ(row["vpp"].toString(), "12.5");
    EXPECT_EQ(row["vid"].toString(), "0.0");
    EXPECT_EQ(row["alguse"].toArray(), (QJsonArray{2, 1}));
    EXPECT_EQ(row["params"].toArray(), (QJsonArray{"Tpw=100"}));
}

}  // namespace
}  // namespace veldrix::cli
