// Puts the process's numbers in a locale whose decimal separator is a comma
// (as in German or French), for as long as the object lives.
//
// The locale is compiled here from a definition of a few lines, with the C
// library's own localedef, so the test needs no locale installed on the
// machine. If it cannot be made, Active() is false and the test must fail.
#pragma once

#include <clocale>
#include <cstdlib>

#include <cstdio>
#include <string>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace orbtest {

class CommaDecimalLocale {
  public:
    CommaDecimalLocale() {
        std::string charmap =
            "<code_set_name> ORBTEST\n<comment_char> %\n<escape_char> /\n"
            "<mb_cur_max> 1\n<mb_cur_min> 1\nCHARMAP\n";
        for (int code = 0; code < 128; ++code) {
            char line[32];
            std::snprintf(line, sizeof line, "<U%04X> /x%02x\n", code, code);
            charmap += line;
        }
        charmap += "END CHARMAP\n";
        m_dir.Write("charmap", charmap);
        m_dir.Write("source",
                    "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"<U002E>\"\n"
                    "grouping 3;3\nEND LC_NUMERIC\n");

        // localedef warns about the categories left out and says so in its exit
        // status; whether the locale loads is what counts.
        CommandOutput("localedef -c -f '" + Path("charmap") + "' -i '" + Path("source") + "' '" +
                      Path(kName) + "' 2>&1");

        // Locales are looked up under LOCPATH when it is set; it is put back at
        // once. The process's numbers change, as the user's locale changes them.
        const char* before = ::getenv("LOCPATH");
        const std::string savedPath = before != nullptr ? before : "";
        m_previous = ::setlocale(LC_NUMERIC, nullptr);
        ::setenv("LOCPATH", m_dir.Str().c_str(), 1);
        m_set = ::setlocale(LC_NUMERIC, kName) != nullptr;
        if (before != nullptr) {
            ::setenv("LOCPATH", savedPath.c_str(), 1);
        } else {
            ::unsetenv("LOCPATH");
        }
    }

    ~CommaDecimalLocale() {
        if (m_set) {
            ::setlocale(LC_NUMERIC, m_previous.c_str());
        }
    }

    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    // True when the decimal separator is now the comma.
    bool Active() const { return m_set && std::string(::localeconv()->decimal_point) == ","; }

  private:
    static constexpr const char* kName = "comma";

    std::string Path(const char* name) const { return (m_dir.Path() / name).string(); }

    TempDir m_dir;
    std::string m_previous;
    bool m_set = false;
};

}  // namespace orbtest
