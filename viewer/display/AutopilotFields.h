// The six values the Autopilot dialog shows and returns.
#pragma once

#include <string>

namespace orb {

struct AutopilotFields {
    unsigned m_nDay = 0;
    std::string m_strMonth;
    std::string m_strEra;
    double m_dYear = 0.0;
    unsigned m_nHour = 0;
    unsigned m_nMinute = 0;
};

}  // namespace orb
