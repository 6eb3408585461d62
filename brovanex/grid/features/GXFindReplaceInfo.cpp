#include "features/GXFindReplaceInfo.h"
#include "fw/win.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {
// The length of the character at a byte index (2 for a lead byte with its trail byte).
int CharLength(const CString& strText, int nIndex)
{
    const unsigned char ch = (unsigned char)strText[nIndex];
    return ::IsDBCSLeadByte(ch) && nIndex + 1 < strText.GetLength() ? 2 : 1;
}

// The first occurrence of strWhat in strIn at or after nStart (both already compared texts).
int FindCompared(const CString& strIn, const CString& strWhat, int nStart)
{
    const int nWhat = strWhat.GetLength(), nLength = strIn.GetLength();
    if (nWhat == 0 || nStart < 0)
        return -1;
    // Steps by characters from the start of the text, so a trail byte never starts a match.
    for (int i = 0; i + nWhat <= nLength; i += CharLength(strIn, i))
        if (i >= nStart && memcmp((LPCSTR)strIn + i, (LPCSTR)strWhat, (size_t)nWhat) == 0)
            return i;
    return -1;
}
} // namespace

void GXFindReplaceInfo::PrepareFindText() { strFindUpper = CompareText(strFind); }

CString GXFindReplaceInfo::CompareText(const CString& strText) const
{
    CString strResult = strText;
    if (!bCase && !strResult.IsEmpty()) {
        LPSTR psz = strResult.GetBuffer(strResult.GetLength());
        ::CharUpperBuffA(psz, (DWORD)strResult.GetLength());
        strResult.ReleaseBuffer(strText.GetLength());
    }
    return strResult;
}

int GXFindReplaceInfo::FindIn(const CString& strText, int nStart) const
{
    if (strFind.IsEmpty())
        return -1;
    return FindCompared(CompareText(strText), CompareText(strFind), nStart);
}

int GXFindReplaceInfo::FindLastIn(const CString& strText, int nBefore) const
{
    int nLast = -1;
    for (int i = FindIn(strText, 0); i >= 0 && i < nBefore; i = FindIn(strText, i + 1))
        nLast = i;
    return nLast;
}

int GXFindReplaceInfo::FindFromCaret(const CString& strText, int nCaret, BOOL bIncludeStart) const
{
    nCaret = std::max(0, std::min(nCaret, strText.GetLength()));
    if (!bNext)
        return FindLastIn(strText, bIncludeStart ? nCaret + 1 : nCaret);
    if (!bIncludeStart && nCaret < strText.GetLength())
        nCaret += CharLength(strText, nCaret);
    return FindIn(strText, nCaret);
}

BOOL GXFindReplaceInfo::IsMatch(const CString& strText) const
{
    return !strFind.IsEmpty() && CompareText(strText) == CompareText(strFind);
}

BOOL GXFindReplaceInfo::ReplaceIn(CString& strText, int nStart) const
{
    const CString strIn = CompareText(strText), strWhat = CompareText(strFind);
    const int nWhat = strWhat.GetLength();
    int nHit = FindCompared(strIn, strWhat, nStart);
    if (nHit < 0)
        return FALSE;
    // Built in a string of its own: results of any length, and the search goes on in the
    // original text behind each occurrence, never in what replaced it.
    std::string result((LPCSTR)strText, (size_t)nHit);
    int nFrom = nHit;
    while (nHit >= 0) {
        result.append((LPCSTR)strText + nFrom, (size_t)(nHit - nFrom));
        result.append((LPCSTR)strReplace, (size_t)strReplace.GetLength());
        nFrom = nHit + nWhat;
        nHit = FindCompared(strIn, strWhat, nFrom);
    }
    result.append((LPCSTR)strText + nFrom, (size_t)(strText.GetLength() - nFrom));
    strText = CString(result.c_str(), (int)result.size());
    return TRUE;
}

GXFindReplaceInfo& GXGetFindReplaceInfo()
{
    static GXFindReplaceInfo s_info;
    return s_info;
}
