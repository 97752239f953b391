#include "display/CheckDatabankCommand.h"

#include <ostream>
#include <vector>

#include "display/DatabankCheck.h"
#include "platform/WholeFile.h"

namespace orb {

int CheckDatabankCommand(const std::string& path, std::ostream& out, std::ostream& err) {
    const platform::WholeFile file = platform::ReadWholeFile(path, kLargestDatabank);
    if (!file.read) {
        err << path << ": " << file.problem << "\n";
        return 2;
    }
    const std::vector<DatabankProblem> problems = CheckDatabank(file.bytes, DatabankProfile::kOwn);
    for (const DatabankProblem& problem : problems) {
        out << Describe(problem, path) << "\n";
    }
    if (problems.empty()) {
        out << path << ": no problems found\n";
    }
    out.flush();
    return problems.empty() ? 0 : 1;
}

}  // namespace orb
