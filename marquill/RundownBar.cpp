#include "RundownBar.h"

#include "ShowView.h"
#include "TXWords.h"

CRundownBar::CRundownBar() : m_pShowView(nullptr) { }

CRundownBar::~CRundownBar() { }

void CRundownBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

LRESULT CRundownBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CSizingControlBar::WindowProc(message, wParam, lParam);
        if (result == -1)
            return -1;
        // The show view fills the bar; its document is the application's show document.
        m_pShowView = GetTXWordsApp()->CreateShowView(this, kPaneID);
        if (m_pShowView != nullptr)
            m_pShowView->UpdateTabCaption(CString());
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = CSizingControlBar::WindowProc(message, wParam, lParam);
        if (m_pShowView != nullptr && m_pShowView->GetSafeHwnd() != nullptr) {
            CRect client;
            GetClientRect(&client);
            client.DeflateRect(4, 4);
            m_pShowView->MoveWindow(&client);
        }
        return result;
    }
    default:
        break;
    }
    return CSizingControlBar::WindowProc(message, wParam, lParam);
}
