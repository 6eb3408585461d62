#include "core/GXResourceString.h"

#if defined(_WIN32)
BOOL GXLoadString(UINT nID, CString& strText) { return strText.LoadString(nID); }
#else
#include <algorithm>
#include <iterator>

namespace {
struct StringEntry
{
    UINT nID;
    LPCSTR pszText;
};
const StringEntry kStrings[] = {
#define GX_STRING(id, text) {id, text},
#include "res/GXStringTable.inc"
#undef GX_STRING
};
} // namespace

BOOL GXLoadString(UINT nID, CString& strText)
{
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), nID,
                               [](const StringEntry& e, UINT id) { return e.nID < id; });
    if (it == std::end(kStrings) || it->nID != nID)
        return FALSE;
    strText = it->pszText;
    return TRUE;
}
#endif
