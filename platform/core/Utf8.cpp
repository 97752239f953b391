#include "platform/Utf8.h"

namespace platform {

namespace {

bool Continuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

}  // namespace

Utf8Char NextUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80u) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;  // the smallest code point this length may carry
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        code = lead & 0x1Fu;
        least = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        code = lead & 0x0Fu;
        least = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        code = lead & 0x07u;
        least = 0x10000;
    } else {
        return {};  // a continuation byte or 0xF8..0xFF
    }
    if (text.size() - at < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!Continuation(byte)) {
            return {};
        }
        code = (code << 6) | (byte & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length, true};
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); at += NextUtf8(text, at).length) {
        ++characters;
    }
    return characters;
}

std::size_t Utf8Prefix(std::string_view text, std::size_t characters) {
    if (text.size() <= characters) {
        return text.size();  // no more characters than bytes
    }
    std::size_t at = 0;
    for (std::size_t n = 0; n < characters && at < text.size(); ++n) {
        at += NextUtf8(text, at).length;
    }
    return at;
}

std::size_t FirstInvalidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = NextUtf8(text, at);
        if (!c.valid) {
            return at;
        }
        at += c.length;
    }
    return std::string_view::npos;
}

void AppendUtf8(char32_t code, std::string* out) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = kReplacementCharacter;
    }
    if (code < 0x80) {
        out->push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (code >> 6)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (code >> 12)));
        out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (code >> 18)));
        out->push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace platform
