// The two byte formats cells are exchanged in, without a grid: tab-separated text (rows
// ended by "\r\n") and the archived style block (R, C and an array of R x C styles). The
// readers take untrusted bytes: the text reader never reads past the block's size, the
// style reader refuses anything but the exact layout.
#pragma once
#include "core/GXDefs.h"

#include <functional>

class CGXStyle;

class CGXClipboardFormats
{
public:
    // Largest row or column count of a style block.
    static const DWORD nMaxStyleBlockSide = 0x7FFF;

    // One cell of an export. With bEscapes a CR, LF or TAB inside the text is written as
    // "\r", "\n" or "\t"; without, a line break (CR LF, CR or LF) becomes one blank.
    static void AppendCellText(CString& strOut, LPCTSTR pszText, BOOL bEscapes);

    // Calls onCell(row offset, column offset, text) for each cell of the text: a cell ends at
    // a NUL, CR or LF, at any character of pszSeparators (a TAB when empty), or at the end of
    // the block (dwSize bytes, whichever comes first). CR LF is one line break; a line break
    // at the end adds no empty row. With bEscapes "\r", "\n" and "\t" inside a cell become
    // CR, LF and TAB. onCell returns FALSE to stop. Returns the number of cells visited.
    static DWORD ScanText(LPCSTR pszText, DWORD dwSize, LPCTSTR pszSeparators, BOOL bEscapes,
                          const std::function<BOOL(ROWCOL, ROWCOL, const CString&)>& onCell);
    // The rows and the widest row's columns of a text (each at least 1).
    static void MeasureText(LPCSTR pszText, DWORD dwSize, LPCTSTR pszSeparators, ROWCOL& nRows,
                            ROWCOL& nCols);

    // Writes a style block: the counts and the array as one object (null entries allowed).
    static void WriteStyleBlock(CArchive& ar, DWORD nRows, DWORD nCols, const CObArray& styles);
    // Reads a style block. FALSE, with nothing allocated, unless R and C are 1 .. 0x7FFF and
    // the array holds R x C entries, each a newly stored style or null. On success pStyles
    // is a new array the caller frees with FreeStyleBlock. Archive errors are caught.
    static BOOL ReadStyleBlock(CArchive& ar, DWORD& nRows, DWORD& nCols, CObArray*& pStyles);
    static void FreeStyleBlock(CObArray* pStyles);
};
