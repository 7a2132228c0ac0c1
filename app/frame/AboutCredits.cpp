#include "frame/AboutCredits.h"

#include <QString>
#include <QSysInfo>
#include <charconv>
#include <cstring>

#include "core/TextFormat.h"

namespace veldrix {

namespace {

constexpr std::string_view kWebPage = "https://veldrix.example.org";
constexpr std::string_view kContact = "team@veldrix.example.org";

struct CodeStyle {
    char code;
    int height;
    int weight;
    std::uint32_t rgb;
};

constexpr std::array<CodeStyle, 4> kTextStyles{{
    {kCreditSmall, 16, 100, 0xFFFFFF},
    {kCreditAuthor, 20, 300, 0xFF3737},
    {kCreditHeading, 17, 400, 0x99EA99},
    {kCreditLarge, 30, 400, 0x6464FF},
}};

std::string withCode(std::string_view text, char code) {
    std::string line(text);
    line.push_back(code);
    return line;
}

}  // namespace

std::string versionNumbers(std::string_view kernelVersion) {
    std::string result;
    const char* at = kernelVersion.data();
    const char* const end = at + kernelVersion.size();
    for (int part = 0; part < 3; ++part) {
        unsigned number = 0;
        const auto [next, error] = std::from_chars(at, end, number);
        if (error == std::errc{}) {
            at = next;
        }
        if (at < end && *at == '.') {
            ++at;
        } else {
            at = end;  // no more numbers: the rest count as 0
        }
        if (part > 0) {
            result.push_back('.');
        }
        result += std::to_string(error == std::errc{} ? number : 0);
    }
    return result;
}

SystemDescription currentSystemDescription() {
    return {versionNumbers(QSysInfo::kernelVersion().toStdString()),
            QSysInfo::prettyProductName().toStdString()};
}

std::string moduleAboutLine(const char* about) {
    if (about == nullptr) {
        return {};
    }
    std::string line(about, strnlen(about, kModuleAboutMax + 4));
    cutToFit(line, kModuleAboutMax);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return line;
}

CreditLines aboutCreditLines(std::string_view moduleAbout, const SystemDescription& system) {
    CreditLines lines;
    lines[0] = withCode("BITMAP1", kCreditBitmap);
    lines[1] = withCode(kWebPage, kCreditAuthor);
    lines[2] = withCode(kContact, kCreditAuthor);
    lines[4] = withCode("Software version: 0.04 for TEST", kCreditSmall);
    lines[5] = withCode("All Rights Reserved", kCreditSmall);
    lines[6] = withCode("Date: Apr  4 2012", kCreditSmall);
    lines[8] = withCode("Current module copyright:", kCreditHeading);
    lines[10] = moduleAbout;
    lines[14] = withCode("System version:", kCreditHeading);
    lines[15] = system.version;
    lines[16] = system.name;
    return lines;
}

CreditStyle creditStyleOf(std::string_view line) {
    CreditStyle style;
    if (line.empty()) {
        return style;
    }
    const char code = line.back();
    if (code == kCreditBitmap) {
        style.bitmap = true;
        style.text = line.substr(0, line.size() - 1);
        return style;
    }
    for (const CodeStyle& known : kTextStyles) {
        if (known.code == code) {
            style.text = line.substr(0, line.size() - 1);
            style.fontHeight = known.height;
            style.lineHeight = known.height;
            style.weight = known.weight;
            style.rgb = known.rgb;
            return style;
        }
    }
    // No code of its own: the whole line in the form-feed style.
    style = creditStyleOf(withCode(line, kCreditSmall));
    return style;
}

}  // namespace veldrix
