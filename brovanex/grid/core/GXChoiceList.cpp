#include "core/GXChoiceList.h"
#include <algorithm>
#include <cstring>
#if !defined(_WIN32)
#include <strings.h>
#endif
#include <vector>

namespace {
const int kKeyBytes = 127;

std::vector<CString> SplitLines(LPCTSTR pszList)
{
    std::vector<CString> lines;
    CString strText = pszList != nullptr ? pszList : "";
    while (!strText.IsEmpty()) {
        CString strLine;
        int nBreak = GXExtractLine(strText, strLine);
        lines.push_back(strLine);
        if (nBreak < 0)
            break;
    }
    return lines;
}

int CompareNoCase(LPCTSTR a, LPCTSTR b, size_t n)
{
#if defined(_WIN32)
    return _strnicmp(a, b, n);
#else
    return strncasecmp(a, b, n);
#endif
}
} // namespace

int GXExtractLine(CString& strText, CString& strLine)
{
    int nBreak = strText.FindOneOf("\r\n");
    if (nBreak < 0) {
        strLine = strText;
        strText.Empty();
        return -1;
    }
    strLine = strText.Left(nBreak);
    int nSkip =
        (strText[nBreak] == '\r' && nBreak + 1 < strText.GetLength() && strText[nBreak + 1] == '\n')
        ? 2
        : 1;
    strText = strText.Mid(nBreak + nSkip);
    return nBreak;
}

int GXGetTabbedItem(LPCTSTR pszLine, int n, LPTSTR pszBuffer, int nCapacity)
{
    if (pszBuffer == nullptr || nCapacity <= 0)
        return 0;
    pszBuffer[0] = '\0';
    if (pszLine == nullptr || n < 0)
        return 0;
    const char* p = pszLine;
    for (int i = 0; i < n; ++i) {
        p = strchr(p, '\t');
        if (p == nullptr)
            return 0;
        ++p;
    }
    const char* pEnd = strchr(p, '\t');
    size_t nLen = pEnd != nullptr ? (size_t)(pEnd - p) : strlen(p);
    nLen = std::min(nLen, (size_t)nCapacity - 1);
    memcpy(pszBuffer, p, nLen);
    pszBuffer[nLen] = '\0';
    return (int)nLen;
}

CString GXGetTabbedItem(LPCTSTR pszLine, int n)
{
    CString s;
    int nCapacity = pszLine != nullptr ? (int)strlen(pszLine) + 1 : 1;
    int nLen = GXGetTabbedItem(pszLine, n, s.GetBuffer(nCapacity), nCapacity);
    s.ReleaseBuffer(nLen);
    return s;
}

int GXFindChoice(LPCTSTR pszText, int n, LPCTSTR pszChoiceList, BOOL bSkipFirstLine,
                 CString& strFoundLine, BOOL bExact)
{
    strFoundLine.Empty();
    if (pszText == nullptr)
        return -1;
    std::vector<CString> lines = SplitLines(pszChoiceList);
    size_t nFirst = bSkipFirstLine && !lines.empty() ? 1 : 0;
    const size_t nTextLen = strlen(pszText);
    for (size_t i = nFirst; i < lines.size(); ++i) {
        char szField[kKeyBytes + 1];
        GXGetTabbedItem(lines[i], n, szField, sizeof szField);
        bool bMatch =
            bExact ? strcmp(szField, pszText) == 0 : CompareNoCase(szField, pszText, nTextLen) == 0;
        if (bMatch) {
            strFoundLine = lines[i];
            return (int)(i - nFirst);
        }
    }
    return -1;
}

void GXSortChoiceList(CString& strChoiceList, int n, BOOL bKeepFirst)
{
    std::vector<CString> lines = SplitLines(strChoiceList);
    auto key = [n](const CString& line) {
        if (n <= 0)
            return line;
        char szField[kKeyBytes + 1];
        GXGetTabbedItem(line, n, szField, sizeof szField);
        return CString(szField);
    };
    auto first = lines.begin() + (bKeepFirst && !lines.empty() ? 1 : 0);
    std::stable_sort(first, lines.end(), [&](const CString& a, const CString& b) {
        return key(a).CompareNoCase(key(b)) < 0;
    });
    strChoiceList.Empty();
    for (const CString& line : lines) {
        strChoiceList += line;
        strChoiceList += "\r\n";
    }
}
