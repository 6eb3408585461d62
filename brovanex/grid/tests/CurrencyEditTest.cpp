// The currency edit window and its calculator: typed digits, signs, deletes and pastes
// always leave a formatted amount; the edit messages; the context menu's grey items; the
// calculator's keys and its result coming back into the edit.
#include "controls/GXBCalculator.h"
#include "controls/GXBCurrencyEdit.h"
#include "fw/modal.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The edit with its raw text setter and text rectangle reachable.
class CTestCurrencyEdit : public CGXBCurrencyEdit
{
public:
    using CGXBCurrencyEdit::GetTextRect;
    using CGXBCurrencyEdit::SetTextRaw;
};

class CurrencyEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "currency test", WS_POPUP | WS_VISIBLE, 10, 10,
                          300, 100, nullptr, nullptr);
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 205, 30), &m_parent, 77));
        m_edit.SetFormat(CGXBCurrencyFormat(FALSE)); // "$", ",", "." and 2 digits
        m_edit.SetFocus();
        Pump();
    }
    void TearDown() override
    {
        m_edit.DestroyWindow();
        m_parent.DestroyWindow();
        Pump();
    }
    void Type(const char* psz)
    {
        for (const char* p = psz; *p != 0; ++p)
            m_edit.SendMessage(WM_CHAR, (WPARAM)(BYTE)*p, 0);
    }
    void Key(UINT nKey) { m_edit.SendMessage(WM_KEYDOWN, nKey, 0); }
    void SetText(const char* psz) { ASSERT_TRUE(m_edit.SendMessage(WM_SETTEXT, 0, (LPARAM)psz)); }
    CString Text() { return m_edit.GetText(); }
    static void PutClipboardText(CWnd* pWnd, const char* psz)
    {
        ASSERT_TRUE(pWnd->OpenClipboard());
        ::EmptyClipboard();
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, strlen(psz) + 1);
        memcpy(::GlobalLock(h), psz, strlen(psz) + 1);
        ::GlobalUnlock(h);
        ::SetClipboardData(CF_TEXT, h);
        ::CloseClipboard();
    }

    CWnd m_parent;
    CTestCurrencyEdit m_edit;
};
} // namespace

TEST_F(CurrencyEditTest, TypingKeepsAFormattedAmount)
{
    EXPECT_STREQ(Text(), "$0.00");
    m_edit.SetSel(0, -1);
    Type("1");
    EXPECT_STREQ(Text(), "$1.00");
    EXPECT_EQ(m_edit.GetCaretPos(), 2); // at the decimal separator
    Type("2345");
    EXPECT_STREQ(Text(), "$12,345.00");
    Type(".5");
    EXPECT_STREQ(Text(), "$12,345.50");
    EXPECT_EQ(m_edit.GetValue(), 12345.5);
    Type("x");
    EXPECT_STREQ(Text(), "$12,345.50");

    // Behind the last fraction digit nothing changes, unless digits enter from the right.
    SetText("1.23");
    m_edit.SetSel(5, 5);
    Type("4");
    EXPECT_STREQ(Text(), "$1.23");
    m_edit.m_bEntryFromRight = TRUE;
    m_edit.SetSel(5, 5);
    Type("4");
    EXPECT_STREQ(Text(), "$12.34");
}

TEST_F(CurrencyEditTest, SignsDeletesAndUndo)
{
    SetText("12.50");
    m_edit.SetSel(3, 3);
    Type("-");
    EXPECT_STREQ(Text(), "($12.50)");
    Type("-");
    EXPECT_STREQ(Text(), "$12.50");
    for (int i = 0; i < 2; ++i) {
        m_edit.SetSel(0, -1);
        Type("-"); // select all, then "-": negative whatever it was
        EXPECT_STREQ(Text(), "($12.50)");
    }

    SetText("5.00");
    m_edit.SetSel(2, 2); // behind the 5
    Key(VK_BACK);
    EXPECT_STREQ(Text(), "$0.00");
    EXPECT_EQ(m_edit.GetCaretPos(), 2); // at the decimal separator
    EXPECT_TRUE(m_edit.SendMessage(EM_CANUNDO));
    m_edit.SendMessage(EM_UNDO);
    EXPECT_STREQ(Text(), "$5.00");

    SetText("123.45");
    m_edit.SetSel(1, 1);
    Key(VK_DELETE); // the first integer digit goes
    EXPECT_STREQ(Text(), "$23.45");
    m_edit.SetSel(4, 4);
    Key(VK_DELETE); // a fraction digit becomes 0
    EXPECT_STREQ(Text(), "$23.05");
}

TEST_F(CurrencyEditTest, PasteSetTextAndSelectionMessages)
{
    SetText("12.00");
    m_edit.SetSel(1, 2); // part of the number: only digits go in
    PutClipboardText(&m_edit, "$1,000.00");
    m_edit.SendMessage(WM_PASTE);
    EXPECT_STREQ(Text(), "$1,000,002.00");
    m_edit.SetSel(0, -1); // the whole text: the pasted amount as it stands
    PutClipboardText(&m_edit, "($7.25)");
    m_edit.SendMessage(WM_PASTE);
    EXPECT_STREQ(Text(), "($7.25)");

    // Text that does not parse leaves text and amount alone.
    EXPECT_FALSE(m_edit.SendMessage(WM_SETTEXT, 0, (LPARAM) "1.2.3"));
    EXPECT_STREQ(Text(), "($7.25)");
    EXPECT_EQ(m_edit.GetValue(), -7.25);

    // EM_GETSEL: null pointers, the caret without a selection, everything as 0 and length.
    m_edit.SetSel(3, 3);
    m_edit.SetSel(-1, 0);
    EXPECT_EQ(m_edit.SendMessage(EM_GETSEL, 0, 0), MAKELONG(3, 3));
    DWORD dwStart = 99, dwEnd = 99;
    m_edit.SetSel(0, -1);
    EXPECT_EQ(m_edit.SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd), MAKELONG(0, 7));
    EXPECT_EQ(dwStart, 0u);
    EXPECT_EQ(dwEnd, 7u);
    m_edit.SendMessage(EM_SETSEL, 5, 2);
    m_edit.SendMessage(EM_GETSEL, 0, (LPARAM)&dwEnd);
    EXPECT_EQ(dwEnd, 5u);
    EXPECT_FALSE(m_edit.SetSel(2, 40));

    // Read-only: typing changes nothing.
    m_edit.SendMessage(EM_SETREADONLY, TRUE);
    Type("9");
    EXPECT_STREQ(Text(), "($7.25)");
}

TEST_F(CurrencyEditTest, ContextMenuGreysWhatCannotBeDone)
{
    struct Case
    {
        const char* pszWhat;
        bool bSelect;
        bool bReadOnly;
        bool bCutGrey;
        const char* pszRawText; // set without parsing; null: the amount shown
    } cases[] = {
        {"selection", true, false, false, nullptr},
        {"no selection", false, false, true, nullptr},
        {"read-only", true, true, true, nullptr},
        {"empty text", true, false, true, ""},
    };
    for (const Case& c : cases) {
        if (c.pszRawText != nullptr)
            m_edit.SetTextRaw(c.pszRawText);
        const bool bEmpty = m_edit.GetText().IsEmpty();
        m_edit.SetReadOnly(c.bReadOnly);
        m_edit.SetSel(c.bSelect ? 0 : -1, c.bSelect ? -1 : 0);
        UINT nCut = 0, nDelete = 0, nCopy = 0, nSelectAll = 0;
        int nMenus = 0;
        AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& r) {
            ++nMenus;
            nCut = ::GetMenuState(r.hMenu, ID_EDIT_CUT, MF_BYCOMMAND);
            nDelete = ::GetMenuState(r.hMenu, ID_EDIT_CLEAR, MF_BYCOMMAND);
            nCopy = ::GetMenuState(r.hMenu, ID_EDIT_COPY, MF_BYCOMMAND);
            nSelectAll = ::GetMenuState(r.hMenu, ID_EDIT_SELECT_ALL, MF_BYCOMMAND);
            return AFX_MODAL_REPLY::Answer(0);
        });
        m_edit.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
        AfxSetModalAnswerer(previous);
        ASSERT_EQ(nMenus, 1) << c.pszWhat;
        EXPECT_EQ((nCut & MF_GRAYED) != 0, c.bCutGrey) << c.pszWhat;
        EXPECT_EQ((nDelete & MF_GRAYED) != 0, c.bCutGrey) << c.pszWhat;
        EXPECT_EQ((nCopy & MF_GRAYED) != 0, !c.bSelect || bEmpty) << c.pszWhat;
        EXPECT_EQ((nSelectAll & MF_GRAYED) != 0, bEmpty) << c.pszWhat;
    }
}

TEST_F(CurrencyEditTest, MarginsAreSetSideBySide)
{
    const CRect rectBare = m_edit.GetTextRect();
    m_edit.SendMessage(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(0, 7));
    m_edit.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN, MAKELONG(10, 30));
    CRect rect = m_edit.GetTextRect();
    EXPECT_EQ(rect.left, rectBare.left + 10);
    EXPECT_EQ(rect.right, rectBare.right - 7) << "the left margin alone changes only the left";
    m_edit.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 3));
    rect = m_edit.GetTextRect();
    EXPECT_EQ(rect.left, rectBare.left + 2);
    EXPECT_EQ(rect.right, rectBare.right - 3);
}

TEST_F(CurrencyEditTest, CalculatorResultComesBack)
{
    m_edit.SetDropButton(GX_IDB_DROPBUTTON);
    ASSERT_TRUE(m_edit.HasDropButton());
    SetText("12.50");
    Key(VK_F2);
    Pump();
    CWnd* pFocus = CWnd::GetFocus();
    ASSERT_NE(pFocus, nullptr);
    CGXBPopupCalculator* pCalc = dynamic_cast<CGXBPopupCalculator*>(pFocus);
    ASSERT_NE(pCalc, nullptr);
    EXPECT_STREQ(pCalc->GetDisplayText("E"), "12.5");
    for (const char* p = "*2"; *p != 0; ++p)
        pCalc->SendMessage(WM_CHAR, (WPARAM)*p, 0);
    pCalc->SendMessage(WM_KEYDOWN, VK_RETURN, 0); // "=", the result to the edit, closed
    Pump();
    EXPECT_STREQ(Text(), "$25.00");
    EXPECT_EQ(CWnd::GetFocus(), &m_edit);

    // A calculator in error sends nothing.
    Key(VK_F2);
    Pump();
    pCalc = dynamic_cast<CGXBPopupCalculator*>(CWnd::GetFocus());
    ASSERT_NE(pCalc, nullptr);
    for (const char* p = "/0="; *p != 0; ++p)
        pCalc->SendMessage(WM_CHAR, (WPARAM)*p, 0);
    EXPECT_TRUE(pCalc->IsError());
    pCalc->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_STREQ(Text(), "$25.00");
}

TEST_F(CurrencyEditTest, CalculatorResultsAreReadWithTheFormatsSeparators)
{
    struct Case
    {
        char cThousand, cDecimal;
        const char* pszResult; // as the calculator sends it: a C decimal point
        const char* pszShown;
    } const cases[] = {
        {',', '.', "1234.5", "$1,234.50"},       {'.', ',', "1234.5", "$1.234,50"},
        {'.', ',', "-0.25", "($0,25)"},          {0, 0, "7.5", "$7 50"},
        {'\'', ',', "1000000", "$1'000'000,00"},
    };
    for (const Case& c : cases) {
        CGXBCurrencyFormat format(FALSE);
        format.m_cThousandSeparator = c.cThousand;
        format.m_cDecimalSeparator = c.cDecimal;
        m_edit.SetFormat(format);
        EXPECT_TRUE(m_edit.SendMessage(WM_GX_CALC_RESULT, 0, (LPARAM)c.pszResult)) << c.pszShown;
        EXPECT_STREQ(Text(), c.pszShown);
    }
}

TEST(GridCalculatorWindow, LayoutKeysAndClicks)
{
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0), "calc owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                   nullptr, nullptr);
    auto pCalc = std::make_unique<CGXBCalculator>();
    pCalc->SetValue(4); // before the window: kept through creation
    ASSERT_TRUE(pCalc->Create(0, WS_POPUP | WS_VISIBLE | GXCALC_3DBORDER, 20, 20, &owner));
    EXPECT_STREQ(pCalc->GetDisplayText("E"), "4.");
    ASSERT_EQ(pCalc->GetButtonCount(), 20);
    EXPECT_GE(pCalc->m_nDisplayDigits, 1);
    EXPECT_GE(pCalc->m_nMaxDecimals, 0);
    // Rows: "C" starts the first, "7" the second one button lower; "0" is two units wide.
    CRect rcC = pCalc->GetButton(0)->m_rect, rc7 = pCalc->GetButton(4)->m_rect;
    EXPECT_EQ(rc7.left, rcC.left);
    EXPECT_EQ(rc7.top, rcC.bottom + 1);
    EXPECT_EQ(pCalc->GetButton(16)->m_rect.Width(), 2 * rcC.Width());
    EXPECT_GT(rcC.top, pCalc->GetDisplayRect().bottom);

    // A click on "+" then keys: 4 + 3 =.
    CPoint ptPlus = pCalc->GetButton(18)->m_rect.CenterPoint();
    pCalc->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPlus.x, ptPlus.y));
    EXPECT_TRUE(pCalc->GetButton(18)->m_nFlags & CGXBCalcBtn::Pressed);
    pCalc->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPlus.x, ptPlus.y));
    EXPECT_FALSE(pCalc->GetButton(18)->m_nFlags & CGXBCalcBtn::Pressed);
    pCalc->SendMessage(WM_CHAR, '3', 0);
    pCalc->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_STREQ(pCalc->GetDisplayText("E"), "7.");
    // A press released elsewhere dispatches nothing.
    CPoint pt9 = pCalc->GetButton(6)->m_rect.CenterPoint();
    pCalc->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt9.x, pt9.y));
    pCalc->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPlus.x, ptPlus.y));
    EXPECT_STREQ(pCalc->GetDisplayText("E"), "7.");
    pCalc->UpdateWindow();
    pCalc->DestroyWindow();
    owner.DestroyWindow();
}
