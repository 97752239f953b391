// Reading UTF-8 a character at a time: every byte belongs to one character,
// and whatever is not valid UTF-8 reads as U+FFFD, one byte at a time.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/Utf8.h"

namespace {

using platform::kReplacementCharacter;

std::vector<char32_t> Codes(std::string_view text) {
    std::vector<char32_t> codes;
    for (std::size_t at = 0; at < text.size();) {
        const platform::Utf8Char c = platform::NextUtf8(text, at);
        codes.push_back(c.code);
        at += c.length;
    }
    return codes;
}

TEST(Utf8, ReadsEachCharacterOrOneReplacementPerBadByte) {
    constexpr char32_t R = kReplacementCharacter;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<char32_t> codes;
        std::size_t firstInvalid;
    } cases[] = {
        {"ASCII", "Ab 1", {'A', 'b', ' ', '1'}, std::string::npos},
        {"two bytes", "\xc3\xa9", {0xE9}, std::string::npos},
        {"three bytes", "\xe2\x80\x94", {0x2014}, std::string::npos},
        {"four bytes", "\xf0\x9f\x9a\x80", {0x1F680}, std::string::npos},
        {"lowest of each length",
         std::string("\x00\xc2\x80\xe0\xa0\x80\xf0\x90\x80\x80", 10),
         {0, 0x80, 0x800, 0x10000},
         std::string::npos},
        {"highest", "\xf4\x8f\xbf\xbf", {0x10FFFF}, std::string::npos},
        {"Latin-1 e acute", "caf\xe9!", {'c', 'a', 'f', R, '!'}, 3},
        {"stray continuation", "a\x80z", {'a', R, 'z'}, 1},
        {"overlong slash", "\xc0\xaf", {R, R}, 0},
        {"overlong three", "\xe0\x80\xaf", {R, R, R}, 0},
        {"surrogate", "\xed\xa0\x80", {R, R, R}, 0},
        {"past U+10FFFF", "\xf4\x90\x80\x80", {R, R, R, R}, 0},
        {"lead F8", "\xf8x", {R, 'x'}, 0},
        {"cut at the end", "ab\xe2\x80", {'a', 'b', R, R}, 2},
        {"lead before ASCII", "\xc3 x", {R, ' ', 'x'}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Codes(c.bytes), c.codes) << c.name;
        EXPECT_EQ(platform::Utf8Length(c.bytes), c.codes.size()) << c.name;
        EXPECT_EQ(platform::FirstInvalidUtf8(c.bytes), c.firstInvalid) << c.name;
    }
}

TEST(Utf8, PrefixesNeverSplitACharacter) {
    const std::string text = "a\xc3\xa9\xe2\x80\x94\xf0\x9f\x9a\x80z";  // a é — 🚀 z
    const struct {
        std::size_t characters;
        std::size_t bytes;
    } cases[] = {{0, 0}, {1, 1}, {2, 3}, {3, 6}, {4, 10}, {5, 11}, {6, 11}, {100, 11}};
    for (const auto& c : cases) {
        EXPECT_EQ(platform::Utf8Prefix(text, c.characters), c.bytes) << c.characters;
    }
    // Invalid bytes count one each.
    EXPECT_EQ(platform::Utf8Prefix("\xff\xfe\xfd"
                                   "abc",
                                   2),
              2u);
}

TEST(Utf8, AppendsWhatItReadsBack) {
    for (const char32_t code : {char32_t{'A'}, char32_t{0xF1}, char32_t{0x2019}, char32_t{0x1F30D},
                                char32_t{0x7FF}, char32_t{0x800}, char32_t{0xFFFF}}) {
        std::string bytes;
        platform::AppendUtf8(code, &bytes);
        const platform::Utf8Char back = platform::NextUtf8(bytes, 0);
        EXPECT_TRUE(back.valid) << std::hex << code;
        EXPECT_EQ(back.code, code);
        EXPECT_EQ(back.length, bytes.size());
    }
    std::string surrogate;
    platform::AppendUtf8(0xD800, &surrogate);
    EXPECT_EQ(surrogate, "\xef\xbf\xbd");
}

}  // namespace
