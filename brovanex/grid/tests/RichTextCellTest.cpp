// Rich-text cells: plain and rich values shown as their text, typing into the current cell
// stored as rich text, formatting applied to a cell kept inside its rich text (and only on
// the selection while the cell is edited), rich text pasted into a cell.
#include "ControlTestSupport.h"
#include "controls/GXRichEditCtrl.h"
#include "controls/GXRichTextValue.h"
#include "core/GXSysColorCache.h"
#include <gtest/gtest.h>

namespace {
const WORD kRichText = 52534;

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A rich-edit window of the test's own to read stored rich text back.
class CReader
{
public:
    explicit CReader(CWnd* pParent)
    {
        m_wnd.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 200, 100), pParent, 0);
    }
    ~CReader() { m_wnd.DestroyWindow(); }
    CString Text(const CString& strRtf)
    {
        CGXRichEditCtrl::LoadRtf(m_wnd, strRtf);
        CString str;
        m_wnd.GetWindowText(str);
        return str;
    }
    BOOL Bold(long nFrom, long nTo)
    {
        m_wnd.SetSel(nFrom, nTo);
        CHARFORMATA cf = {};
        cf.cbSize = sizeof cf;
        m_wnd.GetSelectionCharFormat(cf);
        return (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
    }
    CRichEditCtrl m_wnd;
};

class RichTextCell : public ::testing::Test
{
protected:
    RichTextCell() : m_w((GXTestStartLibrary(), 10), 5), m_reader(&m_w.Grid())
    {
        grid().SetColWidth(1, 3, 160);
        grid().SetRowHeight(1, 10, 30);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXRichEditCtrl* Current()
    {
        return dynamic_cast<CGXRichEditCtrl*>(grid().GetCurrentCellControl());
    }
    CGXRichEditCtrl* Control(ROWCOL nRow = 1)
    {
        return dynamic_cast<CGXRichEditCtrl*>(grid().GetControl(nRow, 1));
    }
    void Type(CGXRichEditCtrl* pCell, const char* psz)
    {
        for (const char* p = psz; *p != 0; ++p) {
            if (!pCell->IsActive())
                pCell->Char((UINT)(BYTE)*p, 1, 0);
            else
                pCell->SendMessage(WM_CHAR, (WPARAM)(BYTE)*p, 0);
        }
    }
    int CountPixels(const CRect& rect, COLORREF cr)
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += m_w.Pixel(x, y) == (cr & 0xFFFFFF);
        return n;
    }
    CGridTestWindow m_w;
    CReader m_reader;
};
} // namespace

TEST_F(RichTextCell, ValuesShowAsTheirPlainTextAndAreDrawnInTheCell)
{
    struct Case
    {
        const char* pszValue;
        const char* pszShown;
    } cases[] = {
        {"C:\\temp {x}", "C:\\temp {x}"},
        {"{\\rtf1\\ansi {\\b Bold} and plain}", "Bold and plain"},
        {"{\\rtf1\\ansi C:\\\\temp \\{y\\}}", "C:\\temp {y}"},
    };
    ROWCOL nRow = 1;
    for (const Case& c : cases) {
        grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1),
                             CGXStyle()
                                 .SetControl(kRichText)
                                 .SetValue(c.pszValue)
                                 .SetInterior(RGB(255, 255, 255))
                                 .SetTextColor(RGB(0, 0, 255)));
        ++nRow;
    }
    CGXRichEditCtrl* pCell = Control();
    ASSERT_NE(pCell, nullptr);
    nRow = 1;
    for (const Case& c : cases) {
        CString str;
        ASSERT_TRUE(
            pCell->FormatDisplayText(str, nRow, 1, nullptr, grid().GetCachedCellStyle(nRow, 1)))
            << c.pszValue;
        EXPECT_STREQ(str, c.pszShown) << c.pszValue;
        ++nRow;
    }
    CString str;
    EXPECT_FALSE(pCell->FormatDisplayText(str, 5, 1, nullptr, grid().GetCachedCellStyle(5, 1)));
    EXPECT_TRUE(str.IsEmpty());

    // Each cell's text is drawn inside its text rectangle over the white interior; the
    // empty cell has none.
    grid().SetStyleRange(CGXRange(5, 1, 5, 1),
                         CGXStyle().SetControl(kRichText).SetInterior(RGB(255, 255, 255)));
    m_w.Capture();
    for (ROWCOL r = 1; r <= 3; ++r) {
        const CRect rect = pCell->GetCellRect(r, 1);
        EXPECT_GT(rect.Width() * rect.Height() - CountPixels(rect, RGB(255, 255, 255)), 10) << r;
    }
    const CRect rectEmpty = pCell->GetCellRect(5, 1);
    EXPECT_EQ(rectEmpty.Width() * rectEmpty.Height(), CountPixels(rectEmpty, RGB(255, 255, 255)));
}

TEST_F(RichTextCell, TypedTextIsStoredAsRichTextThatKeepsBackslashesAndBraces)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetControl(kRichText));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Pump();
    CGXRichEditCtrl* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    Type(pCell, "C:\\temp {a}");
    EXPECT_TRUE(pCell->IsActive());
    EXPECT_TRUE(pCell->GetModify());
    CString strEdit;
    ASSERT_TRUE(pCell->GetEditText(strEdit));
    EXPECT_STREQ(strEdit, "C:\\temp {a}");
    ASSERT_TRUE(pCell->Store());
    const CString strStored = grid().GetValueRowCol(1, 1);
    EXPECT_TRUE(CGXRichTextValue::IsRtf(strStored)) << (LPCTSTR)strStored;
    EXPECT_STREQ(m_reader.Text(strStored), "C:\\temp {a}");
    EXPECT_FALSE(pCell->GetModify());
}

TEST_F(RichTextCell, FormattingAppliedToACellLivesInItsRichText)
{
    grid().SetStyleRange(CGXRange(2, 1, 2, 1),
                         CGXStyle().SetControl(kRichText).SetValue("Headline"));
    CGXRichEditCtrl* pCell = Control(2);
    ASSERT_NE(pCell, nullptr);
    CGXStyle bold;
    bold.SetFont(CGXFont().SetBold(TRUE)).SetHorizontalAlignment(DT_CENTER);
    ASSERT_TRUE(pCell->WriteCellStyle(2, 1, &bold, gxOverride, 0, nullptr));
    const CGXStyle& stored = grid().GetCachedCellStyle(2, 1);
    EXPECT_TRUE(CGXRichTextValue::IsRtf(stored.GetValue()));
    EXPECT_STREQ(m_reader.Text(stored.GetValue()), "Headline");
    EXPECT_TRUE(m_reader.Bold(0, 8));
    // Read back from the rich text as style settings.
    CGXStyle formats;
    ASSERT_TRUE(pCell->GetCellFormats(2, 1, formats));
    EXPECT_TRUE(formats.GetFont().GetBold());
    EXPECT_EQ((UINT)DT_CENTER, formats.GetHorizontalAlignment());
    // The cell's own style got no font: only the formatting inside the text says bold.
    CGXStyle cellOnly;
    grid().GetStyleRowCol(2, 1, cellOnly, gxCopy, 0);
    EXPECT_FALSE(cellOnly.GetInclude(gxFont));
}

TEST_F(RichTextCell, BoldOnASelectionStaysOnThatSelectionOnly)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetControl(kRichText));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Pump();
    CGXRichEditCtrl* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    Type(pCell, "one two");
    pCell->SetSel(0, 3);
    CGXStyle bold;
    bold.SetFont(CGXFont().SetBold(TRUE));
    ASSERT_TRUE(pCell->WriteCellStyle(1, 1, &bold, gxOverride, 0, nullptr));
    EXPECT_TRUE(pCell->GetModify());
    ASSERT_TRUE(pCell->Store());
    const CString strStored = grid().GetValueRowCol(1, 1);
    EXPECT_STREQ(m_reader.Text(strStored), "one two");
    EXPECT_TRUE(m_reader.Bold(0, 3));
    EXPECT_FALSE(m_reader.Bold(4, 7));
}

TEST_F(RichTextCell, RichTextPastedIntoAnInactiveCellReplacesItAll)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1),
                         CGXStyle().SetControl(kRichText).SetValue("old text"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Pump();
    CGXRichEditCtrl* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    ASSERT_FALSE(pCell->IsActive());
    const char szRtf[] = "{\\rtf1\\ansi {\\b pasted}}";
    ASSERT_TRUE(::OpenClipboard(grid().GetSafeHwnd()));
    ::EmptyClipboard();
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, sizeof szRtf);
    memcpy(::GlobalLock(hMem), szRtf, sizeof szRtf);
    ::GlobalUnlock(hMem);
    ASSERT_NE(nullptr, ::SetClipboardData(CGXRichEditCtrl::GetRtfClipboardFormat(), hMem));
    ::CloseClipboard();

    EXPECT_TRUE(pCell->CanPaste());
    ASSERT_TRUE(pCell->Paste());
    EXPECT_TRUE(pCell->IsActive());
    ASSERT_TRUE(pCell->Store());
    const CString strStored = grid().GetValueRowCol(1, 1);
    EXPECT_STREQ(m_reader.Text(strStored), "pasted");
    EXPECT_TRUE(m_reader.Bold(0, 6));

    // A read-only cell takes no paste.
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetReadOnly(TRUE));
    grid().SetCurrentCell(2, 1);
    grid().SetCurrentCell(1, 1);
    Pump();
    pCell = Current();
    ASSERT_NE(pCell, nullptr);
    EXPECT_FALSE(pCell->CanPaste());
}

TEST_F(RichTextCell, AnEditedCellLeftUnchangedLetsTheCurrentCellMoveOn)
{
    grid().SetStyleRange(CGXRange(1, 1, 2, 1),
                         CGXStyle().SetControl(kRichText).SetValue("{\\rtf1\\ansi {\\b kept}}"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXRichEditCtrl* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    pCell->SetActive(TRUE);
    Pump();
    ASSERT_FALSE(pCell->GetModify());
    EXPECT_TRUE(pCell->Store()) << "nothing to store is no failure";
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 2u);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "{\\rtf1\\ansi {\\b kept}}") << "left as it was";
}
