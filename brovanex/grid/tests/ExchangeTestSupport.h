// A grid window with the clipboard, clearing and copying features on, and helpers that
// fill, read and select its cells and read the clipboard's text.
#pragma once
#include "GridTestWindow.h"
#include "core/GXLibraryState.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"

#include <gtest/gtest.h>

class CExchangeGrid : public CGridTestWindow
{
public:
    CExchangeGrid(ROWCOL nRows, ROWCOL nCols) : CGridTestWindow(nRows, nCols)
    {
        CGXGridLibraryState& state = GXGetLibraryState();
        if (state.m_nClipboardFormat == 0)
            state.m_nClipboardFormat = ::RegisterClipboardFormatA("Grid Styles test");
        GXImplementLongOperation();
        GXImplementCutPaste(&Grid());
        Grid().m_nClipboardFlags = GX_CLIP_TEXT;
    }
    // Rows of the block are given as "a,b,c|d,e,f" from (nRow, nCol).
    void Fill(ROWCOL nRow, ROWCOL nCol, const char* pszRows)
    {
        ROWCOL r = nRow, c = nCol;
        CString cell;
        for (const char* p = pszRows;; ++p) {
            if (*p == ',' || *p == '|' || *p == '\0') {
                Grid().SetValueRange(CGXRange(r, c, r, c), cell);
                cell.Empty();
                if (*p == '\0')
                    break;
                if (*p == ',') {
                    ++c;
                } else {
                    ++r;
                    c = nCol;
                }
            } else {
                cell += *p;
            }
        }
    }
    // The stored values of a block in the same form ("." for an empty value).
    CString Values(const CGXRange& range)
    {
        CString s;
        for (ROWCOL r = range.top; r <= range.bottom; ++r) {
            if (r > range.top)
                s += "|";
            for (ROWCOL c = range.left; c <= range.right; ++c) {
                if (c > range.left)
                    s += ",";
                CString v = Grid().GetValueRowCol(r, c);
                s += v.IsEmpty() ? CString(".") : v;
            }
        }
        return s;
    }
    void Select(const CGXRange& range) { Grid().GetParam()->m_selRects.AddRange(range); }
    void Unselect() { Grid().GetParam()->m_selRects.DeleteAreas(); }
};

// The clipboard's CF_TEXT, "<none>" when it holds none.
inline CString ClipboardText()
{
    CString s("<none>");
    if (!::OpenClipboard(nullptr))
        return CString("<closed>");
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        if (LPCSTR psz = static_cast<LPCSTR>(::GlobalLock(h))) {
            s = psz;
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    return s;
}

// Puts bytes on the clipboard as CF_TEXT, exactly as given (no closing zero is added).
inline void PutClipboardBytes(const char* p, size_t cb)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    memcpy(::GlobalLock(h), p, cb);
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
}
