#include "core/GXPluginComponent.h"

IMPLEMENT_DYNAMIC(CGXPluginComponent, CWnd)

CGXPluginComponent::CGXPluginComponent() : m_bSkipOtherPlugins(FALSE), m_bExitMessage(FALSE) { }

CGXPluginComponent::~CGXPluginComponent()
{
    // The handle is borrowed: the grid window must not be destroyed or detached with us.
    m_hWnd = nullptr;
}

BOOL CGXPluginComponent::AttachToWindow(CWnd* pWnd)
{
    m_hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    return TRUE;
}

BOOL CGXPluginComponent::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    m_bSkipOtherPlugins = FALSE;
    m_bExitMessage = FALSE;
    LRESULT lResult = 0;
    BOOL bHandled = CWnd::OnWndMsg(message, wParam, lParam, &lResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}
