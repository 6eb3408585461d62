#include "qelstring.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

qelstring::~qelstring() { clear(); }

void qelstring::Format(const char* format, ...)
{
    if (format == nullptr) {
        clear();
        return;
    }
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed < 0) {
        // A conversion the C library refuses: leave an empty text rather than garbage.
        va_end(args);
        clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    assign(buffer.data(), static_cast<size_t>(needed));
}
