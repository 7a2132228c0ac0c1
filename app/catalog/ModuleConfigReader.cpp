#include "catalog/ModuleConfigReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "AsciiCase.h"
#include "catalog/ConfigTokenizer.h"

namespace veldrix {

namespace {

using Mode = ConfigTokenizer::Mode;

constexpr std::uint32_t kKibi = 1024;
constexpr std::uint32_t kMebi = 1024 * 1024;

// `unit` follows a constant: "K" for kibi, "M" for mebi, else none.
std::uint32_t scaled(std::uint32_t n, char unit) noexcept {
    switch (unit) {
        case 'K':
        case 'k':
            return n * kKibi;
        case 'M':
        case 'm':
            return n * kMebi;
        default:
            return n;
    }
}

bool opensRecord(std::string_view word) noexcept {
    return equalsIgnoringAsciiCase(word, "chip") || equalsIgnoringAsciiCase(word, "algdef");
}

// A key outlives the token buffer only as far as the reader needs it: its
// full length for comparing with the known keys, its first 15 characters as
// a parameter name.
struct Key {
    NameField name;
    std::size_t length = 0;

    [[nodiscard]] bool is(std::string_view lowerWord) const noexcept {
        return length == lowerWord.size() && equalsIgnoringAsciiCase(name.view(), lowerWord);
    }
};

class Reader {
public:
    Reader(ModuleCatalog& catalog, std::string_view text, const MessageSink& report)
        : catalog_(catalog), tokens_(text), report_(report) {}

    void run() {
        if (!tokens_.NextToken(Mode::Word)) {
            return;
        }
        for (;;) {
            const std::string_view word = tokens_.token();
            bool nextRecordFollows = false;
            if (equalsIgnoringAsciiCase(word, "chip")) {
                nextRecordFollows = readChip();
            } else if (equalsIgnoringAsciiCase(word, "algdef")) {
                nextRecordFollows = readAlgDef();
            }
            if (!nextRecordFollows) {
                return;
            }
        }
    }

private:
    enum class Step {
        Value,       // a key and its value were read; the value is the current token
        NextRecord,  // the key of the next record is the current token
        Stop,        // end of input, or a key without "="
    };

    // The record readers return true when they stopped at the key of the
    // next record.

    bool readChip() {
        ChipDescription& chip = catalog_.addChip();
        return readRecord(chip, [&](const Key& key) { applyChipValue(chip, key); });
    }

    bool readAlgDef() {
        AlgDef& algorithm = catalog_.addAlgorithm();
        return readRecord(algorithm, [&](const Key& key) {
            algorithm.params.add(key.name.view(), scaledNumber(tokens_.tokenText()));
        });
    }

    template <typename Record, typename ApplyValue>
    bool readRecord(Record& record, ApplyValue applyValue) {
        if (!readRecordName()) {
            return false;
        }
        record.name.assignPrintable(tokens_.token());
        Key key;
        Step step;
        while ((step = readKeyAndValue(key)) == Step::Value) {
            applyValue(key);
        }
        return step == Step::NextRecord;
    }

    // "=" and the rest of the line, which becomes the current token.
    bool readRecordName() {
        if (!readEquals()) {
            return false;
        }
        tokens_.NextToken(Mode::RestOfLine);
        return true;
    }

    Step readKeyAndValue(Key& key) {
        if (!tokens_.NextToken(Mode::Word)) {
            return Step::Stop;
        }
        const std::string_view word = tokens_.token();
        if (opensRecord(word)) {
            return Step::NextRecord;
        }
        key.name.assign(word);
        key.length = word.size();
        if (!readEquals()) {
            return Step::Stop;
        }
        tokens_.NextToken(Mode::RestOfLine);
        return Step::Value;
    }

    bool readEquals() { return tokens_.NextToken(Mode::Word) && tokens_.token() == "="; }

    void applyChipValue(ChipDescription& chip, const Key& key) {
        const char* const value = tokens_.tokenText();
        if (key.is("mfr")) {
            chip.mfr.assign(tokens_.token());
        } else if (key.is("size")) {
            applySize(chip, value);
        } else if (key.is("vcc")) {
            chip.vcc = static_cast<std::uint16_t>(number(value));
        } else if (key.is("vpp")) {
            chip.vpp = static_cast<std::uint16_t>(number(value));
        } else if (key.is("vid")) {
            chip.vid = static_cast<std::uint16_t>(number(value));
        } else if (key.is("alguse")) {
            applyAlgUse(chip, value, tokens_.token().size());
        } else {
            chip.params.add(key.name.view(), scaledNumber(value));
        }
    }

    // n bytes, n kibibytes, n mebibytes, or n words of w bits ("8192x16").
    void applySize(ChipDescription& chip, const char* value) {
        const char* end = nullptr;
        const std::uint32_t count = number(value, &end);
        if (*end == 'x' || *end == 'X') {
            const std::uint32_t bits = number(end + 1);
            chip.width = static_cast<std::uint8_t>(bits);
            chip.size = count * ((bits + 7) / 8);
        } else {
            chip.size = scaled(count, *end);
        }
    }

    // Single-digit numbers with one separator each ("1,2,3"): entry i is the
    // number that starts at character 2 * i. A later list replaces an
    // earlier one, so unused entries stay 0.
    static void applyAlgUse(ChipDescription& chip, const char* list, std::size_t length) {
        chip.alguse.fill(0);
        for (std::size_t i = 0; i < chip.alguse.size() && 2 * i < length; ++i) {
            chip.alguse[i] = static_cast<std::uint8_t>(std::strtoll(list + 2 * i, nullptr, 10));
        }
    }

    // A constant scaled by a "K" or "M" right after it.
    std::uint32_t scaledNumber(const char* value) {
        const char* end = nullptr;
        const std::uint32_t n = number(value, &end);
        return scaled(n, *end);
    }

    // A malformed constant reads as 0; the error flag is of no use here.
    std::uint32_t number(const char* text, const char** end = nullptr) {
        return ParseNumber(text, end, nullptr, report_);
    }

    ModuleCatalog& catalog_;
    ConfigTokenizer tokens_;
    const MessageSink& report_;
};

}  // namespace

void ParseModuleConfig(ModuleCatalog& catalog, std::string_view text, const MessageSink& report) {
    catalog.clear();
    Reader(catalog, text, report).run();
}

}  // namespace veldrix
