// Check boxes and radio buttons: drawn checked and unchecked (read back from the window
// in the regions the controls' own layout gives), and toggled by keys and the mouse.
#include "ControlTestSupport.h"
#include "controls/GXButtonControls.h"
#include "core/GXSysColorCache.h"
#include <gtest/gtest.h>

namespace {
class ControlButtons : public ::testing::Test
{
protected:
    ControlButtons() : m_w((GXTestStartLibrary(), 20), 10)
    {
        grid().SetRowHeight(0, 20, 24);
        grid().SetColWidth(0, 10, 70);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void SetCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        CGXStyle s(style);
        s.SetInterior(RGB(255, 255, 255));
        grid().SetStyleRange(CGXRange(nRow, nCol, nRow, nCol), s);
    }
    CString Value(ROWCOL nRow, ROWCOL nCol) { return grid().GetValueRowCol(nRow, nCol); }
    CGXCheckBox* CheckBoxOf(ROWCOL nRow, ROWCOL nCol)
    {
        return static_cast<CGXCheckBox*>(grid().GetControl(nRow, nCol));
    }
    CRect BoxOf(ROWCOL nRow, ROWCOL nCol)
    {
        CGXCheckBox* pControl = CheckBoxOf(nRow, nCol);
        const CGXStyle& style = grid().GetCachedCellStyle(nRow, nCol);
        CClientDC dc(&grid());
        return pControl->ComputeCheckBoxRect(
            &dc, pControl->GetCellRect(nRow, nCol), style.GetChoiceList(),
            style.GetHorizontalAlignment() | style.GetVerticalAlignment());
    }
    CGridTestWindow m_w;
};

COLORREF Sys(int nIndex) { return GXGetSysColorCache().GetSysColor(nIndex) & 0xFFFFFF; }
} // namespace

TEST_F(ControlButtons, CheckBoxesAreDrawnCheckedAndUnchecked)
{
    struct Case
    {
        ROWCOL nCol;
        const char* pszValue;
        const char* pszChecked; // attribute 51019, null when unset
        BOOL bChecked;
    } cases[] = {
        {1, "1", nullptr, TRUE}, {2, "0", nullptr, FALSE}, {3, "Y", "Y", TRUE},
        {4, "1", "Y", FALSE},    {5, "", nullptr, FALSE},
    };
    for (const Case& c : cases) {
        CGXStyle style;
        style.SetControl(52516).SetValue(c.pszValue);
        if (c.pszChecked != nullptr)
            style.SetUserAttribute(51019, c.pszChecked);
        SetCell(3, c.nCol, style);
    }
    m_w.Capture();
    for (const Case& c : cases) {
        ASSERT_STREQ("CGXCheckBox", GXControlClassName(grid().GetControl(3, c.nCol)));
        const CRect box = BoxOf(3, c.nCol);
        ASSERT_EQ(13, box.Width()) << c.nCol;
        // The box's frame is drawn either way; the mark only when checked.
        EXPECT_EQ(Sys(COLOR_WINDOWTEXT), m_w.Pixel(box.left, box.top + 6)) << c.nCol;
        EXPECT_EQ(c.bChecked ? Sys(COLOR_WINDOWTEXT) : Sys(COLOR_WINDOW),
                  m_w.Pixel(box.left + 5, box.top + 8))
            << c.nCol;
        EXPECT_EQ(Sys(COLOR_WINDOW), m_w.Pixel(box.left + 2, box.top + 2)) << c.nCol;
    }
}

TEST_F(ControlButtons, CheckBoxesCycleThroughTheirStatesOnTheSpaceKey)
{
    struct Case
    {
        BOOL bTriState;
        const char* apszSteps[4];
    } cases[] = {
        {FALSE, {"1", "0", "1", "0"}},
        {TRUE, {"1", "0", "", "1"}},
    };
    for (const Case& c : cases) {
        CGXStyle style;
        style.SetControl(52516).SetTriState(c.bTriState).SetValue(c.apszSteps[0]);
        SetCell(4, 2, style);
        CGXCheckBox* pControl = CheckBoxOf(4, 2);
        pControl->Init(4, 2);
        for (int i = 1; i < 4; ++i) {
            EXPECT_TRUE(pControl->RouteKeyMessage(WM_CHAR, VK_SPACE, 1, 0));
            EXPECT_STREQ(c.apszSteps[i], Value(4, 2)) << c.bTriState << " step " << i;
        }
        pControl->Reset();
    }
}

TEST_F(ControlButtons, AClickInsideTheBoxTogglesAndOneOutsideDoesNot)
{
    CGXStyle style;
    style.SetControl(52516).SetValue("0");
    SetCell(5, 2, style);
    CGXCheckBox* pControl = CheckBoxOf(5, 2);
    pControl->Init(5, 2);
    const CRect box = BoxOf(5, 2);
    const CPoint inBox = box.CenterPoint();
    EXPECT_TRUE(pControl->LButtonDown(MK_LBUTTON, inBox, GX_HITSTATE_INCELL));
    EXPECT_TRUE(pControl->IsPressed());
    pControl->LButtonUp(0, inBox, GX_HITSTATE_INCELL);
    EXPECT_FALSE(pControl->IsPressed());
    EXPECT_STREQ("1", Value(5, 2));
    // Pressed in the box, released beside it: nothing changes.
    pControl->LButtonDown(MK_LBUTTON, inBox, GX_HITSTATE_INCELL);
    const CPoint outside(box.right + 10, box.top);
    pControl->MouseMove(MK_LBUTTON, outside, GX_HITSTATE_INCELL);
    EXPECT_FALSE(pControl->IsPressed());
    pControl->LButtonUp(0, outside, GX_HITSTATE_INCELL);
    EXPECT_STREQ("1", Value(5, 2));
    // A read-only cell refuses the press.
    grid().SetStyleRange(CGXRange(5, 2, 5, 2), CGXStyle().SetReadOnly(TRUE));
    pControl->Reset();
    pControl->Init(5, 2);
    EXPECT_FALSE(pControl->LButtonDown(MK_LBUTTON, inBox, GX_HITSTATE_INCELL));
    pControl->RouteKeyMessage(WM_CHAR, VK_SPACE, 1, 0);
    EXPECT_STREQ("1", Value(5, 2));
    pControl->Reset();
}

TEST_F(ControlButtons, RadioButtonsShowTheSelectedChoiceAndAdvanceOnSpace)
{
    CGXStyle style;
    style.SetControl(52515).SetChoiceList("One\r\n\r\nTwo\r\nThree").SetValue("1");
    grid().SetRowHeight(6, 6, 80);
    SetCell(6, 2, style);
    m_w.Capture();
    CGXRadioButton* pControl = static_cast<CGXRadioButton*>(grid().GetControl(6, 2));
    ASSERT_STREQ("CGXRadioButton", GXControlClassName(pControl));
    // The empty line is no choice.
    EXPECT_EQ(3, pControl->GetChoiceCount());
    const CGXStyle& composed = grid().GetCachedCellStyle(6, 2);
    CClientDC dc(&grid());
    CFont* pOld = grid().SelectStyleFont(&dc, composed);
    const CRect inner = pControl->CGXControl::GetCellRect(6, 2);
    for (int i = 0; i < 3; ++i) {
        const CRect b = pControl->GetButtonRect(&dc, inner, composed, i);
        ASSERT_LE(b.bottom, inner.bottom);
        EXPECT_EQ(i == 1 ? RGB(0, 0, 0) : RGB(255, 255, 255), m_w.Pixel(b.left + 6, b.top + 6))
            << i;
        EXPECT_EQ(RGB(0, 0, 0), m_w.Pixel(b.left, b.top + 6)) << i; // the outline
    }
    dc.SelectObject(pOld);

    struct Step
    {
        const char* pszFrom;
        const char* pszTo;
    } steps[] = {{"1", "2"}, {"2", "0"}, {"", "0"}};
    for (const Step& s : steps) {
        grid().SetValueRange(CGXRange(6, 2, 6, 2), s.pszFrom);
        pControl->Init(6, 2);
        EXPECT_TRUE(pControl->RouteKeyMessage(WM_CHAR, VK_SPACE, 1, 0));
        EXPECT_STREQ(s.pszTo, Value(6, 2)) << s.pszFrom;
        pControl->Reset();
    }
}

TEST_F(ControlButtons, TheExCheckBoxEditsItsOwnValueUntilStored)
{
    CGXStyle style;
    style.SetControl(20130).SetValue("0");
    SetCell(7, 2, style);
    CGXCheckBox* pControl = CheckBoxOf(7, 2);
    ASSERT_STREQ("CGXCheckBoxEx", GXControlClassName(pControl));
    pControl->Init(7, 2);
    pControl->RouteKeyMessage(WM_CHAR, VK_SPACE, 1, 0);
    EXPECT_TRUE(pControl->IsActive());
    EXPECT_TRUE(pControl->GetModify());
    EXPECT_STREQ("0", Value(7, 2));
    CString strValue;
    ASSERT_TRUE(pControl->GetValue(strValue));
    EXPECT_STREQ("1", strValue);
    EXPECT_TRUE(pControl->Store());
    EXPECT_FALSE(pControl->IsActive());
    EXPECT_STREQ("1", Value(7, 2));
    pControl->Reset();
}
