#pragma once
// Splits a module configuration file into keys, "=" and values.

#include <cstddef>
#include <string_view>

namespace veldrix {

class ConfigTokenizer {
public:
    // The token buffer, terminating NUL included: longer tokens keep their
    // first 1023 bytes and the scan goes on past the rest.
    static constexpr std::size_t kTokenCapacity = 1024;

    enum class Mode {
        // A value: the rest of the line without its line end (CR LF or LF).
        RestOfLine,
        // A key: "=" alone, or everything up to the next "=", line ends
        // included. ";" where a token begins comments out the line.
        Word,
    };

    // `text` is the whole file; a NUL byte in it ends the input early.
    explicit ConfigTokenizer(std::string_view text) noexcept;
    ConfigTokenizer(const ConfigTokenizer&) = delete;
    ConfigTokenizer& operator=(const ConfigTokenizer&) = delete;

    // Reads the next token. False, with an empty token, at the end of the
    // input. Bytes up to 0x20 and from 0x80 on are skipped before a token.
    bool NextToken(Mode mode) noexcept;

    [[nodiscard]] std::string_view token() const noexcept { return {token_, length_}; }
    // The token as a NUL-terminated text.
    [[nodiscard]] const char* tokenText() const noexcept { return token_; }

private:
    // Moves to where the next token begins; false at the end of the input.
    bool skipToTokenStart(Mode mode) noexcept;
    void storeToken(const char* begin, const char* end) noexcept;

    const char* pos_;
    const char* end_;
    char token_[kTokenCapacity] = {};
    std::size_t length_ = 0;
};

}  // namespace veldrix
