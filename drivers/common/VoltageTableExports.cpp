// The voltage tables every driver exports: one board, one set of tables.

#include "BoardVoltageTables.h"
#include "DriverExports.h"

using veldrix::drivers::countedTable;

const std::array<std::uint16_t, 5> VccTable = countedTable(veldrix::drivers::kVccTenths);
const std::array<std::uint16_t, 33> VppTable = countedTable(veldrix::drivers::kVppTenths);
const std::array<std::uint16_t, 3> VidTable = countedTable(veldrix::drivers::kVidTenths);
