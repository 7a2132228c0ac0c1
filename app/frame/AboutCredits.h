#pragma once
// The about box's credit lines and how each is drawn. The last character of
// a line is its format code: it picks the font, colour and height, or (code
// 8) says the rest names a bitmap to draw instead of text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veldrix {

inline constexpr std::size_t kCreditLineCount = 20;
using CreditLines = std::array<std::string, kCreditLineCount>;

// The format codes.
inline constexpr char kCreditSmall = '\f';    // white, 16 px
inline constexpr char kCreditAuthor = '\r';   // red, 20 px
inline constexpr char kCreditHeading = '\t';  // green, 17 px
inline constexpr char kCreditLarge = '\n';    // blue, 30 px
inline constexpr char kCreditBitmap = '\b';   // a bitmap by name

// Longest module description shown, in bytes.
inline constexpr std::size_t kModuleAboutMax = 200;

struct SystemDescription {
    std::string version;  // "%d.%d.%d"
    std::string name;     // the system's own description
};

// The system the program runs on.
[[nodiscard]] SystemDescription currentSystemDescription();
// The first three numbers of a kernel version ("6.1.0-18-amd64" gives
// "6.1.0"); missing ones count as 0.
[[nodiscard]] std::string versionNumbers(std::string_view kernelVersion);

// A module's description as one plain line: control characters (CR and LF
// above all) become spaces, so the module picks no style or bitmap, and it
// is cut to kModuleAboutMax bytes. Null gives an empty line.
[[nodiscard]] std::string moduleAboutLine(const char* about);

// The twenty lines, with the module's description and the system filled in.
[[nodiscard]] CreditLines aboutCreditLines(std::string_view moduleAbout,
                                           const SystemDescription& system);

struct CreditStyle {
    bool bitmap = false;
    std::string text;       // without the format code; the bitmap's name for a bitmap
    int fontHeight = 16;    // cell height in pixels
    int weight = 400;       // 100 thin to 900 black
    std::uint32_t rgb = 0;  // 0xRRGGBB
    int lineHeight = 16;    // pixels; a bitmap's is its own height
};

// How `line` is drawn. A line ending in none of the codes is drawn in the
// form-feed style, as if one were appended. Not meaningful for an empty line,
// which draws nothing.
[[nodiscard]] CreditStyle creditStyleOf(std::string_view line);

}  // namespace veldrix
