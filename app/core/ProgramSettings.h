#pragma once
// The user's choices kept across runs, one plain record per settings section.
// Every member starts at its default, so a default-constructed record is what
// an empty store reads as. The field names are the stored value names.

#include <cstddef>
#include <cstdint>
#include <string>

namespace veldrix {

enum class Language { English, Russian };

// Section "General".
struct GeneralSettings {
    std::uint32_t hardware = 0;     // hardware family index, 0 to 3
    std::int32_t EepSplit = 1;      // second buffer area in a second hex editor
    std::uint8_t forcewr = 1;       // call block option "Force write"
    std::uint8_t checkwr = 1;       // call block option "Write check"
    std::uint8_t testins = 1;       // call block option "Test chip insertion"
    std::uint8_t conformation = 1;  // ask "Are you sure?" before writing
    std::uint8_t markclear = 0;     // edited in the General dialog; no operation reads it
    std::uint8_t readtwice = 0;     // "Read twice and compare": Read goes through verifyRead()

    bool operator==(const GeneralSettings&) const = default;
};

// Section "Main".
struct MainSettings {
    std::int32_t beep = 1;                  // the status thread beeps
    std::uint8_t ECR = 0x35;                // written into the driver's ecr at each binding
    std::int32_t start_drv = 1;             // start the port-access service on every system
    std::string all_module_dir;             // module root: an existing directory or the default
    Language language = Language::English;  // stored as LANG, "EN" or "RU"

    bool operator==(const MainSettings&) const = default;
};

// Section "Colors", each colour as 0x00BBGGRR.
struct ColorSettings {
    std::uint32_t adrcol = 0x808080;      // address column
    std::uint32_t hexcol = 0xFF8000;      // hexadecimal column
    std::uint32_t asciicol = 0x000080;    // character column
    std::uint32_t nucol = 0xD8D8D8;       // background
    std::uint32_t hlcol = 0x0000FF;       // highlight
    std::uint32_t markcol = 0x4080FF;     // marked bytes
    std::uint32_t MarkBkgCol = 0x101010;  // background of marked bytes

    bool operator==(const ColorSettings&) const = default;
};

// Longest face name kept, in bytes: the logical-font record holds 32 with the NUL.
inline constexpr std::size_t kFaceNameMax = 31;

// Section "Font": the hex editor's font as a logical-font record.
struct FontSettings {
    std::int32_t lfHeight = -19;  // character height in pixels; negative: without leading
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;   // tenths of a degree
    std::int32_t lfOrientation = 0;  // tenths of a degree
    std::int32_t lfWeight = 400;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 255;  // the OEM character set
    std::uint8_t lfOutPrecision = 1;
    std::uint8_t lfClipPrecision = 2;
    std::uint8_t lfQuality = 1;
    std::uint8_t lfPitchAndFamily = 0x31;  // fixed pitch, modern family
    std::string lfFaceName = "Terminal";   // at most kFaceNameMax bytes, whole characters

    bool operator==(const FontSettings&) const = default;
};

// Section "Position", in screen pixels.
struct PositionSettings {
    std::int32_t H = 280;  // main window height
    std::int32_t W = 750;  // main window width
    std::int32_t Y = 100;  // main window top
    std::int32_t X = 100;  // main window left
    std::int32_t PX = -1;  // progress window left, -1 when never saved
    std::int32_t PY = -1;  // progress window top, -1 when never saved

    bool operator==(const PositionSettings&) const = default;
};

// Section "Hardware/<dir>" of one hardware family.
struct FamilySettings {
    std::string port;        // name of the last used port
    std::string lastmodule;  // last used chip module
    std::string lastchip;    // last used chip
    std::string driver;      // driver file; after reading, an existing file or the default

    bool operator==(const FamilySettings&) const = default;
};

// The sections that settings modes 0 and 4 read and write together.
struct ProgramSettings {
    GeneralSettings general;
    MainSettings main;
    ColorSettings colors;
    FontSettings font;
    PositionSettings position;

    bool operator==(const ProgramSettings&) const = default;
};

}  // namespace veldrix
