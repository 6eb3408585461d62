// The edit cell's variants in a grid: password cells show and copy only their mask
// character, spin cells step by their arrows and keys within their limits, hot-spot cells
// report their button.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXArrowButton.h"
#include "controls/GXEditVariants.h"
#include "controls/GXSpinEdit.h"
#include <gtest/gtest.h>

namespace {
class EditCellKinds : public ::testing::Test
{
protected:
    EditCellKinds() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 90);
        grid().SetRowHeight(1, 6, 24);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CString WindowText(CWnd* pWnd)
    {
        CString s;
        pWnd->GetWindowText(s);
        return s;
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};

class CClickCounter : public CGXGridWnd
{
public:
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override
    {
        ++m_nClicks;
        CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
    }
    int m_nClicks = 0;
};
} // namespace

TEST_F(EditCellKinds, PasswordCellsShowOnlyTheirMaskCharacter)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetControl(52537).SetValue("secret"));
    CGXControl* pControl = grid().GetControl(1, 1);
    CString strShown;
    pControl->FormatDisplayText(strShown, 1, 1, nullptr, grid().GetCachedCellStyle(1, 1));
    EXPECT_STREQ(strShown, "******");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXPasswordControl* pPassword =
        dynamic_cast<CGXPasswordControl*>(grid().GetCurrentCellControl());
    ASSERT_NE(pPassword, nullptr);
    CGridKeyboard::Type("ab");
    EXPECT_EQ(pPassword->GetPasswordChar(), (char)pPassword->SendMessage(EM_GETPASSWORDCHAR));
    EXPECT_NE(pPassword->GetStyle() & ES_PASSWORD, 0u);
    // Copying puts nothing on the clipboard.
    ASSERT_TRUE(::OpenClipboard(grid().m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    pPassword->SetSel(0, -1);
    EXPECT_TRUE(pPassword->Copy());
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_TEXT));
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "ab");
}

TEST(SpinLimits, StepsSaturateOrWrapAtTheLimits)
{
    struct Case
    {
        const char* pszWhat;
        const char* pszMin;
        const char* pszMax;
        const char* pszWrap;
        const char* pszStart;
        const char* pszText;
        BOOL bUp;
        long lResult;
    } cases[] = {
        {"plain up", "", "", "", "", "4", TRUE, 5},
        {"at maximum", "0", "10", "0", "", "10", TRUE, 10},
        {"wraps to minimum", "0", "10", "1", "", "10", TRUE, 0},
        {"at minimum", "0", "10", "0", "", "0", FALSE, 0},
        {"wraps to maximum", "0", "10", "1", "", "0", FALSE, 10},
        {"start value", "", "", "", "5", "", FALSE, 5},
        {"beyond the range", "0", "10", "0", "", "50", FALSE, 10},
        {"minimum above maximum ignored", "10", "0", "1", "", "50", TRUE, 51},
        {"largest number", "", "", "", "", "2147483647", TRUE, 2147483647L},
    };
    for (const Case& c : cases) {
        CGXStyle style;
        style.SetUserAttribute(GX_IDS_UA_SPINBOUND_MIN, c.pszMin)
            .SetUserAttribute(GX_IDS_UA_SPINBOUND_MAX, c.pszMax)
            .SetUserAttribute(GX_IDS_UA_SPINBOUND_WRAP, c.pszWrap)
            .SetUserAttribute(GX_IDS_UA_SPINSTART, c.pszStart);
        EXPECT_EQ(GXSpinLimits::FromStyle(style).Step(c.pszText, c.bUp), c.lResult) << c.pszWhat;
    }
}

TEST_F(EditCellKinds, SpinCellsStepWithTheirArrowsAndKeys)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1),
                         CGXStyle()
                             .SetControl(52519)
                             .SetValue("8")
                             .SetUserAttribute(GX_IDS_UA_SPINBOUND_MIN, "0")
                             .SetUserAttribute(GX_IDS_UA_SPINBOUND_MAX, "10"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXSpinEdit* pSpin = dynamic_cast<CGXSpinEdit*>(grid().GetCurrentCellControl());
    ASSERT_NE(pSpin, nullptr);
    m_w.Capture();
    const CRect rectUp = pSpin->GetUpButton()->GetRect();
    const CRect rectDown = pSpin->GetDownButton()->GetRect();
    ASSERT_FALSE(rectUp.IsRectEmpty());
    EXPECT_EQ(rectUp.bottom, rectDown.top);
    // A click on the up arrow steps at once and activates the cell.
    pSpin->LButtonDown(MK_LBUTTON, rectUp.CenterPoint(), GX_HITSTATE_INCELL);
    pSpin->LButtonUp(0, rectUp.CenterPoint(), GX_HITSTATE_INCELL);
    EXPECT_TRUE(pSpin->IsActive());
    EXPECT_STREQ(WindowText(pSpin), "9");
    pSpin->LButtonDown(MK_LBUTTON, rectUp.CenterPoint(), GX_HITSTATE_INCELL);
    pSpin->LButtonUp(0, rectUp.CenterPoint(), GX_HITSTATE_INCELL);
    pSpin->LButtonDown(MK_LBUTTON, rectUp.CenterPoint(), GX_HITSTATE_INCELL);
    pSpin->LButtonUp(0, rectUp.CenterPoint(), GX_HITSTATE_INCELL);
    EXPECT_STREQ(WindowText(pSpin), "10") << "saturates at the maximum";
    pSpin->LButtonDown(MK_LBUTTON, rectDown.CenterPoint(), GX_HITSTATE_INCELL);
    pSpin->LButtonUp(0, rectDown.CenterPoint(), GX_HITSTATE_INCELL);
    EXPECT_STREQ(WindowText(pSpin), "9");
    // Alt+Down in the window steps down too.
    m_w.Capture();
    ::PostMessageA(pSpin->m_hWnd, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    CGridKeyboard::Dispatch();
    EXPECT_STREQ(WindowText(pSpin), "8");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "8");
}

TEST(EditCellHotSpot, ButtonSitsAtTheTopRightAndReportsItsClick)
{
    GXTestStartLibrary();
    CClickCounter* pGrid = new CClickCounter;
    CGridTestWindow w(4, 3, 640, 480, pGrid);
    pGrid->SetColWidth(1, 1, 90);
    pGrid->SetRowHeight(1, 1, 24);
    pGrid->SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetControl(52518).SetValue("x"));
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 1));
    CGXHotSpotEdit* pHot = dynamic_cast<CGXHotSpotEdit*>(pGrid->GetCurrentCellControl());
    ASSERT_NE(pHot, nullptr);
    w.Capture();
    const CRect rectCell = pHot->CGXEditControl::GetCellRect(1, 1);
    pHot->PlaceChildren(1, 1, rectCell);
    const CRect rectButton = pHot->GetButton()->GetRect();
    EXPECT_EQ(rectButton.right, rectCell.right - 1);
    EXPECT_EQ(rectButton.top, rectCell.top);
    EXPECT_EQ(rectButton.Width(), 13);
    pHot->LButtonDown(MK_LBUTTON, rectButton.CenterPoint(), GX_HITSTATE_INCELL);
    pHot->LButtonUp(0, rectButton.CenterPoint(), GX_HITSTATE_INCELL);
    EXPECT_EQ(pGrid->m_nClicks, 1);
}
