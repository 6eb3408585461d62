// The control wrappers on the live system controls: the check-list box's states through
// its owner draw, the common controls' packing of their values, tool tips, image lists
// from the resource chain, and the rich-edit control's formats.
#include <gtest/gtest.h>

#include "fw_test_support.h"
#include "fw/richedit.h"
#include "test_library_res.h"

#include <string>
#include <vector>

namespace {

// A visible top-level window with a message map, to hold the controls under test; it
// records the check-list notifications it receives.
class CHostWnd : public CWnd
{
public:
    CHostWnd()
    {
        EXPECT_TRUE(
            CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, 300, 240, nullptr, nullptr));
    }
    ~CHostWnd() override { DestroyWindow(); }

    std::vector<int> m_checkChanges; // control ids of CLBN_CHKCHANGE, in order

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == CLBN_CHKCHANGE)
            m_checkChanges.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

// Dark pixels inside rect of the window, as painted on screen.
int DarkPixels(CWnd& wnd, const CRect& rect)
{
    wnd.UpdateWindow();
    CClientDC dc(&wnd);
    int nDark = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF cr = dc.GetPixel(x, y);
            if (GetRValue(cr) + GetGValue(cr) + GetBValue(cr) < 3 * 100)
                ++nDark;
        }
    return nDark;
}

// The box of item nIndex, where CCheckListBox draws it by default (13 pixels square,
// one pixel in from the left, centred in the item).
CRect CheckBoxRect(CCheckListBox& list, int nIndex)
{
    CRect rectItem;
    list.GetItemRect(nIndex, rectItem);
    int top = rectItem.top + (rectItem.Height() - 13) / 2;
    return CRect(rectItem.left + 1, top, rectItem.left + 14, top + 13);
}

TEST(CheckListBox, ChecksFollowTheirItemsAndTheCallersDataStaysItsOwn)
{
    CHostWnd host;
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_SORT | LBS_NOTIFY,
                            CRect(10, 10, 200, 200), &host, 31));
    EXPECT_TRUE(list.GetStyle() & LBS_OWNERDRAWFIXED);
    EXPECT_TRUE(list.GetStyle() & LBS_HASSTRINGS);
    EXPECT_GE(list.GetItemHeight(0), 15); // room for the box

    int nTue = list.AddString("Tue");
    list.SetItemData(nTue, 0x7E);
    list.SetCheck(nTue, 1);
    int nWed = list.AddString("Wed");
    list.SetItemData(nWed, 0x3ED);
    list.SetCheck(nWed, 2);
    // Sorted in front of both: the records move with their items.
    int nMon = list.AddString("Mon");
    ASSERT_EQ(nMon, 0);
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetItemData(1), (DWORD_PTR)0x7E);
    EXPECT_EQ(list.GetCheck(2), 2);
    EXPECT_EQ(list.GetItemData(2), (DWORD_PTR)0x3ED);
    EXPECT_EQ(list.GetItemData(0), (DWORD_PTR)0);

    list.DeleteString(1);
    CString strText;
    list.GetText(1, strText);
    EXPECT_STREQ(strText, "Wed");
    EXPECT_EQ(list.GetCheck(1), 2);
    EXPECT_EQ(list.GetItemData(1), (DWORD_PTR)0x3ED);
    EXPECT_EQ(list.GetItemData(7), (DWORD_PTR)LB_ERR);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(CheckListBox, TheOwnerDrawShowsEachStateAndTheUserTogglesIt)
{
    CHostWnd host;
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(10, 10, 200, 200),
                            &host, 32));
    list.AddString("Days");
    list.AddString("Mon");
    list.AddString("Tue");
    list.SetCheck(1, 1);
    list.Enable(2, FALSE);

    // What the box shows follows the state.
    int nClear = DarkPixels(list, CheckBoxRect(list, 0));
    int nChecked = DarkPixels(list, CheckBoxRect(list, 1));
    EXPECT_GT(nChecked, nClear + 4);

    // A click on the box of item 0 checks it and tells the parent; a click on the text
    // only selects.
    CRect box = CheckBoxRect(list, 0);
    CPoint ptBox = box.CenterPoint();
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptBox.x, ptBox.y));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptBox.x, ptBox.y));
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(DarkPixels(list, CheckBoxRect(list, 0)), nChecked);
    ASSERT_EQ(host.m_checkChanges.size(), 1u);
    EXPECT_EQ(host.m_checkChanges[0], 32);

    CRect rectItem;
    list.GetItemRect(1, rectItem);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectItem.left + 60, rectItem.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rectItem.left + 60, rectItem.top + 2));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetCheck(1), 1);

    // The space bar toggles the item with the caret.
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_EQ(DarkPixels(list, CheckBoxRect(list, 1)), nClear);

    // A disabled item keeps its state.
    list.SetCurSel(2);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_EQ(host.m_checkChanges.size(), 2u);

    // A three-state box cycles through the third state.
    list.SetCheckStyle(BS_AUTO3STATE);
    list.SetCurSel(0);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(0), 2);
}

TEST(CommonControls, SpinAndProgressKeepTheirRangesAndPositions)
{
    CHostWnd host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER, CRect(10, 10, 60, 30), &host, 40));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT,
                            CRect(60, 10, 80, 30), &host, 41));
    spin.SetBuddy(&edit);
    EXPECT_EQ(spin.GetBuddy()->GetSafeHwnd(), edit.m_hWnd);
    spin.SetRange(-5, 75);
    // The control packs the maximum in the low word and the minimum in the high word.
    DWORD dwRange = (DWORD)spin.SendMessage(UDM_GETRANGE);
    EXPECT_EQ((short)LOWORD(dwRange), 75);
    EXPECT_EQ((short)HIWORD(dwRange), -5);
    int nLower = 0, nUpper = 0;
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, -5);
    EXPECT_EQ(nUpper, 75);
    spin.SetPos(42);
    EXPECT_EQ(LOWORD(spin.GetPos()), 42);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ(strText, "42");

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 200, 60), &host, 42));
    progress.SetRange32(0, 1000);
    progress.SetStep(100);
    progress.SetPos(250);
    progress.StepIt();
    progress.OffsetPos(5);
    EXPECT_EQ(progress.GetPos(), 355);
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, 0);
    EXPECT_EQ(nUpper, 1000);
}

TEST(CommonControls, ToolTipsKnowTheirToolsAndTexts)
{
    CHostWnd host;
    CButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE, CRect(10, 10, 80, 30), &host, 50));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&host));
    ASSERT_TRUE(tips.AddTool(&button, "Confirm the choice"));
    ASSERT_TRUE(tips.AddTool(&host, "Dark Red", CRect(100, 100, 118, 118), 9));
    EXPECT_EQ(tips.GetToolCount(), 2);

    CString strText;
    tips.GetText(strText, &button);
    EXPECT_STREQ(strText, "Confirm the choice");
    tips.UpdateTipText("Orange", &host, 9);
    tips.GetText(strText, &host, 9);
    EXPECT_STREQ(strText, "Orange");

    TOOLINFOA ti;
    EXPECT_TRUE(tips.HitTest(&host, CPoint(105, 110), &ti));
    EXPECT_EQ(ti.uId, (UINT_PTR)9);
    EXPECT_FALSE(tips.HitTest(&host, CPoint(150, 150), &ti));

    tips.DelTool(&host, 9);
    EXPECT_EQ(tips.GetToolCount(), 1);
}

TEST(CommonControls, ImageListsCutALibrarysBitmapFoundAlongTheResourceChain)
{
    HMODULE hLibrary = ::LoadLibraryA("fw_test_library.dll");
    ASSERT_NE(hLibrary, nullptr);
    {
        CImageList images;
        // The library's 6 x 4 bitmap cut into images 3 pixels wide.
        ASSERT_TRUE(images.Create(IDB_LIBRARY_SQUARE, 3, 1, RGB(255, 0, 255)));
        EXPECT_EQ(images.GetImageCount(), 2);
        int cx = 0, cy = 0;
        EXPECT_TRUE(images.GetIconSize(cx, cy));
        EXPECT_EQ(cx, 3);
        EXPECT_EQ(cy, 4);

        CImageList more;
        ASSERT_TRUE(more.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
        HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
        EXPECT_EQ(more.Add(hIcon), 0);
        EXPECT_EQ(more.Add(hIcon), 1);
        EXPECT_TRUE(more.Remove(0));
        EXPECT_EQ(more.GetImageCount(), 1);
        HIMAGELIST hList = more.Detach();
        EXPECT_EQ(more.GetSafeHandle(), nullptr);
        ::ImageList_Destroy(hList);
    }
    ::FreeLibrary(hLibrary);
}

struct StreamBuffer
{
    std::string text;
    size_t nRead = 0;
};

DWORD CALLBACK AppendToBuffer(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    ((StreamBuffer*)dwCookie)->text.append((const char*)pbBuff, (size_t)cb);
    *pcb = cb;
    return 0;
}

DWORD CALLBACK ReadFromBuffer(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    StreamBuffer* pBuffer = (StreamBuffer*)dwCookie;
    size_t nLeft = pBuffer->text.size() - pBuffer->nRead;
    size_t n = nLeft < (size_t)cb ? nLeft : (size_t)cb;
    memcpy(pbBuff, pBuffer->text.data() + pBuffer->nRead, n);
    pBuffer->nRead += n;
    *pcb = (LONG)n;
    return 0;
}

TEST(RichEdit, RichTextGoesInAndComesOutWithItsFormats)
{
    CHostWnd host;
    CRichEditCtrl edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(10, 10, 250, 200), &host, 60));

    StreamBuffer in;
    in.text = "{\\rtf1 plain {\\b bold} tail}";
    EDITSTREAM es = {(DWORD_PTR)&in, 0, ReadFromBuffer};
    edit.StreamIn(SF_RTF, es);
    EXPECT_EQ(edit.GetTextLength(), 15);

    edit.SetSel(6, 10);
    EXPECT_STREQ(edit.GetSelText(), "bold");
    CHARFORMATA cf = {};
    cf.dwMask = CFM_BOLD;
    edit.GetSelectionCharFormat(cf);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);

    // Italic on the first word only, then out as RTF.
    edit.SetSel(0, 5);
    cf.dwMask = CFM_ITALIC;
    cf.dwEffects = CFE_ITALIC;
    ASSERT_TRUE(edit.SetSelectionCharFormat(cf));
    StreamBuffer out;
    EDITSTREAM esOut = {(DWORD_PTR)&out, 0, AppendToBuffer};
    edit.StreamOut(SF_RTF, esOut);
    EXPECT_EQ(out.text.rfind("{\\rtf", 0), 0u);

    // Read back into a second control, the formats are where they were.
    CRichEditCtrl copy;
    ASSERT_TRUE(copy.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 100, 100), &host, 61));
    EDITSTREAM esCopy = {(DWORD_PTR)&out, 0, ReadFromBuffer};
    copy.StreamIn(SF_RTF, esCopy);
    copy.SetSel(0, 5);
    cf.dwMask = CFM_ITALIC | CFM_BOLD;
    copy.GetSelectionCharFormat(cf);
    EXPECT_TRUE((cf.dwMask & CFM_ITALIC) && (cf.dwEffects & CFE_ITALIC));
    copy.SetSel(6, 10);
    copy.GetSelectionCharFormat(cf);
    EXPECT_TRUE((cf.dwMask & CFM_ITALIC) && !(cf.dwEffects & CFE_ITALIC));
    EXPECT_TRUE((cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD));

    FINDTEXTEXA ft = {{0, -1}, "TAIL", {0, 0}};
    EXPECT_EQ(edit.FindText(FR_DOWN, &ft), 11);
    EXPECT_EQ(edit.FindText(FR_DOWN | FR_MATCHCASE, &ft), -1);
    // Up: from cpMin back towards cpMax, the nearest occurrence that ends by cpMin.
    FINDTEXTEXA up = {{15, 0}, "L", {0, 0}};
    EXPECT_EQ(edit.FindText(0, &up), 14);
    up.chrg.cpMin = 14;
    EXPECT_EQ(edit.FindText(0, &up), 8);
    EXPECT_EQ(up.chrgText.cpMax, 9);

    CString strRange;
    edit.GetTextRange(6, 10, strRange);
    EXPECT_STREQ(strRange, "bold");
}

TEST(StandardControls, ListsCombosEditsAndButtonsAnswerThroughTheirWrappers)
{
    CHostWnd host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL,
                             CRect(10, 10, 150, 150), &host, 70));
    for (LPCSTR lpsz : {"9600", "110", "14400", "1200"})
        combo.AddString(lpsz);
    CString strText;
    combo.GetLBText(1, strText);
    EXPECT_STREQ(strText, "1200"); // sorted by text
    EXPECT_EQ(combo.FindStringExact(-1, "14400"), 2);
    EXPECT_EQ(combo.SelectString(-1, "96"), 3);
    EXPECT_EQ(combo.GetCurSel(), 3);
    combo.SetItemData(3, 9600);
    EXPECT_EQ(combo.GetItemData(3), (DWORD_PTR)9600);

    CListBox list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(160, 10, 280, 150), &host, 71));
    list.AddString("Slug");
    list.InsertString(0, "Talent");
    list.GetText(1, strText);
    EXPECT_STREQ(strText, "Slug");
    EXPECT_EQ(list.GetTextLen(0), 6);
    list.GetText(5, strText);
    EXPECT_STREQ(strText, "");

    CEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(10, 160, 150, 220), &host, 72));
    edit.SetWindowText("one\r\ntwo");
    EXPECT_EQ(edit.GetLineCount(), 2);
    char szLine[8] = "";
    EXPECT_EQ(edit.GetLine(1, szLine, sizeof szLine), 3);
    EXPECT_EQ(std::string(szLine, 3), "two");
    edit.SetSel(0, 3);
    edit.ReplaceSel("ONE", TRUE);
    edit.GetWindowText(strText);
    EXPECT_STREQ(strText, "ONE\r\ntwo");
    EXPECT_TRUE(edit.CanUndo());
    edit.LimitText(4);
    EXPECT_EQ(edit.GetLimitText(), 4u);

    CButton check;
    ASSERT_TRUE(check.Create("Mirror", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE,
                             CRect(160, 160, 280, 180), &host, 73));
    check.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(check.GetCheck(), BST_INDETERMINATE);
    EXPECT_EQ(check.GetButtonStyle() & 0x0f, (UINT)BS_AUTO3STATE);
}

TEST(StandardControls, OwnerDrawnButtonsDrawThemselves)
{
    class CSwatch : public CButton
    {
    public:
        int m_nDraws = 0;
        void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
        {
            ++m_nDraws;
            ::FillRect(lpDIS->hDC, &lpDIS->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        }
    };
    CHostWnd host;
    CSwatch swatch;
    ASSERT_TRUE(
        swatch.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 40, 30), &host, 80));
    swatch.Invalidate();
    EXPECT_EQ(DarkPixels(swatch, CRect(0, 0, 30, 20)), 600);
    EXPECT_GE(swatch.m_nDraws, 1);
}

} // namespace
