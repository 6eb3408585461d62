#include "CaptionPageText.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

struct RatePacing
{
    const char* rate;
    int pacing;
};
const RatePacing kRates[] = {{"NONE", 0}, {"210", 40}, {"200", 43}, {"190", 45},
                             {"180", 48}, {"170", 50}, {"160", 53}, {"150", 59}};

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i]))
            return false;
    return true;
}

} // namespace

const char* const kWordsPerMinuteEntries[8] = {"NONE", "210", "200", "190",
                                               "180",  "170", "160", "150"};

std::string PortEntryText(int port)
{
    char text[32];
    std::snprintf(text, sizeof text, "COM %d", port);
    return text;
}

std::string PortSettingFromEntry(const std::string& entry)
{
    if (entry.size() < 3 || !EqualNoCase(entry.substr(0, 3), "COM"))
        return std::string();
    size_t digits = entry.find_first_of("0123456789", 3);
    if (digits == std::string::npos || entry.find_first_not_of(' ', 3) != digits)
        return std::string();
    size_t end = entry.find_first_not_of("0123456789", digits);
    return entry.substr(digits, end == std::string::npos ? std::string::npos : end - digits);
}

FlowChecks FlowChecksFromText(const std::string& flow)
{
    FlowChecks checks;
    if (flow == "XON")
        checks.xonXoff = 1;
    else if (flow == "DTR")
        checks.dtrDsr = 1;
    else if (flow == "RTS")
        checks.rtsCts = 1;
    return checks;
}

std::string WordsPerMinuteText(int wpmPacing)
{
    for (const RatePacing& row : kRates)
        if (row.pacing == wpmPacing)
            return row.rate;
    return "180";
}

int WordsPerMinutePacing(const std::string& text)
{
    for (const RatePacing& row : kRates)
        if (EqualNoCase(text, row.rate))
            return row.pacing;
    return 48;
}

std::string NewTitleProblem(const std::string& title, const std::vector<std::string>& titles)
{
    if (title.empty())
        return "The name cannot be blank.";
    for (const std::string& existing : titles)
        if (EqualNoCase(existing, title))
            return title + " is already used.";
    if (title.find('\\') != std::string::npos)
        return "The name cannot contain a backslash (\\).";
    return std::string();
}
