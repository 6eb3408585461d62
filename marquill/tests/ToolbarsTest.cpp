// The program's toolbars: the flat toolbar, the toolbar-button objects and their archive
// layouts, and the customisable toolbar: the colour button's drop-down menu, buttons
// dropped in by OLE drag and drop (copied with their image, moved, refused), and the
// customised bar saved to the profile and restored (or its defaults, when damaged).
#include <gtest/gtest.h>

#include "FlatToolBar.h"
#include "MarquillResource.h"
#include "MyCustomToolbar.h"
#include "ToolbarsTestRes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kCompany[] = "MarquillToolbarTests";

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

struct UpdateState
{
    BOOL bEnable = TRUE;
    int nCheck = 0;
};
UpdateState& Updates()
{
    static UpdateState state;
    return state;
}

// A frame with the program's main toolbar (or a flat one) across its top.
class CToolbarFrame : public CFrameWnd
{
public:
    CMyCustomToolbar m_wndMain;
    CFlatToolBar m_wndFlat;
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(Updates().bEnable);
        pCmdUI->SetCheck(Updates().nCheck);
    }
    afx_msg void OnNew() { }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolbarFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, &CToolbarFrame::OnUpdateOpen)
    ON_COMMAND(ID_FILE_NEW, &CToolbarFrame::OnNew)
END_MESSAGE_MAP()

class ToolbarsTest : public ::testing::Test
{
protected:
    ToolbarsTest() : app("ToolbarTest") { }
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillToolbarTests");
        app.SetRegistryKey(kCompany);
        Updates() = UpdateState();
        pFrame = MakeFrame(CRect(60, 60, 660, 360));
        ASSERT_NE(pFrame, nullptr);
        app.m_pMainWnd = pFrame;
    }
    void TearDown() override
    {
        for (CToolbarFrame* p : frames)
            if (::IsWindow(p->m_hWnd))
                p->DestroyWindow();
        app.m_pMainWnd = nullptr;
        PumpPending();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillToolbarTests");
        ::OleUninitialize();
    }

    // A frame whose main toolbar has started up (WM_INITIALUPDATE).
    CToolbarFrame* MakeFrame(const CRect& rect)
    {
        CToolbarFrame* p = new CToolbarFrame;
        if (!p->Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW, rect))
            return nullptr;
        frames.push_back(p);
        if (!p->m_wndMain.Create(p, WS_CHILD | WS_VISIBLE | CBRS_TOP) ||
            !p->m_wndMain.LoadToolBar(IDR_TEST_MAINBAR))
            return nullptr;
        p->m_wndMain.SendMessage(WM_INITIALUPDATE);
        p->RecalcLayout();
        p->ShowWindow(SW_SHOW);
        p->UpdateWindow();
        PumpPending();
        return p;
    }

    std::vector<UINT> Commands(CToolBar& bar)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < bar.GetButtonCount(); i++)
            ids.push_back(bar.GetItemID(i));
        return ids;
    }

    CWinApp app;
    CToolbarFrame* pFrame = nullptr;
    std::vector<CToolbarFrame*> frames;
};

// The bytes an object's Serialize writes.
std::vector<BYTE> Archived(CObject& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    UINT nBytes = (UINT)file.GetLength();
    std::unique_ptr<BYTE[]> bytes(file.Detach());
    return std::vector<BYTE>(bytes.get(), bytes.get() + nBytes);
}

void PutInt(std::vector<BYTE>& bytes, int n)
{
    for (int i = 0; i < 4; i++)
        bytes.push_back((BYTE)((unsigned)n >> (8 * i)));
}

// The drag item of button nIndex of bar, in the private format.
HGLOBAL DragItemData(CDorvaneCustomToolbar& bar, int nIndex)
{
    CCustomToolbarDragItem item;
    bar.MakeDragItem(nIndex, item);
    CSharedFile file;
    {
        CArchive ar(&file, CArchive::store);
        item.Serialize(ar);
        ar.Close();
    }
    item.m_pButton = nullptr; // the bar's own
    return file.Detach();
}

// The system's drag loop with the pointer at ptScreen: it drops at once.
class CDropAtOnce : public COleDropSource
{
public:
    SCODE QueryContinueDrag(BOOL, DWORD) override
    {
        return ++m_nAsked > 50 ? DRAGDROP_S_CANCEL : (m_nAsked < 2 ? S_OK : DRAGDROP_S_DROP);
    }
    int m_nAsked = 0;
};

DROPEFFECT DragTo(HGLOBAL hData, CPoint ptScreen,
                  DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE)
{
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    COleDataSource source;
    source.CacheGlobalData(CDorvaneCustomToolbar::GetClipboardFormat(), hData);
    CDropAtOnce dropSource;
    return source.DoDragDrop(dwEffects, nullptr, &dropSource);
}

CPoint ButtonPoint(CToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    CPoint pt = rect.CenterPoint();
    bar.ClientToScreen(&pt);
    return pt;
}

COLORREF ImagePixel(HBITMAP hbm, int iImage)
{
    HDC hScreen = ::GetDC(nullptr);
    COLORREF clr;
    {
        CGdiMemoryDC dc(hScreen);
        CGdiSelection select(dc.Get(), hbm);
        clr = ::GetPixel(dc.Get(), iImage * 16 + 8, 7);
    }
    ::ReleaseDC(nullptr, hScreen);
    return clr;
}

int ImageCount(HBITMAP hbm)
{
    BITMAP bm = {};
    ::GetObjectA(hbm, sizeof bm, &bm);
    return bm.bmWidth / 16;
}

TEST_F(ToolbarsTest, AFlatToolbarShowsACheckedButtonPressed)
{
    CFlatToolBar& flat = pFrame->m_wndFlat;
    ASSERT_TRUE(flat.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_CONTROLBAR_USER));
    EXPECT_FALSE(flat.LoadToolBar(4321)); // no such resource: the frame goes on without it
    ASSERT_TRUE(flat.LoadToolBar(IDR_TEST_MAINBAR));
    EXPECT_TRUE(flat.GetStyle() & TBSTYLE_FLAT);
    struct Case
    {
        BOOL bEnable;
        int nCheck;
        BYTE fsExpected; // TBSTATE_ bits of the Open button
    } cases[] = {
        {TRUE, 1, TBSTATE_ENABLED | TBSTATE_PRESSED},
        {TRUE, 2, TBSTATE_ENABLED | TBSTATE_INDETERMINATE},
        {TRUE, 0, TBSTATE_ENABLED},
        {TRUE, 1, TBSTATE_ENABLED | TBSTATE_PRESSED},
        {FALSE, 1, 0}, // disabled: never shown pressed
    };
    for (const Case& c : cases) {
        Updates().bEnable = c.bEnable;
        Updates().nCheck = c.nCheck;
        flat.OnUpdateCmdUI(pFrame, TRUE);
        BYTE fsState = (BYTE)flat.SendMessage(TB_GETSTATE, ID_FILE_OPEN);
        BYTE fsMask = TBSTATE_ENABLED | TBSTATE_PRESSED | TBSTATE_INDETERMINATE | TBSTATE_CHECKED;
        if (c.bEnable)
            EXPECT_EQ(fsState & fsMask, c.fsExpected) << c.nCheck;
        else
            EXPECT_FALSE(fsState & TBSTATE_ENABLED);
        EXPECT_FALSE(fsState & TBSTATE_CHECKED);
    }
    // A button with no handler at all is disabled; one with a command handler is not.
    EXPECT_FALSE(flat.SendMessage(TB_GETSTATE, ID_FILE_SAVE) & TBSTATE_ENABLED);
    EXPECT_TRUE(flat.SendMessage(TB_GETSTATE, ID_FILE_NEW) & TBSTATE_ENABLED);
}

TEST_F(ToolbarsTest, ButtonObjectsAndDragItemsKeepTheirArchiveLayouts)
{
    CToolBarEditButton edit;
    edit.m_nCommand = 32998;
    edit.m_nIndex = 3;
    edit.m_nReserved1 = 0;
    edit.m_nReserved2 = -1;
    edit.m_nStyle = 0x0401;
    edit.m_strText = "Ab";
    edit.m_rect = CRect(10, 2, 110, 24);
    edit.m_nMenuID = 161;
    edit.m_nExtra = 7;
    edit.m_nExtraStyle = ES_AUTOHSCROLL;
    std::vector<BYTE> expected;
    for (int n : {32998, 3, 0, -1, 0x0401})
        PutInt(expected, n);
    expected.insert(expected.end(), {2, 'A', 'b'}); // the framework's string: length, bytes
    for (int n : {10, 2, 110, 24, 161, 7, (int)ES_AUTOHSCROLL, 128})
        PutInt(expected, n);
    EXPECT_EQ(Archived(edit), expected);

    CCustomToolbarDragItem item;
    item.m_dwSourceToolbar = IDR_TEST_OTHERBAR;
    item.m_nSourceIndex = 1;
    item.m_iBitmap = 1;
    item.m_idCommand = ID_TEST_OTHER2;
    item.m_fsState = TBSTATE_ENABLED;
    item.m_fsStyle = TBSTYLE_BUTTON;
    item.m_dwData = 0;
    item.m_iString = -1;
    expected.clear();
    for (int n : {1, IDR_TEST_OTHERBAR, 1, 1, ID_TEST_OTHER2})
        PutInt(expected, n);
    expected.insert(expected.end(), {TBSTATE_ENABLED, TBSTYLE_BUTTON});
    PutInt(expected, 0);
    PutInt(expected, -1);
    std::vector<BYTE> bytes = Archived(item);
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + expected.size()), expected);
    EXPECT_EQ(bytes.size(), expected.size() + 2); // a null object: its tag

    // Read back with a button object of its own class.
    item.m_pButton = new CToolBarComboBoxButton;
    item.m_pButton->m_nCommand = ID_TEST_OTHER2;
    ((CToolBarComboBoxButton*)item.m_pButton)->m_items.Add("Slug");
    bytes = Archived(item);
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CCustomToolbarDragItem loaded;
    loaded.Serialize(ar);
    EXPECT_TRUE(loaded.m_bValid);
    EXPECT_EQ(loaded.m_idCommand, ID_TEST_OTHER2);
    ASSERT_NE(loaded.m_pButton, nullptr);
    ASSERT_TRUE(loaded.m_pButton->IsKindOf(RUNTIME_CLASS(CToolBarComboBoxButton)));
    EXPECT_STREQ(((CToolBarComboBoxButton*)loaded.m_pButton)->m_items[0], "Slug");
}

TEST_F(ToolbarsTest, TheColourButtonDropsDownTheColourMenu)
{
    CMyCustomToolbar& bar = pFrame->m_wndMain;
    EXPECT_EQ(bar.m_nColorButtonIndex, 3);
    EXPECT_TRUE(bar.SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
    EXPECT_TRUE(bar.GetButtonStyle(3) & TBSTYLE_DROPDOWN);
    EXPECT_FALSE(bar.GetButtonStyle(1) & TBSTYLE_DROPDOWN);
    CToolBarButton* pObject = bar.FindButtonObject(IDM_COLOR_COMBO);
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->m_nMenuID, IDR_COLOR_MENU);

    // The arrow's notification, as the control sends it: the menu's first popup, owned
    // by the main window, answered through the modal seam.
    std::vector<std::string> items;
    HWND hWndOwner = nullptr;
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
        if (request.nKind == afxModalPopupMenu) {
            hWndOwner = request.hWndOwner;
            for (int i = 0; i < ::GetMenuItemCount(request.hMenu); i++) {
                char szText[64] = "";
                ::GetMenuStringA(request.hMenu, (UINT)i, szText, sizeof szText, MF_BYPOSITION);
                items.push_back(szText);
            }
        }
        return AFX_MODAL_REPLY::Answer(0);
    });
    NMTOOLBARA nm = {};
    nm.hdr.hwndFrom = bar.m_hWnd;
    nm.hdr.idFrom = (UINT_PTR)bar.GetDlgCtrlID();
    nm.hdr.code = TBN_DROPDOWN;
    nm.iItem = IDM_COLOR_COMBO;
    LRESULT lResult = pFrame->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    AfxSetModalAnswerer(previous);
    EXPECT_EQ(lResult, (LRESULT)TBDDRET_DEFAULT);
    EXPECT_EQ(items, (std::vector<std::string> {"Default - Black", "Pick Color"}));
    EXPECT_EQ(hWndOwner, pFrame->m_hWnd);

    // Another button's arrow opens nothing.
    items.clear();
    nm.iItem = ID_FILE_OPEN;
    pFrame->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    EXPECT_TRUE(items.empty());
}

TEST_F(ToolbarsTest, AComboButtonMadeAgainFromItsArchiveShowsTheSameItems)
{
    CMyCustomToolbar& bar = pFrame->m_wndMain;
    CToolBarComboBoxButton combo;
    combo.m_nCommand = ID_FILE_SAVE;
    combo.m_rect = CRect(0, 0, 120, 22);
    ASSERT_TRUE(combo.AttachToToolBar(&bar));
    ASSERT_TRUE(combo.HasWindow());
    for (const char* psz : {"Anchor", "Weather", "Sports"})
        combo.m_wndCombo.SendMessage(CB_ADDSTRING, 0, (LPARAM)psz);
    combo.m_wndCombo.SendMessage(CB_SETCURSEL, 1);
    // The button became a separator as wide as the control.
    CRect rect;
    bar.GetItemRect(combo.m_nIndex, &rect);
    EXPECT_EQ(rect.Width(), 120);
    combo.SaveStateFromToolBar(&bar);
    std::vector<BYTE> bytes = Archived(combo);
    combo.m_wndCombo.DestroyWindow();

    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CToolBarComboBoxButton again;
    again.Serialize(ar);
    again.m_nIndex = -1;
    ASSERT_TRUE(again.AttachToToolBar(&bar));
    ASSERT_EQ(again.m_wndCombo.SendMessage(CB_GETCOUNT), 3);
    EXPECT_EQ(again.m_wndCombo.SendMessage(CB_GETCURSEL), 1);
    char szText[32] = "";
    again.m_wndCombo.SendMessage(CB_GETLBTEXT, 2, (LPARAM)szText);
    EXPECT_STREQ(szText, "Sports");
}

TEST_F(ToolbarsTest, ButtonsDroppedOnTheBarAreCopiedWithTheirImageOrMoved)
{
    CMyCustomToolbar& bar = pFrame->m_wndMain;
    // The other bar, built from another resource, in a frame of its own.
    CToolbarFrame* pOther = MakeFrame(CRect(60, 420, 460, 520));
    ASSERT_NE(pOther, nullptr);
    ASSERT_TRUE(pOther->m_wndMain.LoadToolBar(IDR_TEST_OTHERBAR));
    ASSERT_EQ(ImageCount(bar.m_hbmImageWell), 4);
    COLORREF clrOther = ImagePixel(pOther->m_wndMain.m_hbmImageWell, 1);

    // A copy of the other bar's second button dropped on Open: inserted there, with its
    // image appended to this bar's bitmap.
    DROPEFFECT effect = DragTo(DragItemData(pOther->m_wndMain, 1), ButtonPoint(bar, 1));
    EXPECT_EQ(effect, (DROPEFFECT)DROPEFFECT_COPY);
    EXPECT_EQ(Commands(bar),
              (std::vector<UINT> {ID_FILE_NEW, ID_TEST_OTHER2, ID_FILE_OPEN, 0, IDM_COLOR_COMBO,
                                  ID_FILE_SAVE}));
    UINT nID, nStyle;
    int iImage;
    bar.GetButtonInfo(1, nID, nStyle, iImage);
    EXPECT_EQ(iImage, 4);
    EXPECT_EQ(ImageCount(bar.m_hbmImageWell), 5);
    EXPECT_EQ(ImagePixel(bar.m_hbmImageWell, 4), clrOther);
    EXPECT_EQ(ImagePixel(bar.m_hbmImageWell, 0), ImagePixel(pFrame->m_wndMain.m_hbmImageWell, 0));
    EXPECT_EQ(pOther->m_wndMain.GetButtonCount(), 2); // a copy leaves the source alone

    // Past the last button (the bar's empty end): nothing is dropped.
    CRect rectBar;
    bar.GetWindowRect(&rectBar);
    effect = DragTo(DragItemData(pOther->m_wndMain, 0),
                    CPoint(rectBar.right - 10, rectBar.CenterPoint().y));
    EXPECT_EQ(effect, (DROPEFFECT)DROPEFFECT_NONE);
    EXPECT_EQ(bar.GetButtonCount(), 6);

    // A drag started on this bar moves the button: New dropped on Save.
    ::SetCursorPos(ButtonPoint(bar, 5).x, ButtonPoint(bar, 5).y);
    CDropAtOnce dropSource;
    effect = bar.DragButton(0, &dropSource);
    EXPECT_EQ(effect, (DROPEFFECT)DROPEFFECT_MOVE);
    EXPECT_EQ(Commands(bar),
              (std::vector<UINT> {ID_TEST_OTHER2, ID_FILE_OPEN, 0, IDM_COLOR_COMBO, ID_FILE_SAVE,
                                  ID_FILE_NEW}));
    // Dragged off the bar and dropped where nothing takes it: the button goes.
    class CDropOutside : public COleDropSource
    {
    public:
        explicit CDropOutside(CPoint ptOutside) : m_ptOutside(ptOutside) { }
        SCODE QueryContinueDrag(BOOL, DWORD) override
        {
            ++m_nAsked;
            if (m_nAsked == 2)
                ::SetCursorPos(m_ptOutside.x, m_ptOutside.y); // off the bar
            if (m_nAsked > 50)
                return DRAGDROP_S_CANCEL;
            return m_nAsked < 4 ? S_OK : DRAGDROP_S_DROP;
        }
        CPoint m_ptOutside;
        int m_nAsked = 0;
    };
    int nOpen = bar.CommandToIndex(ID_FILE_OPEN);
    ::SetCursorPos(ButtonPoint(bar, nOpen).x, ButtonPoint(bar, nOpen).y);
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    CDropOutside dropOutside(CPoint(rectFrame.CenterPoint().x, rectFrame.bottom + 40));
    effect = bar.DragButton(nOpen, &dropOutside);
    EXPECT_EQ(effect, (DROPEFFECT)DROPEFFECT_NONE);
    EXPECT_EQ(Commands(bar),
              (std::vector<UINT> {ID_TEST_OTHER2, 0, IDM_COLOR_COMBO, ID_FILE_SAVE, ID_FILE_NEW}));
    // The colour button keeps its menu through the moves.
    EXPECT_TRUE(bar.GetButtonStyle(bar.CommandToIndex(IDM_COLOR_COMBO)) & TBSTYLE_DROPDOWN);
}

TEST_F(ToolbarsTest, DataThatDoesNotReadDropsNothing)
{
    CMyCustomToolbar& bar = pFrame->m_wndMain;
    std::vector<UINT> before = Commands(bar);
    struct Case
    {
        const char* pszName;
        std::vector<BYTE> bytes;
    };
    std::vector<BYTE> otherVersion;
    PutInt(otherVersion, 2);
    for (int i = 0; i < 8; i++)
        PutInt(otherVersion, 0);
    Case cases[] = {{"empty", {}}, {"truncated", {1, 0, 0, 0, 0x30}}, {"version 2", otherVersion}};
    for (const Case& c : cases) {
        HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(c.bytes.size(), 1));
        if (!c.bytes.empty())
            memcpy(::GlobalLock(hGlobal), c.bytes.data(), c.bytes.size());
        ::GlobalUnlock(hGlobal);
        EXPECT_EQ(DragTo(hGlobal, ButtonPoint(bar, 1)), (DROPEFFECT)DROPEFFECT_NONE) << c.pszName;
        EXPECT_EQ(Commands(bar), before) << c.pszName;
    }
}

TEST_F(ToolbarsTest, ACustomisedBarIsSavedAndRestoredAndADamagedOneFallsBackToTheDefaults)
{
    CMyCustomToolbar& bar = pFrame->m_wndMain;
    CToolbarFrame* pOther = MakeFrame(CRect(60, 420, 460, 520));
    ASSERT_NE(pOther, nullptr);
    ASSERT_TRUE(pOther->m_wndMain.LoadToolBar(IDR_TEST_OTHERBAR));
    ASSERT_EQ(DragTo(DragItemData(pOther->m_wndMain, 0), ButtonPoint(bar, 4)),
              (DROPEFFECT)DROPEFFECT_COPY);
    std::vector<UINT> customised = Commands(bar);
    ASSERT_EQ(customised.size(), 6u);
    ASSERT_TRUE(bar.SaveState("Toolbars"));

    // The next run: a bar with the resource's buttons takes the saved ones.
    CToolbarFrame* pNext = MakeFrame(CRect(100, 100, 700, 300));
    ASSERT_NE(pNext, nullptr);
    std::vector<UINT> defaults = Commands(pNext->m_wndMain);
    EXPECT_EQ(defaults.size(), 5u);
    EXPECT_TRUE(pNext->m_wndMain.RestoreState("Toolbars"));
    EXPECT_EQ(Commands(pNext->m_wndMain), customised);
    UINT nID, nStyle;
    int iImage;
    pNext->m_wndMain.GetButtonInfo(4, nID, nStyle, iImage);
    EXPECT_EQ(nID, (UINT)ID_TEST_OTHER);
    EXPECT_EQ(ImagePixel(pNext->m_wndMain.m_hbmImageWell, iImage),
              ImagePixel(pOther->m_wndMain.m_hbmImageWell, 0));
    EXPECT_TRUE(pNext->m_wndMain.GetButtonStyle(pNext->m_wndMain.CommandToIndex(IDM_COLOR_COMBO)) &
                TBSTYLE_DROPDOWN);

    // Damaged: cut short, a count beyond the bytes, another layout. Each gives the defaults.
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Toolbars", "Buttons", &pData, &nBytes));
    std::vector<BYTE> saved(pData, pData + nBytes);
    delete[] pData;
    std::vector<BYTE> cut(saved.begin(), saved.begin() + saved.size() / 2);
    std::vector<BYTE> bigCount = saved;
    bigCount[12] = bigCount[13] = bigCount[14] = 0xFF; // the copied-image count
    std::vector<BYTE> otherLayout = saved;
    otherLayout[4] = 9; // version
    for (const std::vector<BYTE>* pBytes : {&cut, &bigCount, &otherLayout}) {
        ASSERT_TRUE(app.WriteProfileBinary("Toolbars", "Broken", (LPBYTE)pBytes->data(),
                                           (UINT)pBytes->size()));
        EXPECT_FALSE(pNext->m_wndMain.RestoreState("Toolbars", "Broken"));
        EXPECT_EQ(Commands(pNext->m_wndMain), defaults);
        EXPECT_TRUE(pNext->m_wndMain.GetButtonStyle(3) & TBSTYLE_DROPDOWN);
        EXPECT_TRUE(pNext->m_wndMain.RestoreState("Toolbars"));
    }
    // Nothing saved under a name: the bar stays as it is.
    EXPECT_FALSE(pNext->m_wndMain.RestoreState("Toolbars", "Never"));
    EXPECT_EQ(Commands(pNext->m_wndMain), customised);
}

} // namespace
