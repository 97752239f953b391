#pragma once

#include <string>

namespace orb {

// One event of the browsing screen's page, as listed: the date shown in the
// left column and the text beside it, without its shade's mark.
struct ListedEvent {
    std::string date;
    std::string text;
};

}  // namespace orb
