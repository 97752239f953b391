#include "setup/install/DesktopEntry.h"

#include <cstdint>

namespace orbsetup {

namespace {

// The length of the UTF-8 sequence that starts at `text[at]`, or 0 when
// none does (a stray byte, a cut sequence, an overlong or surrogate form).
std::size_t Utf8SequenceAt(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// A value of the string kinds: a backslash stands for itself doubled.
std::string Escaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// One argument of Exec, quoted: inside the quotes ", `, $ and \ take a
// backslash, and % is doubled wherever it stands, as it starts field codes.
std::string QuotedArgument(std::string_view argument) {
    std::string out = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            out += '\\';
        } else if (c == '%') {
            out += '%';
        }
        out += c;
    }
    return out + "\"";
}

// The program part of Exec. A launcher looks for the program named there
// before it turns "%%" into '%', so a viewer whose path holds '%' is started
// by the shell, which is handed the path as its $0 and runs nothing else.
std::string ExecLine(std::string_view viewer) {
    if (viewer.find('%') == std::string_view::npos) {
        return QuotedArgument(viewer);
    }
    return "/bin/sh -c " + QuotedArgument("exec \"$0\"") + " " + QuotedArgument(viewer);
}

// A string value as the Desktop Entry rules read it back.
std::string Unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += value[i];
        }
    }
    return out;
}

// Blanks around the '=' of a key are no part of either side; a value keeps
// its own trailing blanks, as a directory's name may end in one.
std::string_view TrimFront(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view TrimBack(std::string_view text) {
    const std::size_t last = text.find_last_not_of(" \t");
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// FNV-1a, 32 bits: short, and stable across builds and machines.
std::uint32_t Fnv1a(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace

bool HoldsControlCharacters(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

std::string DesktopEntryProblem(std::string_view path) {
    if (HoldsControlCharacters(path)) {
        return "a desktop entry cannot name a path that holds control characters";
    }
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t length = Utf8SequenceAt(path, at);
        if (length == 0) {
            return "a desktop entry cannot name a path that is not UTF-8 text";
        }
        at += length;
    }
    return {};
}

std::string DesktopEntryText(const DesktopEntryPlaces& places) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           // Told apart in the menus from the package's entry and from
           // each other by their directory.
           "Name=Orbilon (" +
           Escaped(places.directory) +
           ")\n"
           "Comment=Orbilon installed in " +
           Escaped(places.directory) +
           "\n"
           "Exec=" +
           Escaped(ExecLine(places.viewer)) +
           "\n"
           "Path=" +
           Escaped(places.directory) +
           "\n"
           "Icon=" +
           Escaped(places.icon) +
           "\n"
           "Categories=Education;History;\n"
           "Terminal=false\n" +
           kDirectoryKey + "=" + Escaped(places.directory) + "\n";
}

std::optional<std::string> DesktopEntryDirectory(std::string_view text) {
    bool inEntryGroup = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimFront(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.front() == '[') {
            inEntryGroup = TrimBack(line) == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inEntryGroup && equals != std::string_view::npos &&
            TrimBack(line.substr(0, equals)) == kDirectoryKey) {
            return Unescaped(TrimFront(line.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

std::string DesktopEntryFileName(std::string_view directory) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::uint32_t hash = Fnv1a(directory);
    std::string hex(8, '0');
    for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit) {
        *digit = kDigits[hash & 0xFu];
        hash >>= 4;
    }
    return "orbilon-" + hex + ".desktop";
}

}  // namespace orbsetup
