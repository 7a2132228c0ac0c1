// The voltage tables every driver exports: one board, one set of tables.

#include "BoardVoltages.h"
#include "DriverExports.h"

using veldrix::board::countedTable;

const std::array<std::uint16_t, 5> VccTable = countedTable(veldrix::board::kVccTenths);
const std::array<std::uint16_t, 33> VppTable = countedTable(veldrix::board::kVppTenths);
const std::array<std::uint16_t, 3> VidTable = countedTable(veldrix::board::kVidTenths);
