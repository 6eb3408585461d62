// The colour picker and its palette: a click opens the palette below the button, the mouse
// and the keys move the hot cell, a click inside chooses, Escape or a click outside keeps
// the colour the button had, the custom cell goes through the colour dialog, and the
// parent hears each step.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "AppTestSupport.h"
#include "ColourPicker.h"

namespace {

const UINT kPickerID = 1054;

// The picker's parent: records the notifications it hears.
class CNotifyRecorder : public CWnd
{
public:
    std::vector<std::pair<UINT, COLORREF>> m_heard;
    std::vector<LPARAM> m_ids;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= CPN_SELCHANGE && message <= CPN_SELENDCANCEL) {
            m_heard.emplace_back(message, (COLORREF)wParam);
            m_ids.push_back(lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ColourPicker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Picker host",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                      nullptr));
        ASSERT_TRUE(m_picker.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                    CRect(10, 10, 60, 30), &m_parent, kPickerID));
        m_picker.SetColour(RGB(1, 2, 3));
    }
    void TearDown() override
    {
        m_picker.DestroyWindow();
        m_parent.DestroyWindow();
    }
    CColourPopup* Open()
    {
        // The click as the parent hears it; the parent reflects it to the picker.
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kPickerID, BN_CLICKED),
                             (LPARAM)m_picker.m_hWnd);
        return m_picker.GetPopup();
    }
    static LPARAM At(const CRect& rect)
    {
        return MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    }

    CNotifyRecorder m_parent;
    CColourPicker m_picker;
};

TEST_F(ColourPicker, AClickOnACellChoosesItsColour)
{
    CColourPopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    ASSERT_TRUE(::IsWindowVisible(pPopup->m_hWnd));
    CRect button, popup;
    m_picker.GetWindowRect(&button);
    pPopup->GetWindowRect(&popup);
    EXPECT_EQ(popup.TopLeft(), CPoint(button.left, button.bottom));
    ASSERT_FALSE(m_parent.m_heard.empty());
    EXPECT_EQ(m_parent.m_heard[0], std::make_pair((UINT)CPN_DROPDOWN, RGB(1, 2, 3)));
    EXPECT_EQ(m_parent.m_ids[0], (LPARAM)kPickerID);

    const HWND hPopup = pPopup->m_hWnd;
    const CRect red = pPopup->CellRect(2, 0); // index 16
    pPopup->SendMessage(WM_MOUSEMOVE, 0, At(red));
    EXPECT_EQ(pPopup->HotRow(), 2);
    EXPECT_EQ(pPopup->HotColumn(), 0);
    pPopup->SendMessage(WM_LBUTTONUP, 0, At(red));

    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(m_picker.GetPopup(), nullptr);
    EXPECT_EQ(m_picker.GetColour(), RGB(255, 0, 0));
    const std::vector<std::pair<UINT, COLORREF>> expected = {
        {CPN_DROPDOWN, RGB(1, 2, 3)},
        {CPN_CLOSEUP, RGB(255, 0, 0)},
        {CPN_SELENDOK, RGB(255, 0, 0)},
        {CPN_SELCHANGE, RGB(255, 0, 0)},
    };
    EXPECT_EQ(m_parent.m_heard, expected);
}

TEST_F(ColourPicker, EscapeOrAClickOutsideKeepsTheColour)
{
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "click outside");
        m_parent.m_heard.clear();
        m_picker.SetTrackSelection(TRUE);
        CColourPopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        pPopup->SendMessage(WM_MOUSEMOVE, 0, At(pPopup->CellRect(0, 1)));
        pPopup->SendMessage(WM_MOUSEMOVE, 0, At(pPopup->CellRect(4, 7)));
        EXPECT_EQ(m_picker.GetColour(), RGB(255, 255, 255)); // tracking shows the hot colour
        if (escape)
            pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        else
            pPopup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
        EXPECT_EQ(m_picker.GetPopup(), nullptr);
        EXPECT_EQ(m_picker.GetColour(), RGB(1, 2, 3));
        ASSERT_GE(m_parent.m_heard.size(), 2u);
        EXPECT_EQ(m_parent.m_heard[m_parent.m_heard.size() - 2],
                  std::make_pair((UINT)CPN_CLOSEUP, RGB(1, 2, 3)));
        EXPECT_EQ(m_parent.m_heard.back(), std::make_pair((UINT)CPN_SELENDCANCEL, RGB(1, 2, 3)));
    }
}

TEST_F(ColourPicker, TheCustomCellChoosesThroughTheColourDialog)
{
    for (INT_PTR answer : {IDOK, IDCANCEL}) {
        m_parent.m_heard.clear();
        m_picker.SetColour(RGB(1, 2, 3));
        std::vector<AfxModalKind> kinds;
        AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
            kinds.push_back(request.nKind);
            if (CColorDialog* pDialog = dynamic_cast<CColorDialog*>(request.pObject))
                pDialog->m_cc.rgbResult = RGB(10, 20, 30);
            return AFX_MODAL_REPLY::Answer(answer);
        });
        CColourPopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        // Up from the first row reaches the custom cell; Enter ends there.
        pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        pPopup->SendMessage(WM_KEYDOWN, VK_UP, 0);
        EXPECT_EQ(pPopup->HotRow(), -2);
        pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
        AfxSetModalAnswerer(previous);

        ASSERT_EQ(kinds.size(), 1u);
        EXPECT_EQ(kinds[0], afxModalCommonDialog);
        const COLORREF expected = answer == IDOK ? RGB(10, 20, 30) : RGB(1, 2, 3);
        EXPECT_EQ(m_picker.GetColour(), expected);
        ASSERT_GE(m_parent.m_heard.size(), 3u);
        EXPECT_EQ(m_parent.m_heard[2], std::make_pair((UINT)CPN_SELENDOK, expected));
    }
}

TEST_F(ColourPicker, KeysMoveTheHotCell)
{
    struct Case
    {
        std::vector<UINT> keys;
        int row, column;
    } cases[] = {
        {{VK_RIGHT}, 0, 0},
        {{VK_DOWN}, 0, 0},
        {{VK_LEFT}, 4, 7},
        {{VK_UP}, 4, 0},
        {{VK_LEFT, VK_RIGHT}, 4, 0}, // columns wrap within the row
        {{VK_UP, VK_DOWN}, -2, -2}, // below the last row: the custom cell
        {{VK_UP, VK_DOWN, VK_DOWN}, 0, 0},
        {{VK_RIGHT, VK_DOWN, VK_DOWN}, 2, 0},
    };
    for (const Case& c : cases) {
        CColourPopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        for (UINT key : c.keys)
            pPopup->SendMessage(WM_KEYDOWN, key, 0);
        EXPECT_EQ(pPopup->HotRow(), c.row) << c.keys.size();
        EXPECT_EQ(pPopup->HotColumn(), c.column) << c.keys.size();
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_EQ(m_picker.GetPopup(), nullptr);
    }
}

TEST_F(ColourPicker, APaletteNearTheScreensEdgeStaysOnIt)
{
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    CColourPopup* pPopup =
        new CColourPopup(CPoint(width - 10, height - 10), RGB(0, 0, 0), &m_picker, "Custom...");
    CRect rect;
    pPopup->GetWindowRect(&rect);
    EXPECT_LE(rect.right, width);
    EXPECT_LE(rect.bottom, height);
    EXPECT_GE(rect.left, 0);
    EXPECT_GE(rect.top, 0);
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0); // ends and deletes itself
}

} // namespace
