#include "features/GXClipboardFormats.h"
#include "core/GXStyle.h"

#include <cstring>

void CGXClipboardFormats::AppendCellText(CString& strOut, LPCTSTR pszText, BOOL bEscapes)
{
    if (pszText == nullptr)
        return;
    for (LPCTSTR p = pszText; *p != '\0'; ++p) {
        char ch = *p;
        if (bEscapes) {
            if (ch == '\r')
                strOut += "\\r";
            else if (ch == '\n')
                strOut += "\\n";
            else if (ch == '\t')
                strOut += "\\t";
            else
                strOut += ch;
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && p[1] == '\n')
                ++p;
            strOut += ' ';
        } else {
            strOut += ch;
        }
    }
}

namespace {
CString Unescape(const CString& strCell)
{
    CString s;
    const int n = strCell.GetLength();
    for (int i = 0; i < n; ++i) {
        char ch = strCell[i];
        if (ch == '\\' && i + 1 < n) {
            char next = strCell[i + 1];
            char put = next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : '\0';
            if (put != '\0') {
                s += put;
                ++i;
                continue;
            }
        }
        s += ch;
    }
    return s;
}
} // namespace

DWORD CGXClipboardFormats::ScanText(
    LPCSTR pszText, DWORD dwSize, LPCTSTR pszSeparators, BOOL bEscapes,
    const std::function<BOOL(ROWCOL, ROWCOL, const CString&)>& onCell)
{
    const char* pszSep = pszSeparators != nullptr && *pszSeparators != '\0' ? pszSeparators : "\t";
    if (pszText == nullptr)
        dwSize = 0;
    DWORD nCells = 0;
    ROWCOL nRow = 0, nCol = 0;
    DWORD i = 0;
    for (;;) {
        DWORD nStart = i;
        while (i < dwSize && pszText[i] != '\0' && pszText[i] != '\r' && pszText[i] != '\n' &&
               std::strchr(pszSep, pszText[i]) == nullptr)
            ++i;
        CString strCell(pszText != nullptr ? pszText + nStart : "", (int)(i - nStart));
        ++nCells;
        if (!onCell(nRow, nCol, bEscapes ? Unescape(strCell) : strCell))
            break;
        if (i >= dwSize || pszText[i] == '\0')
            break;
        if (pszText[i] == '\r' || pszText[i] == '\n') {
            if (pszText[i] == '\r' && i + 1 < dwSize && pszText[i + 1] == '\n')
                ++i;
            ++i;
            if (i >= dwSize || pszText[i] == '\0')
                break; // a closing line break adds no row
            ++nRow;
            nCol = 0;
        } else {
            ++i;
            ++nCol;
        }
        if (nRow >= GX_MAXROWCOL || nCol >= GX_MAXROWCOL)
            break;
    }
    return nCells;
}

void CGXClipboardFormats::MeasureText(LPCSTR pszText, DWORD dwSize, LPCTSTR pszSeparators,
                                      ROWCOL& nRows, ROWCOL& nCols)
{
    nRows = 1;
    nCols = 1;
    ScanText(pszText, dwSize, pszSeparators, FALSE, [&](ROWCOL nRow, ROWCOL nCol, const CString&) {
        nRows = std::max(nRows, nRow + 1);
        nCols = std::max(nCols, nCol + 1);
        return TRUE;
    });
}

void CGXClipboardFormats::WriteStyleBlock(CArchive& ar, DWORD nRows, DWORD nCols,
                                          const CObArray& styles)
{
    ar << nRows << nCols;
    ar << (const CObject*)&styles;
}

void CGXClipboardFormats::FreeStyleBlock(CObArray* pStyles)
{
    if (pStyles == nullptr)
        return;
    for (INT_PTR i = 0; i < pStyles->GetSize(); ++i)
        delete pStyles->GetAt(i);
    delete pStyles;
}

BOOL CGXClipboardFormats::ReadStyleBlock(CArchive& ar, DWORD& nRows, DWORD& nCols,
                                         CObArray*& pStyles)
{
    pStyles = nullptr;
    CObArray* pArray = nullptr;
    try {
        ar >> nRows >> nCols;
        if (nRows == 0 || nCols == 0 || nRows > nMaxStyleBlockSide || nCols > nMaxStyleBlockSide)
            return FALSE;
        // The array object: a new object of exactly the array class.
        UINT nSchema = 0;
        DWORD dwTag = 0;
        CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CObArray), &nSchema, &dwTag);
        if (pClass != RUNTIME_CLASS(CObArray))
            return FALSE;
        pArray = new CObArray;
        ar.MapObject(pArray);
        const DWORD_PTR nCount = ar.ReadCount();
        if (nCount != (DWORD_PTR)nRows * nCols)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        ar.EnsureAvailable((ULONGLONG)nCount * 2); // at least a tag per entry
        pArray->SetSize((INT_PTR)nCount);
        for (DWORD_PTR n = 0; n < nCount; ++n) {
            // Each entry is null or a style stored here for the first time; a reference to
            // an earlier object would be owned twice.
            pClass = ar.ReadClass(RUNTIME_CLASS(CGXStyle), &nSchema, &dwTag);
            if (pClass == nullptr) {
                if (dwTag != 0)
                    AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
                continue;
            }
            CObject* pOb = pClass->CreateObject();
            if (pOb == nullptr)
                AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
            pArray->SetAt((INT_PTR)n, pOb);
            ar.MapObject(pOb);
            UINT nSchemaSave = ar.GetObjectSchema();
            ar.SetObjectSchema(nSchema);
            pOb->Serialize(ar);
            ar.SetObjectSchema(nSchemaSave);
        }
    } catch (CException* e) {
        e->Delete();
        FreeStyleBlock(pArray);
        return FALSE;
    }
    pStyles = pArray;
    return TRUE;
}
