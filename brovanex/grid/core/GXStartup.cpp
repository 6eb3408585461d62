#include "core/GXStartup.h"
#include "controls/GXControlFactory.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXLibraryState.h"
#include "core/GXResourceString.h"
#include "core/GXSysColorCache.h"
#include "core/GXTabWnd.h"
#include "fw/app.h"
#include "fw/frame.h"
#include "fw/resource_chain.h"

namespace {
const UINT s_anStateTextIds[CGXGridLibraryState::nResourceTexts] = {
    20139, 20140, 20141, 20142, 20143, 20144, 20145, 20146, 20162, 20163,
    20164, 20165, 20147, 20148, 20150, 20180, 20151, 20152, 20154, 20155,
    20156, 20157, 20172, 20173, 20169, 20168, 20174, 20175, 20178, 20179};
const UINT s_anProcessTextIds[4] = {20081, 20075, 20076, 20077};
CString s_astrProcessTexts[4];

} // namespace

// The objects whose classes the model does not know, freed at shut-down.
void GXReleaseWindowObjects(CGXGridLibraryState& state)
{
    delete state.m_pControlFactory;
    state.m_pControlFactory = nullptr;
    delete state.m_pTabWndInterface;
    state.m_pTabWndInterface = nullptr;
    delete state.m_pDrawingAndFormatting;
    state.m_pDrawingAndFormatting = nullptr;
}

namespace {

// Registers a class made from a system class under another name (global to the process).
void RegisterSubclass(HINSTANCE hInstance, LPCSTR pszSystemClass, LPCSTR pszName)
{
    WNDCLASSA wc;
    if (::GetClassInfoA(hInstance, pszName, &wc))
        return;
    if (!::GetClassInfoA(nullptr, pszSystemClass, &wc))
        return;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszName;
    wc.style |= CS_GLOBALCLASS;
    AfxRegisterClass(&wc);
}

void RegisterPlainClass(HINSTANCE hInstance, LPCSTR pszName, UINT nStyle)
{
    WNDCLASSA wc;
    if (::GetClassInfoA(hInstance, pszName, &wc))
        return;
    wc = WNDCLASSA {};
    wc.style = nStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszName;
    AfxRegisterClass(&wc);
}
} // namespace

void CGXGridLibraryState::SetControlFactory(CGXControlFactory* pFactory)
{
    CString strFormat;
    strFormat.Format("Grid Styles %08x", (UINT)(UINT_PTR)AfxGetInstanceHandle());
    m_nClipboardFormat = ::RegisterClipboardFormatA(strFormat);
    if (m_pControlFactory != pFactory)
        delete m_pControlFactory;
    m_pControlFactory = pFactory;
    m_pfnReleaseWindowObjects = &GXReleaseWindowObjects;
    // The auxiliary objects belong to the previous factory's grids; the next tab window
    // makes its interface again.
    delete m_pTabWndInterface;
    m_pTabWndInterface = nullptr;
    ReleaseListeners();

    const DWORD dwVersion = ::GetVersion();
    const BYTE nMajor = LOBYTE(LOWORD(dwVersion)), nMinor = HIBYTE(LOWORD(dwVersion));
    m_wWinVersion = (WORD)((nMajor << 8) | nMinor);
    m_bWin32s = (dwVersion & 0x80000000u) != 0;
    m_bWin4 = nMajor >= 4;
    m_bWin3 = nMajor < 4;
    m_bWin32sOld = m_bWin32s && nMajor < 4;
    if (m_pControlFactory != nullptr)
        m_pControlFactory->InstallProcessFeatures();
}

void CGXGridLibraryState::LoadResourceTexts()
{
    for (int i = 0; i < nResourceTexts; ++i) {
        m_astrTexts[i].Empty();
        GXLoadString(s_anStateTextIds[i], m_astrTexts[i]);
    }
    for (int i = 0; i < 4; ++i) {
        s_astrProcessTexts[i].Empty();
        GXLoadString(s_anProcessTextIds[i], s_astrProcessTexts[i]);
    }
}

const CString& GXGetProcessText(int nIndex) { return s_astrProcessTexts[nIndex & 3]; }

void CGXGridLibraryState::AddGridParentClass(CRuntimeClass* pClass)
{
    if (pClass != nullptr && m_gridParentClasses.Find(pClass) == nullptr)
        m_gridParentClasses.AddTail(pClass);
}

CWnd* CGXGridLibraryState::FindGridParent(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    for (POSITION pos = m_gridParentClasses.GetHeadPosition(); pos != nullptr;) {
        CRuntimeClass* pClass = static_cast<CRuntimeClass*>(m_gridParentClasses.GetNext(pos));
        if (CWnd* pParent = GXGetParentOfClass(pWnd, pClass, TRUE))
            return pParent;
    }
    return nullptr;
}

CWnd* GXGetParentOfClass(CWnd* pWnd, CRuntimeClass* pClass, BOOL bIgnoreIconic)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || pClass == nullptr)
        return nullptr;
    if (!bIgnoreIconic)
        for (HWND h = ::GetParent(pWnd->GetSafeHwnd()); h != nullptr; h = ::GetParent(h))
            if (::IsIconic(h))
                return nullptr;
    CWnd* pParent = pWnd->GetParent();
    return pParent != nullptr && pParent->IsKindOf(pClass) ? pParent : nullptr;
}

CView* GXGetActiveView()
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (pFrame == nullptr)
        return nullptr;
    if (CView* pView = pFrame->GetActiveView())
        return pView;
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    return pActive != nullptr && pActive != pFrame ? pActive->GetActiveView() : nullptr;
}

void GXRegisterGridClasses(HINSTANCE hInstance)
{
    if (CGXControlFactory* pFactory = GXGetLibraryState().m_pControlFactory)
        pFactory->RegisterWindowClasses(hInstance);
    RegisterSubclass(hInstance, "edit", "GXEDIT");
    RegisterSubclass(hInstance, "listbox", "GXLISTBOX");
    RegisterSubclass(hInstance, "combobox", "GXCOMBOBOX");
    RegisterPlainClass(hInstance, "GXWND", CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    RegisterPlainClass(hInstance, "GXNDBLCLKSWND", CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW);
    RegisterPlainClass(hInstance, "GxMdiFrame", CS_GLOBALCLASS | CS_DBLCLKS);
}

void GXStartGridLibrary(DWORD, CGXControlFactory* pFactory, DWORD, DWORD)
{
    CGXGridLibraryState& state = GXGetLibraryState();
    const HINSTANCE hOldResources = AfxGetResourceHandle();
    state.SetControlFactory(pFactory);
    state.LoadResourceTexts();
    state.m_strDragLineClass = AfxRegisterWndClass(CS_SAVEBITS);
    GXRegisterGridClasses(AfxGetInstanceHandle());
    AfxSetResourceHandle(hOldResources);
    GXGetSysColorCache().Refresh();
    if (state.m_pDateTimeImp != nullptr)
        state.m_pDateTimeImp->ReadLocaleSettings();
    state.m_bStarted = TRUE;
}
