#include "ChildFrame.h"

#include "MarquillResource.h"
#include "ScriptDoc.h"
#include "ScriptView.h"
#include "richtext/TXRulerBar.h"
#include "TXWords.h"

namespace {
const UINT kIndicators[] = {ID_INDICATOR_ERT, 0, 0};
const char kInfoText[] = "Doubleclick for Info";
const char kIndicatorHelp[] =
    "The indicators on the left of this\nbutton, (OVR, CAPS, NUM), tell you\nwhat state your "
    "keyboard is in.\n\n  If OVR is black that means that you\nare in over-write mode and any "
    "text\nyou type will over-write the existing\ntext.\n\n If OVR is grey then you are "
    "in\ninsert mode and any text you type will\npush the existing text to the right.\n\n";
} // namespace

// ---- COverwriteStatus -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(COverwriteStatus, CStatusBar)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

COverwriteStatus::COverwriteStatus() : m_hIcon(nullptr), m_nInfoIcon(-1) { }

COverwriteStatus::~COverwriteStatus()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

BOOL COverwriteStatus::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~SBARS_SIZEGRIP;
    EnableToolTips(TRUE);
    return CStatusBar::PreCreateWindow(cs);
}

BOOL COverwriteStatus::CreateOn(CFrameWnd* frame)
{
    if (!CreateEx(frame, SBT_TOOLTIPS, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IDS_STATUS_LINE) ||
        !SetIndicators(kIndicators, 3))
        return FALSE;
    // The size grip would sit on the info pane; a child frame's border sizes the window.
    ModifyStyle(SBARS_SIZEGRIP, 0);
    SetPaneInfo(0, ID_INDICATOR_ERT, SBPS_POPOUT, 14);
    SetPaneInfo(1, 0, SBPS_STRETCH, 0);
    SetPaneInfo(2, 0, SBPS_NOBORDERS, 14 + TextWidth(kInfoText));
    SetPaneText(2, kInfoText);
    m_images.Create(IDB_INFO_ICONS, 16, 0, RGB(255, 0, 255));
    SetInfoIcon(0);
    return TRUE;
}

void COverwriteStatus::SetInfoIcon(int image)
{
    HICON icon = m_images.GetSafeHandle() ? m_images.ExtractIcon(image) : nullptr;
    SendMessage(SB_SETICON, 2, reinterpret_cast<LPARAM>(icon));
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = icon;
    m_nInfoIcon = image;
}

void COverwriteStatus::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    for (int i = 0; i < 3; ++i) {
        CRect rect;
        GetItemRect(i, &rect);
        if (!rect.PtInRect(point))
            continue;
        if (i == 2) {
            SetInfoIcon(1);
            AfxMessageBox(kIndicatorHelp, MB_ICONINFORMATION);
            SetInfoIcon(0);
        }
        break;
    }
    CStatusBar::OnLButtonDblClk(nFlags, point);
}

// ---- CChildFrame ------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_ERT, &CChildFrame::OnUpdateERT)
    ON_COMMAND_EX(IDM_TOGGLE_RULER, &CChildFrame::OnToggleRuler)
    ON_UPDATE_COMMAND_UI(IDM_TOGGLE_RULER, &CChildFrame::OnUpdateToggleRuler)
END_MESSAGE_MAP()

CChildFrame::CChildFrame() : m_bOverwrite(0) { }

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    CTXWordsApp* app = GetTXWordsApp();
    if (app && app->m_bMaximizeWindows)
        cs.style |= WS_MAXIMIZE | WS_VISIBLE;
    return CMDIChildWnd::PreCreateWindow(cs);
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    // A bar that cannot be made fails the frame (FALSE: a non-zero result would read as
    // success and leave a frame without its bar).
    if (!m_wndStatusBar.CreateOn(this))
        return FALSE;
    return CMDIChildWnd::OnCreateClient(lpcs, pContext);
}

void CChildFrame::OnUpdateERT(CCmdUI* pCmdUI)
{
    CDocument* doc = GetActiveDocument();
    long characters = 0;
    if (doc && doc->IsKindOf(RUNTIME_CLASS(CTXWordsDoc)))
        characters = static_cast<CTXWordsDoc*>(doc)->GetReadingCharacters();
    CString text;
    text.Format("ERT %s", (LPCSTR)CTXWordsDoc::GetReadingTime(characters));
    // The pane grows and shrinks with its text.
    if (m_wndStatusBar.GetSafeHwnd()) {
        CClientDC dc(nullptr);
        CFont* font = m_wndStatusBar.GetFont();
        CFont* old = font ? dc.SelectObject(font) : nullptr;
        const CSize size = dc.GetTextExtent(text);
        if (old)
            dc.SelectObject(old);
        UINT id, style;
        int width;
        m_wndStatusBar.GetPaneInfo(0, id, style, width);
        if (width != size.cx)
            m_wndStatusBar.SetPaneInfo(0, id, style, size.cx);
    }
    pCmdUI->SetText(text);
    pCmdUI->Enable(TRUE);
}

BOOL CChildFrame::OnToggleRuler(UINT)
{
    CDocument* doc = GetActiveDocument();
    POSITION pos = doc ? doc->GetFirstViewPosition() : nullptr;
    CView* view = pos ? doc->GetNextView(pos) : nullptr;
    if (!view || !view->IsKindOf(RUNTIME_CLASS(CTXView)))
        return FALSE;
    CControlBar* ruler = static_cast<CTXView*>(view)->m_pRulerBar;
    if (ruler && ruler->GetSafeHwnd())
        ShowControlBar(ruler, !ruler->IsVisible(), FALSE);
    return TRUE;
}

void CChildFrame::OnUpdateToggleRuler(CCmdUI* pCmdUI)
{
    CDocument* doc = GetActiveDocument();
    POSITION pos = doc ? doc->GetFirstViewPosition() : nullptr;
    CView* view = pos ? doc->GetNextView(pos) : nullptr;
    CControlBar* ruler = view && view->IsKindOf(RUNTIME_CLASS(CTXView))
        ? static_cast<CTXView*>(view)->m_pRulerBar
        : nullptr;
    if (!ruler || !ruler->GetSafeHwnd()) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(ruler->IsVisible() ? 1 : 0);
}
