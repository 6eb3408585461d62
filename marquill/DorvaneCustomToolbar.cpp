#include "DorvaneCustomToolbar.h"

#include <atomic>
#include <memory>

IMPLEMENT_DYNAMIC(CDorvaneCustomToolbar, CToolBar)

namespace {

std::atomic<CLIPFORMAT> g_cfCustomToolbar {0}; // registered by the first toolbar object

} // namespace

// --- the update object ------------------------------------------------------------------------

void CDorvaneCustomToolbarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nOldStyle = pToolBar->GetButtonStyle((int)m_nIndex);
    UINT nNewStyle = nOldStyle & ~TBBS_DISABLED;
    if (!bOn)
        nNewStyle = (nNewStyle & ~TBBS_PRESSED) | TBBS_DISABLED;
    if (nNewStyle != nOldStyle)
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
    if (m_pButtonObject != nullptr && m_pButtonObject->HasWindow()) {
        CWnd* pControl = m_pButtonObject->GetControl();
        // The focus moves on before its control is disabled.
        if (!bOn && pControl != nullptr && ::GetFocus() == pControl->m_hWnd) {
            CWnd* pParent = pToolBar->GetParent();
            CWnd* pNext = pParent != nullptr ? pParent->GetNextDlgTabItem(pControl) : nullptr;
            if (pNext != nullptr)
                pNext->SetFocus();
        }
        m_pButtonObject->Enable(bOn);
    }
}

void CDorvaneCustomToolbarCmdUI::SetCheck(int nCheck)
{
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nOldStyle = pToolBar->GetButtonStyle((int)m_nIndex);
    UINT nNewStyle = (nOldStyle & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    if (nNewStyle != nOldStyle)
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
}

void CDorvaneCustomToolbarCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pButtonObject == nullptr || !m_pButtonObject->HasWindow() || lpszText == nullptr)
        return;
    // The text up to the first tab.
    CString strText = lpszText;
    int nTab = strText.Find('\t');
    if (nTab >= 0)
        strText = strText.Left(nTab);
    m_pButtonObject->SetText(strText);
}

// --- the toolbar ------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDorvaneCustomToolbar, CToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_INITIALUPDATE, &CDorvaneCustomToolbar::OnInitialUpdate)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, &CDorvaneCustomToolbar::OnDropDown)
END_MESSAGE_MAP()

CDorvaneCustomToolbar::CDorvaneCustomToolbar()
    : m_bLeftDuringDrag(0), m_bCustomising(0), m_bDraggingFromHere(0), m_nResourceID(0),
      m_buttons(10), m_nImagesLoaded(0)
{
    GetClipboardFormat();
}

CDorvaneCustomToolbar::~CDorvaneCustomToolbar()
{
    m_dropTarget.Revoke();
    DestroyWindow(); // the controls of the button objects go first
    DeleteButtonObjects();
}

CLIPFORMAT CDorvaneCustomToolbar::GetClipboardFormat()
{
    if (g_cfCustomToolbar == 0)
        g_cfCustomToolbar = (CLIPFORMAT)::RegisterClipboardFormatA("CDorvaneCustomToolbarFormat");
    return g_cfCustomToolbar;
}

BOOL CDorvaneCustomToolbar::LoadToolBar(UINT nIDResource)
{
    m_nResourceID = (int)nIDResource;
    m_copiedImages.clear();
    if (!CToolBar::LoadToolBar(MAKEINTRESOURCEA(LOWORD(nIDResource))))
        return FALSE;
    BITMAP bm = {};
    if (m_hbmImageWell != nullptr && ::GetObjectA(m_hbmImageWell, sizeof bm, &bm))
        m_nImagesLoaded = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    return TRUE;
}

int CDorvaneCustomToolbar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CToolBar::OnCreate(lpcs) == -1)
        return -1;
    m_dropTarget.Register(this); // needs OLE on this thread; without it no drops
    return 0;
}

void CDorvaneCustomToolbar::OnDestroy()
{
    m_dropTarget.Revoke();
    CToolBar::OnDestroy();
}

BOOL CDorvaneCustomToolbar::OnStartup() { return TRUE; }

LRESULT CDorvaneCustomToolbar::OnInitialUpdate(WPARAM, LPARAM)
{
    if (!OnStartup())
        return 0;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
        if (!pButton->AttachToToolBar(this))
            break;
    }
    return 0;
}

void CDorvaneCustomToolbar::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
        if (pButton->OnDropDown(this, (NMTOOLBARA*)pNMHDR, pResult))
            return;
    }
}

CToolBarButton* CDorvaneCustomToolbar::FindButtonObject(int nCommand) const
{
    if (nCommand == 0)
        return nullptr;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
        if (pButton->m_nCommand == nCommand)
            return pButton;
    }
    return nullptr;
}

void CDorvaneCustomToolbar::RemoveButtonObject(int nCommand)
{
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
        if (pButton->m_nCommand != nCommand)
            continue;
        CWnd* pControl = pButton->GetControl();
        if (pControl != nullptr)
            pControl->DestroyWindow();
        m_buttons.RemoveAt(posThis);
        delete pButton;
    }
}

void CDorvaneCustomToolbar::DeleteButtonObjects()
{
    while (!m_buttons.IsEmpty())
        delete (CToolBarButton*)m_buttons.RemoveHead();
}

CToolBarButton* CDorvaneCustomToolbar::SetButtonObject(int nCommand, int nIndex, int nReserved1,
                                                       int nReserved2, int nMenuID)
{
    RemoveButtonObject(nCommand);
    if (nIndex < 0 && m_hWnd != nullptr)
        nIndex = CommandToIndex((UINT)nCommand);
    CToolBarButton* pButton = new CToolBarButton;
    pButton->m_nCommand = nCommand;
    pButton->m_nIndex = nIndex;
    pButton->m_nReserved1 = nReserved1;
    pButton->m_nReserved2 = nReserved2;
    if (nMenuID != 0)
        pButton->m_nMenuID = nMenuID;
    if (m_hWnd != nullptr && !pButton->AttachToToolBar(this)) {
        delete pButton;
        return nullptr;
    }
    m_buttons.AddTail(pButton);
    return pButton;
}

void CDorvaneCustomToolbar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_bCustomising)
        return;
    CDorvaneCustomToolbarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetButtonCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, (WPARAM)state.m_nIndex, (LPARAM)&button);
        state.m_pButtonObject = FindButtonObject(button.idCommand);
        if ((button.fsStyle & TBSTYLE_SEP) && state.m_pButtonObject == nullptr)
            continue;
        state.m_nID = (UINT)button.idCommand;
        if (CWnd::OnCmdMsg(0, MAKELONG(CN_UPDATE_COMMAND_UI & 0xFFFF, WM_COMMAND + WM_REFLECT_BASE),
                           &state, nullptr))
            continue;
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
