#include "MyCustomToolbar.h"

#include "MarquillResource.h"

IMPLEMENT_DYNAMIC(CMyCustomToolbar, CDorvaneCustomToolbar)

CMyCustomToolbar::CMyCustomToolbar() : m_nColorButtonIndex(-1) { }

CMyCustomToolbar::~CMyCustomToolbar() = default;

BOOL CMyCustomToolbar::OnStartup()
{
    int nCount = GetButtonCount();
    for (int i = 0; i < nCount; i++) {
        if (GetItemID(i) != IDM_COLOR_COMBO)
            continue;
        m_nColorButtonIndex = i;
        if (SetButtonObject(IDM_COLOR_COMBO, -1, 0, -1, IDR_COLOR_MENU) == nullptr)
            return FALSE;
    }
    return TRUE;
}
