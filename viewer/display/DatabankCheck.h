// What is wrong with a databank, line by line: errors refuse the file,
// warnings say what will not show, or will show wrongly. The records are
// walked with the browsing screen's own scanner.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orb {

// The largest databank of one's own the viewer opens.
inline constexpr std::size_t kLargestDatabank = std::size_t{1} << 20;

enum class DatabankProfile {
    kOwn,      // a user's file: only what hides or garbles records
    kShipped,  // the installed databank: its editorial rules as well
};

struct DatabankProblem {
    bool error = false;    // refuses the file
    std::size_t line = 0;  // 1-based; 0 for the file as a whole
    std::string what;
};

std::vector<DatabankProblem> CheckDatabank(std::string_view bytes, DatabankProfile profile);

bool HasError(const std::vector<DatabankProblem>& problems);

// "line 12: warning: ...", or "error: ..." for the file as a whole; with a
// file name, as compilers write it: "my.dat:12: warning: ...".
std::string Describe(const DatabankProblem& problem, std::string_view file = {});

// The first `most` problems, a line each, and how many more there are.
std::string ListProblems(const std::vector<DatabankProblem>& problems, std::size_t most);

}  // namespace orb
