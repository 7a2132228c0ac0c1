#pragma once
// Each settings record read from and written to the values of one section,
// with one list of value names per record for both directions.
//
// Whole numbers are 32-bit values: a byte field keeps the low eight bits of
// what is stored. A value that is absent, not a number where a number is
// expected, or beyond 32 bits leaves the field as it was (its default when
// the record is fresh). Texts end at their first NUL.

#include <QString>

#include "core/ProgramSettings.h"
#include "core/SettingsSections.h"

namespace veldrix {

// Defined for GeneralSettings, MainSettings, ColorSettings, FontSettings,
// PositionSettings and FamilySettings.
template <class Record>
void readRecord(const SettingsSections& sections, const QString& section, Record& record);

template <class Record>
void writeRecord(SettingsSections& sections, const QString& section, const Record& record);

}  // namespace veldrix
