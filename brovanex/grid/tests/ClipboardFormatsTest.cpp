// The exchange formats without a grid: cell text written for export, the text reader with
// its block bound and escapes, and the style block's checks.
#include "core/GXStyle.h"
#include "features/GXClipboardFormats.h"
#include "ArchiveBytes.h"
#include <gtest/gtest.h>

#include <vector>

namespace {
// "r,c=text;" for each cell the reader visits.
CString Scan(const char* psz, DWORD dwSize, BOOL bEscapes = FALSE, LPCTSTR pszSep = "")
{
    CString s;
    CGXClipboardFormats::ScanText(psz, dwSize, pszSep, bEscapes,
                                  [&](ROWCOL r, ROWCOL c, const CString& text) {
                                      CString cell;
                                      cell.Format("%lu,%lu=%s;", (unsigned long)r, (unsigned long)c, (LPCTSTR)text);
                                      s += cell;
                                      return TRUE;
                                  });
    return s;
}
CString Scan(const char* psz) { return Scan(psz, (DWORD)strlen(psz)); }
} // namespace

TEST(ClipboardFormats, CellTextForExport)
{
    struct Case
    {
        const char* pszText;
        BOOL bEscapes;
        const char* pszOut;
    } cases[] = {
        {"two\r\nlines", FALSE, "two lines"},     {"lone\rcr\nand lf", FALSE, "lone cr and lf"},
        {"two\r\nlines", TRUE, "two\\r\\nlines"}, {"tab\there", TRUE, "tab\\there"},
        {"back\\slash", TRUE, "back\\slash"},
    };
    for (const Case& c : cases) {
        CString s;
        CGXClipboardFormats::AppendCellText(s, c.pszText, c.bEscapes);
        EXPECT_STREQ(c.pszOut, s);
    }
}

TEST(ClipboardFormats, TextReadIntoCells)
{
    EXPECT_STREQ("0,0=a;0,1=b;1,0=c;1,1=d;", Scan("a\tb\r\nc\td\r\n"));
    EXPECT_STREQ("0,0=a;1,0=;2,0=b;", Scan("a\n\nb"));
    EXPECT_STREQ("0,0=a;1,0=b;", Scan("a\rb\n"));
    EXPECT_STREQ("0,0=single;", Scan("single"));
    // Other separators.
    EXPECT_STREQ("0,0=a;0,1=b;0,2=c;", Scan("a;b,c", 5, FALSE, ";,"));
    // Escapes only with the flag; other backslashes stay.
    EXPECT_STREQ("0,0=x\\ny\\q;", Scan("x\\ny\\q", 6));
    EXPECT_STREQ("0,0=x\ny\\q;", Scan("x\\ny\\q", 6, TRUE));
}

TEST(ClipboardFormats, TextStopsAtTheBlockSizeAsAtAZeroByte)
{
    // No terminating zero inside the block: the reader stops at its size.
    const char block[] = {'a', '\t', 'b', '\r', '\n', 'c', 'X', 'Y'};
    EXPECT_STREQ("0,0=a;0,1=b;1,0=c;", Scan(block, 6));
    EXPECT_STREQ("0,0=a;0,1=b;", Scan(block, 4));
    const char zero[] = {'a', '\0', 'b'};
    EXPECT_STREQ("0,0=a;", Scan(zero, 3));
    ROWCOL nRows, nCols;
    CGXClipboardFormats::MeasureText(block, 6, "", nRows, nCols);
    EXPECT_EQ(2u, nRows);
    EXPECT_EQ(2u, nCols);
    CGXClipboardFormats::MeasureText(block, 0, "", nRows, nCols);
    EXPECT_EQ(1u, nRows);
    EXPECT_EQ(1u, nCols);
}

namespace {
std::vector<BYTE> Block(DWORD nRows, DWORD nCols, DWORD nEntries, BOOL bBackReference = FALSE)
{
    return StoreBytes([&](CArchive& ar) {
        CObArray array;
        CGXStyle* pStyle = new CGXStyle;
        for (DWORD i = 0; i < nEntries; ++i)
            array.Add(i == 0 || bBackReference ? pStyle : nullptr);
        CGXClipboardFormats::WriteStyleBlock(ar, nRows, nCols, array);
        delete pStyle;
    });
}

BOOL Read(const std::vector<BYTE>& bytes, DWORD& nRows, DWORD& nCols, CObArray*& pStyles)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    return CGXClipboardFormats::ReadStyleBlock(ar, nRows, nCols, pStyles);
}
} // namespace

TEST(ClipboardFormats, StyleBlockChecks)
{
    DWORD nRows = 0, nCols = 0;
    CObArray* pStyles = nullptr;
    ASSERT_TRUE(Read(Block(2, 3, 6), nRows, nCols, pStyles));
    EXPECT_EQ(2u, nRows);
    EXPECT_EQ(3u, nCols);
    ASSERT_NE(nullptr, pStyles);
    EXPECT_EQ(6, pStyles->GetSize());
    EXPECT_NE(nullptr, dynamic_cast<CGXStyle*>(pStyles->GetAt(0)));
    EXPECT_EQ(nullptr, pStyles->GetAt(5));
    CGXClipboardFormats::FreeStyleBlock(pStyles);

    struct Case
    {
        DWORD nRows, nCols, nEntries;
        BOOL bBackReference;
    } refused[] = {
        {0x8000, 1, 1, FALSE}, // too many rows
        {1, 0x8000, 1, FALSE}, // too many columns
        {0, 1, 0, FALSE},      {2, 2, 3, FALSE}, // the array does not hold R x C entries
        {2, 2, 5, FALSE},      {1, 2, 2, TRUE}, // the same style twice
    };
    for (const Case& c : refused) {
        pStyles = reinterpret_cast<CObArray*>(1);
        EXPECT_FALSE(
            Read(Block(c.nRows, c.nCols, c.nEntries, c.bBackReference), nRows, nCols, pStyles))
            << c.nRows << "x" << c.nCols << " " << c.nEntries;
        EXPECT_EQ(nullptr, pStyles);
    }
    // Cut short anywhere: refused without a leak (the sanitizers watch).
    std::vector<BYTE> bytes = Block(2, 3, 6);
    for (size_t n = 0; n < bytes.size(); ++n) {
        std::vector<BYTE> shortBytes(bytes.begin(), bytes.begin() + n);
        EXPECT_FALSE(Read(shortBytes, nRows, nCols, pStyles)) << n;
    }
}
