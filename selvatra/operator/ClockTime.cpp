// Time texts of the clock displays.
#include "ClockTime.h"

#include <cstdio>
#include <cstdlib>

namespace {
const size_t kTrimmedMinimum = 4; // "M:SS"
}

std::string FormatTime(CTimeSpan span, bool trim)
{
    long long s = span.GetTotalSeconds();
    if (s < 0)
        s = -s;
    int hours = (int)((s / 3600) % 24), minutes = (int)((s / 60) % 60), seconds = (int)(s % 60);
    char text[16];
    snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds);
    std::string out = text;
    if (trim)
        while (out.size() > kTrimmedMinimum && (out[0] == '0' || out[0] == ':'))
            out.erase(0, 1);
    return out;
}

CTimeSpan ParseTime(const std::string& text)
{
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return CTimeSpan(0);
    bool negative = text[start] == '-';
    if (negative)
        ++start;
    long long fields[3] = {0, 0, 0};
    int count = 0;
    size_t pos = start;
    while (count < 3) {
        fields[count++] = atoi(text.c_str() + pos);
        size_t colon = text.find(':', pos);
        if (colon == std::string::npos)
            break;
        pos = colon + 1;
    }
    long long seconds = fields[0] * 3600 + fields[1] * 60 + fields[2];
    return CTimeSpan(negative ? -seconds : seconds);
}
