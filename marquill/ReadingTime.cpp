#include "ReadingTime.h"

#include <cmath>
#include <cstdio>

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
} // namespace

long WeightedReadingCharacters(const std::string& text)
{
    size_t lo = 0, hi = text.size();
    while (lo < hi && IsBlank(text[lo]))
        ++lo;
    while (hi > lo && IsBlank(text[hi - 1]))
        --hi;
    long length = 0;
    for (size_t i = lo; i < hi; ++i) {
        if (text[i] == '\r' && i + 1 < hi && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        ++length;
    }
    return length + length / 10;
}

std::string ReadingTimeText(long characters, int readingSpeed)
{
    if (characters < 0)
        characters = 0;
    const double words = std::ceil(characters * 0.16666666666666666);
    // Whole words a second; the settings keep the speed at 60 or more, and a lower one
    // (from an edited profile) must not divide by zero.
    const unsigned rate = static_cast<unsigned>(readingSpeed < 60 ? 60 : readingSpeed) / 60u;
    const int seconds = static_cast<int>(std::ceil(words / rate));
    const int hours = seconds / 3600, minutes = (seconds % 3600) / 60, rest = seconds % 60;
    char text[64];
    std::snprintf(text, sizeof text, "%02.0f:%02.0f:%02.0f", double(hours), double(minutes),
                  double(rest));
    return text;
}
