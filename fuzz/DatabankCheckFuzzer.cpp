// A databank of one's own from any bytes, as the viewer opens one: the file
// read back whole, the checker under both profiles and the scanner's walk.
// Nothing is read outside the data, the reader hands back exactly what was
// written, every problem names a line the file has, and what refuses a file
// is exactly what the checker promises.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "display/DatabankCheck.h"
#include "display/EventRecords.h"
#include "fuzz/FuzzCheck.h"
#include "platform/Utf8.h"
#include "platform/WholeFile.h"

namespace {

using orbfuzz::Require;

const std::string& ScratchFile() {
    static const std::string path = "/tmp/databank-fuzz-" + std::to_string(::getpid()) + ".dat";
    return path;
}

// A slow reading of UTF-8 validity, byte by byte from the standard's table.
bool ValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b <= 0x7F) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b == 0xE0) {
            more = 2;
            low = 0xA0;
        } else if (b == 0xED) {
            more = 2;
            high = 0x9F;
        } else if (b >= 0xE1 && b <= 0xEF) {
            more = 2;
        } else if (b == 0xF0) {
            more = 3;
            low = 0x90;
        } else if (b >= 0xF1 && b <= 0xF3) {
            more = 3;
        } else if (b == 0xF4) {
            more = 3;
            high = 0x8F;
        } else {
            return false;
        }
        if (text.size() - i <= more) {
            return false;
        }
        for (std::size_t k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            const unsigned char from = k == 1 ? low : 0x80;
            const unsigned char to = k == 1 ? high : 0xBF;
            if (c < from || c > to) {
                return false;
            }
        }
        i += more + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const platform::WholeFile file = platform::ReadWholeFile(ScratchFile(), orb::kLargestDatabank);
    Require(file.read, "a regular file is read");
    Require(file.bytes == bytes, "the reader hands back the file's bytes");

    std::size_t lines = 1;
    for (const char c : bytes) {
        lines += c == '\n' ? 1U : 0U;
    }
    const std::size_t zero = bytes.find('\0');
    const bool zeroInside =
        zero != std::string::npos && bytes.find_first_not_of('\0', zero) != std::string::npos;
    const bool refused = bytes.empty() || zeroInside || !ValidUtf8(bytes.substr(0, zero));
    for (const orb::DatabankProfile profile :
         {orb::DatabankProfile::kOwn, orb::DatabankProfile::kShipped}) {
        const std::vector<orb::DatabankProblem> problems = orb::CheckDatabank(bytes, profile);
        for (const orb::DatabankProblem& problem : problems) {
            Require(problem.line <= lines, "a problem names a line the file has");
            Require(!problem.what.empty(), "a problem says what it is");
            Require(!orb::Describe(problem, "f").empty(), "a problem can be described");
        }
        if (profile == orb::DatabankProfile::kOwn) {
            Require(orb::HasError(problems) == refused, "errors are exactly the refusals");
        }
        Require(orb::ListProblems(problems, 10).size() >= (problems.empty() ? 0U : 1U),
                "problems can be listed");
    }

    orb::EventRecords scanner(data, size);
    std::size_t previousEnd = 0;
    for (orb::EventRecord record; scanner.Next(&record);) {
        const auto* begin = reinterpret_cast<const char*>(data);
        Require(
            record.date.data() >= begin && record.date.data() + record.date.size() <= begin + size,
            "the date lies in the data");
        Require(record.text.empty() || (record.text.data() >= begin &&
                                        record.text.data() + record.text.size() <= begin + size),
                "the text lies in the data");
        Require(platform::Utf8Length(record.date) <= orb::kDateLineLimit, "the date's limit");
        Require(platform::Utf8Length(record.text) <= orb::kTextLineLimit, "the text's limit");
        Require(record.end > previousEnd && record.end <= size, "records move forward");
        previousEnd = record.end;
    }
    return 0;
}
