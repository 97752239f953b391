// Reading UTF-8 text one character at a time. A byte that begins no valid
// sequence (a stray continuation byte, an overlong form, a surrogate, a code
// point past U+10FFFF, a sequence cut short) is one character of its own,
// read as U+FFFD, so every byte belongs to exactly one character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Char {
    char32_t code = kReplacementCharacter;
    std::size_t length = 1;  // bytes, at least one
    bool valid = false;
};

// The character that starts at byte `at` (< text.size()).
Utf8Char NextUtf8(std::string_view text, std::size_t at);

// How many characters `text` holds.
std::size_t Utf8Length(std::string_view text);

// The bytes of the first `characters` characters of `text` (all of it when
// it holds fewer): a cut there never splits a character.
std::size_t Utf8Prefix(std::string_view text, std::size_t characters);

// The offset of the first byte that is not valid UTF-8, or npos.
std::size_t FirstInvalidUtf8(std::string_view text);

// Appends the UTF-8 bytes of `code` to `out`.
void AppendUtf8(char32_t code, std::string* out);

}  // namespace platform
