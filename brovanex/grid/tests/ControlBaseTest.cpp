// The control base: writing text into cells, validation against the style's limits,
// choice-list searches and a control without children.
#include "ControlTestSupport.h"
#include "controls/GXStatic.h"
#include <gtest/gtest.h>

namespace {
// A control whose editing state the test sets.
class CEditingControl : public CGXStatic
{
public:
    using CGXStatic::CGXStatic;
    BOOL IsActive() override { return m_bActive; }
    BOOL GetModify() override { return m_bModified; }
    BOOL GetEditText(CString& strText) override
    {
        strText = m_strText;
        return TRUE;
    }
    BOOL m_bActive = TRUE, m_bModified = TRUE;
    CString m_strText;
};

class ControlBase : public ::testing::Test
{
protected:
    ControlBase() : m_w((GXTestStartLibrary(), 20), 10) { }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(ControlBase, WrittenTextIsCutToTheMaximumLengthAndRefusedWhenReadOnly)
{
    grid().SetStyleRange(CGXRange(2, 2, 2, 2), CGXStyle().SetMaxLength(3));
    CGXControl* pControl = grid().LookupControl(52513);
    EXPECT_TRUE(pControl->WriteCellText(2, 2, "abcdef", GX_INVALIDATE));
    EXPECT_STREQ("abc", grid().GetValueRowCol(2, 2));
    grid().SetStyleRange(CGXRange(2, 3, 2, 3), CGXStyle().SetReadOnly(TRUE));
    EXPECT_FALSE(pControl->WriteCellText(2, 3, "x", GX_INVALIDATE));
    EXPECT_STREQ("", grid().GetValueRowCol(2, 3));
}

TEST_F(ControlBase, ValidationChecksTheStylesLimitsOnlyForEditedText)
{
    CGXStyle limits;
    limits.SetUserAttribute(51011, "10").SetUserAttribute(51013, "At least ten");
    grid().SetStyleRange(CGXRange(3, 2, 3, 2), limits);
    CEditingControl control(&grid());
    control.Init(3, 2);
    struct Case
    {
        const char* pszText;
        BOOL bActive;
        BOOL bValid;
    } cases[] = {{"9.5", TRUE, FALSE},
                 {"10", TRUE, TRUE},
                 {"", TRUE, TRUE},
                 {"9", FALSE, TRUE},
                 {"abc", TRUE, FALSE}};
    for (const Case& c : cases) {
        control.m_strText = c.pszText;
        control.m_bActive = c.bActive;
        grid().SetWarningText("");
        EXPECT_EQ(c.bValid, control.ValidateCellValue()) << c.pszText;
        EXPECT_STREQ(c.bValid ? "" : "At least ten", grid().m_strPendingMessage) << c.pszText;
    }
    control.Reset();
}

TEST_F(ControlBase, ChoiceLinesAreFoundByIndexAndByText)
{
    CGXControl* pControl = grid().LookupControl(52513);
    const char* pszChoices = "Apple\r\nbanana\nCherry\rDate";
    CString str;
    EXPECT_TRUE(pControl->GetChoiceLine(str, pszChoices, 2));
    EXPECT_STREQ("Cherry", str);
    EXPECT_FALSE(pControl->GetChoiceLine(str, pszChoices, 4));
    EXPECT_STREQ("", str);
    EXPECT_FALSE(pControl->GetChoiceLine(str, nullptr, 0));
    struct Case
    {
        const char* pszText;
        BOOL bExact;
        int nIndex;
        const char* pszLine;
    } cases[] = {{"BANANA", TRUE, 1, "banana"},
                 {"ch", FALSE, 2, "Cherry"},
                 {"ch", TRUE, -1, ""},
                 {"", FALSE, -1, ""},
                 {"Fig", FALSE, -1, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.nIndex, pControl->FindChoiceLine(str, c.pszText, pszChoices, c.bExact))
            << c.pszText;
        EXPECT_STREQ(c.pszLine, str) << c.pszText;
    }
}

TEST_F(ControlBase, AControlWithoutChildrenOrTipsAnswersNothing)
{
    CGXStatic control(&grid());
    control.Init(2, 2);
    EXPECT_EQ(0, control.GetCount());
    EXPECT_EQ(nullptr, control.GetActiveChild());
    EXPECT_FALSE(control.LButtonDown(0, control.GetCellRect(2, 2).CenterPoint()));
    EXPECT_FALSE(control.RButtonDown(0, control.GetCellRect(2, 2).CenterPoint()));
    EXPECT_EQ(0x7FFFFFFF, control.GetCellTipKind(2, 2, grid().GetCachedCellStyle(2, 2)));
    EXPECT_TRUE(control.IsInitRowCol(2, 2));
    control.Reset();
    EXPECT_FALSE(control.IsInit());
}
