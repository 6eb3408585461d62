#include "docview_util.h"

#include <cstring>

namespace fw {

CString FileTitleOf(LPCSTR lpszPathName)
{
    if (lpszPathName == nullptr)
        return CString();
    LPCSTR lpszName = lpszPathName;
    for (LPCSTR p = lpszPathName; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            lpszName = p + 1;
    return CString(lpszName);
}

CString FormatString1(UINT nID, LPCSTR lpsz1)
{
    CString strFormat;
    if (!strFormat.LoadString(nID))
        return CString(lpsz1);
    CString strResult;
    int iArg = strFormat.Find("%1");
    if (iArg < 0)
        return strFormat;
    strResult = strFormat.Left(iArg) + (lpsz1 != nullptr ? lpsz1 : "") + strFormat.Mid(iArg + 2);
    return strResult;
}

} // namespace fw
