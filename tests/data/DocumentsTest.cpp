// Checks of the distribution's text documents: plain 7-bit text with CR LF
// line ends for any editor, each stating what it is there for. Their sizes
// are measured by the build for the installer's table.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kMaxLineLength = 78;  // readable in an 80-column window

struct Document {
    const char* name;
    const char* mustMention;  // one fact the document has to state
};

const Document kDocuments[] = {
    {"LICENSE.txt", "MIT"},
    {"README.txt", "orb.exe"},
    {"QUICK GUIDE.txt", "Set Destination"},
    {"TROUBLE SHOOTING.txt", "setup"},
    {"VERSIONS.txt", "1.2"},
};

bool ReadFile(const std::string& path, std::string* contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    contents->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The first fault of the text as a message, or an empty string.
std::string TextFault(std::string_view text) {
    if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") {
        return "does not end with CR LF";
    }
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') {
                return "CR without LF at byte " + std::to_string(i);
            }
            if (i - lineStart > kMaxLineLength) {
                return "line longer than " + std::to_string(kMaxLineLength) + " at byte " +
                       std::to_string(lineStart);
            }
            if (i > lineStart && text[i - 1] == ' ' && i + 2 < text.size()) {
                return "trailing blank at byte " + std::to_string(i - 1);
            }
            ++i;
            lineStart = i + 1;
        } else if (c == '\n') {
            return "LF without CR at byte " + std::to_string(i);
        } else if (c < 32 || c > 126) {
            return "byte " + std::to_string(c) + " at offset " + std::to_string(i);
        }
    }
    return "";
}

TEST(Documents, ArePlainAsciiWithCrLfLineEnds) {
    for (const Document& doc : kDocuments) {
        std::string text;
        ASSERT_TRUE(ReadFile(std::string(ORB_SOURCE_DIR "/data/") + doc.name, &text)) << doc.name;
        EXPECT_EQ(TextFault(text), "") << doc.name;
        EXPECT_NE(text.find(doc.mustMention), std::string::npos)
            << doc.name << " does not mention " << doc.mustMention;
    }
}

TEST(Documents, TextFaultFindsBrokenSamples) {
    struct Case {
        const char* text;
        const char* fault;
    };
    const Case cases[] = {
        {"one\r\ntwo", "does not end with CR LF"},
        {"one\ntwo\r\n", "LF without CR"},
        {"one\rtwo\r\n", "CR without LF"},
        {"caf\xe9\r\n", "byte 233"},
        {"tab\there\r\n", "byte 9"},
        {"blank \r\nnext\r\n", "trailing blank"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(TextFault(c.text).find(c.fault), std::string::npos) << c.text;
    }
    EXPECT_NE(TextFault(std::string(79, 'x') + "\r\n").find("line longer"), std::string::npos);
    EXPECT_EQ(TextFault(std::string(78, 'x') + "\r\n\r\n \r\n"), "");
}

}  // namespace
