// Masked edit cells in a grid, edited through real key messages: typing into a time mask with
// its prompt, letters refused, literals skipped, Backspace shifting the entry, the stored
// data without literals, other cells drawn through the mask, and copy and paste.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXMaskControl.h"
#include "controls/GXMaskData.h"
#include <gtest/gtest.h>

namespace {
const WORD kMask = 52535;

class MaskCell : public ::testing::Test
{
protected:
    MaskCell() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 110);
        grid().SetStyleRange(CGXRange(1, 1, 5, 1),
                             CGXStyle()
                                 .SetControl(kMask)
                                 .SetUserAttribute(GX_IDS_UA_INPUTMASK, "##:##:##")
                                 .SetUserAttribute(GX_IDS_UA_INPUTPROMPT, "_"));
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXMaskControl* Mask() { return dynamic_cast<CGXMaskControl*>(grid().GetCurrentCellControl()); }
    CString WindowText()
    {
        CString s;
        if (CGXMaskControl* p = Mask())
            p->GetWindowText(s);
        return s;
    }
    int Caret()
    {
        int nStart = -1, nEnd = -1;
        Mask()->GetSel(nStart, nEnd);
        return nEnd;
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(MaskCell, TypedDigitsFillTheMaskAndAreStoredWithoutLiterals)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_NE(Mask(), nullptr);
    CGridKeyboard::Type("12");
    ASSERT_TRUE(Mask()->IsActive());
    EXPECT_STREQ(WindowText(), "12:__:__");
    EXPECT_EQ(Caret(), 3) << "the caret skips the literal";
    // A letter is refused and changes nothing.
    CGridKeyboard::Type("x");
    EXPECT_STREQ(WindowText(), "12:__:__");
    CGridKeyboard::Type("3456");
    EXPECT_STREQ(WindowText(), "12:34:56");
    // Full: a further digit is refused.
    CGridKeyboard::Type("7");
    EXPECT_STREQ(WindowText(), "12:34:56");
    CString strValue;
    ASSERT_TRUE(Mask()->GetValue(strValue));
    EXPECT_STREQ(strValue, "123456");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "123456");
    EXPECT_FALSE(Mask()->IsActive());
}

TEST_F(MaskCell, LettersAreRefusedOnTheInactiveCell)
{
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "1030");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGridKeyboard::Type("a");
    EXPECT_FALSE(Mask()->IsActive());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1030");
    // A digit starts a new entry over the empty mask.
    CGridKeyboard::Type("9");
    ASSERT_TRUE(Mask()->IsActive());
    EXPECT_STREQ(WindowText(), "9_:__:__");
}

TEST_F(MaskCell, BackspaceAndDeleteShiftTheEntryOverLiterals)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGridKeyboard::Type("1234");
    EXPECT_STREQ(WindowText(), "12:34:__");
    CGridKeyboard::Press(VK_BACK, '\b');
    EXPECT_STREQ(WindowText(), "12:3_:__");
    EXPECT_EQ(Caret(), 4);
    // Home goes to the first position; Delete there pulls the rest left across the colon.
    CGridKeyboard::Press(VK_HOME);
    EXPECT_EQ(Caret(), 0);
    CGridKeyboard::Press(VK_DELETE);
    EXPECT_STREQ(WindowText(), "23:__:__");
    // Right skips the literal; typing inserts and shifts what follows.
    CGridKeyboard::Press(VK_RIGHT);
    CGridKeyboard::Press(VK_RIGHT);
    EXPECT_EQ(Caret(), 3);
    CGridKeyboard::Type("9");
    EXPECT_STREQ(WindowText(), "23:9_:__");
    CGridKeyboard::Press(VK_END);
    EXPECT_EQ(Caret(), 4);
}

TEST_F(MaskCell, OtherCellsAreDrawnThroughTheirMask)
{
    grid().SetValueRange(CGXRange(2, 1, 2, 1), "0130");
    grid().SetValueRange(CGXRange(3, 1, 3, 1), "12ab");
    CGXControl* pControl = grid().GetControl(2, 1);
    CString strShown;
    EXPECT_TRUE(
        pControl->FormatDisplayText(strShown, 2, 1, nullptr, grid().GetCachedCellStyle(2, 1)));
    EXPECT_STREQ(strShown, "01:30:__");
    // A value the mask cannot show is shown as it stands.
    EXPECT_FALSE(
        pControl->FormatDisplayText(strShown, 3, 1, nullptr, grid().GetCachedCellStyle(3, 1)));
    EXPECT_STREQ(strShown, "12ab");
    // Typed text is taken as shown text or as data.
    CString strTyped = "01:02:03";
    EXPECT_TRUE(pControl->AcceptsTypedText(strTyped, 2, 1, grid().GetCachedCellStyle(2, 1)));
    EXPECT_STREQ(strTyped, "010203");
    strTyped = "0102";
    EXPECT_TRUE(pControl->AcceptsTypedText(strTyped, 2, 1, grid().GetCachedCellStyle(2, 1)));
    EXPECT_STREQ(strTyped, "0102");
    strTyped = "1:2";
    EXPECT_FALSE(pControl->AcceptsTypedText(strTyped, 2, 1, grid().GetCachedCellStyle(2, 1)));
}

TEST_F(MaskCell, CopyAndPasteCarryTheMaskData)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGridKeyboard::Type("123456");
    // Something else on the clipboard first: the copy replaces all of it.
    ASSERT_TRUE(::OpenClipboard(grid().m_hWnd));
    ::EmptyClipboard();
    ::SetClipboardData(CF_UNICODETEXT, ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
    ::CloseClipboard();
    Mask()->SetSel(0, 5);
    ASSERT_TRUE(Mask()->Copy());
    EXPECT_TRUE(::IsClipboardFormatAvailable(CGXMaskControl::GetClipboardFormat()));
    ASSERT_TRUE(::OpenClipboard(grid().m_hWnd));
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(hText, nullptr);
    EXPECT_STREQ(static_cast<const char*>(::GlobalLock(hText)), "12:34");
    ::GlobalUnlock(hText);
    ::CloseClipboard();
    // Pasted into an emptied cell as data.
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    CGridKeyboard::Type("9");
    Mask()->SetSel(0, 0);
    ASSERT_TRUE(Mask()->Paste());
    EXPECT_STREQ(WindowText(), "12:34:9_");
    // An empty clipboard fails cleanly.
    ASSERT_TRUE(::OpenClipboard(grid().m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(Mask()->Paste());
    EXPECT_STREQ(WindowText(), "12:34:9_");
}
