#include "core/SettingsRecordIo.h"

#include <QStringList>
#include <QVariant>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace veldrix {

namespace {

template <class Record, class Plain>
concept RecordOf = std::same_as<std::remove_const_t<Record>, Plain>;

void visitFields(RecordOf<GeneralSettings> auto& s, auto& visit) {
    visit("hardware", s.hardware);
    visit("EepSplit", s.EepSplit);
    visit("forcewr", s.forcewr);
    visit("checkwr", s.checkwr);
    visit("testins", s.testins);
    visit("conformation", s.conformation);
    visit("markclear", s.markclear);
    visit("readtwice", s.readtwice);
}

void visitFields(RecordOf<MainSettings> auto& s, auto& visit) {
    visit("beep", s.beep);
    visit("ECR", s.ECR);
    visit("start_drv", s.start_drv);
    visit("all_module_dir", s.all_module_dir);
    visit("LANG", s.language);
}

void visitFields(RecordOf<ColorSettings> auto& s, auto& visit) {
    visit("adrcol", s.adrcol);
    visit("hexcol", s.hexcol);
    visit("asciicol", s.asciicol);
    visit("nucol", s.nucol);
    visit("hlcol", s.hlcol);
    visit("markcol", s.markcol);
    visit("MarkBkgCol", s.MarkBkgCol);
}

void visitFields(RecordOf<FontSettings> auto& s, auto& visit) {
    visit("lfHeight", s.lfHeight);
    visit("lfWidth", s.lfWidth);
    visit("lfEscapement", s.lfEscapement);
    visit("lfOrientation", s.lfOrientation);
    visit("lfWeight", s.lfWeight);
    visit("lfItalic", s.lfItalic);
    visit("lfUnderline", s.lfUnderline);
    visit("lfStrikeOut", s.lfStrikeOut);
    visit("lfCharSet", s.lfCharSet);
    visit("lfOutPrecision", s.lfOutPrecision);
    visit("lfClipPrecision", s.lfClipPrecision);
    visit("lfQuality", s.lfQuality);
    visit("lfPitchAndFamily", s.lfPitchAndFamily);
    visit("lfFaceName", s.lfFaceName);
}

void visitFields(RecordOf<PositionSettings> auto& s, auto& visit) {
    visit("H", s.H);
    visit("W", s.W);
    visit("Y", s.Y);
    visit("X", s.X);
    visit("PX", s.PX);
    visit("PY", s.PY);
}

void visitFields(RecordOf<FamilySettings> auto& s, auto& visit) {
    visit("port", s.port);
    visit("lastmodule", s.lastmodule);
    visit("lastchip", s.lastchip);
    visit("driver", s.driver);
}

// Whole numbers are 32-bit values: anything from INT32_MIN to UINT32_MAX is
// taken as its 32-bit pattern; text that is no number, or a number that does
// not fit, counts as absent.
std::optional<std::uint32_t> storedWord(const QVariant& value) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

// A stored text up to its first NUL, as the registry's strings end there.
// An INI reader splits unquoted commas into a list; it is joined back.
std::optional<std::string> storedText(const QVariant& value) {
    QString text;
    if (value.typeId() == QMetaType::QStringList) {
        text = value.toStringList().join(QStringLiteral(", "));
    } else if (value.isValid() && value.canConvert<QString>()) {
        text = value.toString();
    } else {
        return std::nullopt;
    }
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) {
        text.truncate(nul);
    }
    return text.toStdString();
}

class SectionReader {
public:
    SectionReader(const SettingsSections& sections, QString section)
        : sections_(sections), section_(std::move(section)) {}

    void operator()(const char* name, std::int32_t& field) const {
        if (const auto word = storedWord(value(name))) {
            field = static_cast<std::int32_t>(*word);
        }
    }
    void operator()(const char* name, std::uint32_t& field) const {
        if (const auto word = storedWord(value(name))) {
            field = *word;
        }
    }
    void operator()(const char* name, std::uint8_t& field) const {
        if (const auto word = storedWord(value(name))) {
            field = static_cast<std::uint8_t>(*word);
        }
    }
    void operator()(const char* name, std::string& field) const {
        if (auto text = storedText(value(name))) {
            field = std::move(*text);
        }
    }
    // Only "RU" exactly selects Russian.
    void operator()(const char* name, Language& field) const {
        field = storedText(value(name)).value_or(std::string()) == "RU" ? Language::Russian
                                                                        : Language::English;
    }

private:
    [[nodiscard]] QVariant value(const char* name) const {
        return sections_.value(section_, QString::fromLatin1(name));
    }

    const SettingsSections& sections_;
    QString section_;
};

class SectionWriter {
public:
    void operator()(const char* name, std::int32_t field) { add(name, QVariant(field)); }
    void operator()(const char* name, std::uint32_t field) { add(name, QVariant(field)); }
    void operator()(const char* name, std::uint8_t field) { add(name, QVariant(int{field})); }
    void operator()(const char* name, const std::string& field) {
        add(name, QVariant(QString::fromStdString(field)));
    }
    void operator()(const char* name, Language field) {
        add(name, QVariant(QString::fromLatin1(field == Language::Russian ? "RU" : "EN")));
    }

    [[nodiscard]] const SettingsValues& values() const noexcept { return values_; }

private:
    void add(const char* name, QVariant value) {
        values_.emplace_back(QString::fromLatin1(name), std::move(value));
    }

    SettingsValues values_;
};

}  // namespace

template <class Record>
void readRecord(const SettingsSections& sections, const QString& section, Record& record) {
    SectionReader reader(sections, section);
    visitFields(record, reader);
}

template <class Record>
void writeRecord(SettingsSections& sections, const QString& section, const Record& record) {
    SectionWriter writer;
    visitFields(record, writer);
    sections.writeSection(section, writer.values());
}

#define VELDRIX_RECORD_IO(Record)                                               \
    template void readRecord(const SettingsSections&, const QString&, Record&); \
    template void writeRecord(SettingsSections&, const QString&, const Record&);
VELDRIX_RECORD_IO(GeneralSettings)
VELDRIX_RECORD_IO(MainSettings)
VELDRIX_RECORD_IO(ColorSettings)
VELDRIX_RECORD_IO(FontSettings)
VELDRIX_RECORD_IO(PositionSettings)
VELDRIX_RECORD_IO(FamilySettings)
#undef VELDRIX_RECORD_IO

}  // namespace veldrix
