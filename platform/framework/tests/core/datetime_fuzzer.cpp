// Feeds arbitrary text to the date-time parser. A text that parses must format to a
// text that parses back to the same value.
#include "fw/core.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    DWORD flags = data[0] & (VAR_TIMEVALUEONLY | VAR_DATEVALUEONLY);
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    COleDateTime parsed;
    if (!parsed.ParseDateTime(text.c_str(), flags))
        return 0;
    CString formatted = parsed.Format();
    COleDateTime again;
    if (!again.ParseDateTime(formatted) || !(again == parsed))
        std::abort();
    return 0;
}
