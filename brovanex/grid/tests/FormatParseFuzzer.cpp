// The number, date and time readers over arbitrary text: the first byte picks the reader
// and the date order; whatever is read is shown again.
#include "core/GXStyle.h"
#include "features/GXDateTimeImp.h"
#include "features/GXNumberFormattingImp.h"
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str(); // up to the first zero byte
    int nPick = data[0];
    if (nPick % 3 == 0) {
        double d = 0;
        int nFormat = 0, nPlaces = 0;
        if (CGXNumberFormattingImp::ParseNumber(text.c_str(), d, &nFormat, &nPlaces)) {
            for (int nCode = 0; nCode < 32; ++nCode)
                CGXNumberFormattingImp::FormatNumber(d, nCode, nPlaces, text.c_str());
        }
    } else if (nPick % 3 == 1) {
        CGXNoOleDateTimeImp imp;
        GXDateTimeRecord r;
        struct tm t;
        int nOrder = (nPick / 3) % 4;
        if (imp.ParseDateTime(r, text.c_str(), nOrder)) {
            CString s;
            imp.FormatDateTime(s, r);
        }
        imp.ParseDateTimeTm(t, text.c_str(), nOrder);
    } else {
        CGXOleDateTimeImp imp;
        GXDateTimeRecord r;
        if (imp.ParseDateTime(r, text.c_str(), 0)) {
            CString s;
            imp.FormatDateTime(s, r);
        }
    }
    return 0;
}
