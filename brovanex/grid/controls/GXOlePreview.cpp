// CGXOlePreview: the OLE object cell (the button, the server's run, storing, the clipboard).
#include "controls/GXOlePreview.h"
#include "controls/GXArrowButton.h"
#include "controls/GXControlFactory.h"
#include "controls/GXOleViewer.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXOleVarUserAttribute.h"
#include "core/GXRange.h"
#include "core/GXResourceString.h"
#include "core/GXStyle.h"
#include "res/GXResource.h"

#include <algorithm>
#include <cstring>

GX_IMPLEMENT_CONTROL(CGXOlePreview, CGXStatic)
GX_NO_CONTROL_ATTRIBUTES(CGXOlePreview)

namespace {
// The class name under which an application's browser grid is known to the library.
const char kBrowserGridClass[] = "CGXBrowserGrid";

BOOL IsBrowserGrid(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid != nullptr ? pGrid->GetGridWnd() : nullptr;
    for (CRuntimeClass* pClass = pWnd != nullptr ? pWnd->GetRuntimeClass() : nullptr;
         pClass != nullptr; pClass = pClass->m_pBaseClass)
        if (pClass->m_lpszClassName != nullptr &&
            strcmp(pClass->m_lpszClassName, kBrowserGridClass) == 0)
            return TRUE;
    return FALSE;
}
} // namespace

CGXControl* GXCreate_CGXOlePreview(CGXGridCore* pGrid, UINT)
{
    // Only a browser grid's database columns hold objects.
    return IsBrowserGrid(pGrid) ? new CGXOlePreview(pGrid) : nullptr;
}

CGXOlePreview::CGXOlePreview(CGXGridCore* pGrid, CGXViewerManager* pManager)
    : CGXStatic(pGrid), m_pViewerManager(pManager != nullptr ? pManager : new CGXViewerManager),
      m_pButton(new CGXHotSpotButton(this)), m_pOpenViewer(nullptr), m_bSavedFocusLock(FALSE),
      m_bActive(FALSE), m_bModified(FALSE)
{
    AddChild(m_pButton);
}

CGXOlePreview::~CGXOlePreview()
{
    if (m_pOpenViewer != nullptr) {
        m_pOpenViewer->Release();
        m_pOpenViewer->ForgetControl();
        m_pOpenViewer = nullptr;
    }
    // Viewers the manager kept for other cells must not call back into this control.
    m_pViewerManager->ForEach([](DWORD, CGXOleViewer* pViewer) { pViewer->ForgetControl(); });
    delete m_pViewerManager;
}

void CGXOlePreview::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    m_pButton->Refresh();
    Refresh();
}

CRect CGXOlePreview::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem,
                                 const CGXStyle* pStyle)
{
    // The text keeps clear of the button.
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, pRectItem, pStyle);
    rect.right = std::max(rect.left, rect.right - (LONG)nButtonSize);
    return rect;
}

void CGXOlePreview::PlaceChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    // A square at the cell's top right, one pixel inside its right edge (the text rectangle
    // ends where the button begins).
    const int nRight = rect.right + nButtonSize - 1;
    CRect rectButton(nRight - nButtonSize, rect.top, nRight, rect.top + nButtonSize);
    m_pButton->SetRect(rectButton);
}

BOOL CGXOlePreview::HasStoredObject()
{
    CGXStyle* pStyle = m_bInit ? LoadStyle() : nullptr;
    if (pStyle == nullptr || !pStyle->HasUserAttribute(GX_IDS_UA_PICTUREDATA))
        return FALSE;
    const CGXOleVarUserAttribute* pAttr = dynamic_cast<const CGXOleVarUserAttribute*>(
        &pStyle->GetUserAttribute(GX_IDS_UA_PICTUREDATA));
    return pAttr != nullptr && CGXGenericViewerImpl::IsByteArray(pAttr->GetVariant());
}

CGXOleViewer* CGXOlePreview::GetViewerForCell()
{
    if (!m_bInit || !IsBrowserGrid(m_pGrid))
        return nullptr;
    long nKey = -1;
    if (CGXStyle* pStyle = LoadStyle())
        if (pStyle->HasUserAttribute(GX_IDS_UA_VIEWERKEY)) {
            const CString strKey = pStyle->GetUserAttribute(GX_IDS_UA_VIEWERKEY).GetValue();
            if (!strKey.IsEmpty())
                nKey = pStyle->GetUserAttribute(GX_IDS_UA_VIEWERKEY).AsLong();
        }
    CGXOleViewer* pViewer = m_pViewerManager->GetViewer(nKey);
    if (CGXOleViewerHook* pHook = dynamic_cast<CGXOleViewerHook*>(m_pGrid))
        pViewer = pHook->OnGetOleViewer(m_nRow, m_nCol, nKey, pViewer);
    return pViewer;
}

HWND CGXOlePreview::PrepareFocusChange()
{
    HWND hFocus = ::GetFocus();
    CGXGridCore::RemoveQueuedKeys(hFocus);
    if (m_bInit)
        m_pGrid->BringCellIntoView(m_nRow, m_nCol);
    return hFocus;
}

void CGXOlePreview::RestoreFocus(HWND hFocus)
{
    if (hFocus != nullptr && ::IsWindow(hFocus))
        m_pGrid->GiveFocusBack(hFocus);
}

void CGXOlePreview::SaveFocusLock()
{
    CGXGridLibraryState* pState = m_pGrid->m_pLibState;
    m_bSavedFocusLock = pState->m_bLockFocusChange;
    pState->m_bLockFocusChange = TRUE;
}

void CGXOlePreview::RestoreFocusLock()
{
    m_pGrid->m_pLibState->m_bLockFocusChange = m_bSavedFocusLock;
}

void CGXOlePreview::ReportFailure(HRESULT hr, UINT nMessage)
{
    CString strText;
    if (SUCCEEDED(hr)) { // the viewer's own codes

        GXLoadString(nMessage, strText);
    } else {
        LPSTR pszSystem = nullptr;
        if (::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, (DWORD)hr, 0, (LPSTR)&pszSystem, 0, nullptr) != 0 &&
            pszSystem != nullptr)
            strText = pszSystem;
        if (pszSystem != nullptr)
            ::LocalFree(pszSystem);
        if (strText.IsEmpty())
            GXLoadString(nMessage, strText);
    }
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CGXOlePreview::MayEdit() { return m_bInit && !IsReadOnly() && OnStartEditing(); }

void CGXOlePreview::OnChildButtonClicked(CGXChild* pChild)
{
    CGXStatic::OnChildButtonClicked(pChild);
    if (!m_bInit || !OnStartEditing())
        return;
    if (m_pOpenViewer != nullptr && m_pOpenViewer->IsRunning()) {
        m_pOpenViewer->Activate();
        return;
    }
    CGXOleViewer* pViewer = GetViewerForCell();
    if (pViewer == nullptr)
        return;
    const HWND hFocus = PrepareFocusChange();
    SetActive(TRUE);
    SaveFocusLock();
    CGXStyle* pStyle = LoadStyle();
    HRESULT hr = pStyle != nullptr ? pViewer->Open(*pStyle, m_pGrid, this, TRUE) : gxOleClass;
    if (hr == gxOleNoObject) {
        hr = pViewer->InsertNewObject(m_pGrid, this);
        if (FAILED(hr))
            ReportFailure(gxOleClass, 20207);
        else if (hr == S_OK)
            SetModify(TRUE);
    } else if (hr != S_OK) {
        ReportFailure(hr, 20134);
    }
    RestoreFocus(hFocus);
    RestoreFocusLock();
    if (hr == S_OK)
        m_pOpenViewer = pViewer;
    else
        SetActive(FALSE);
}

BOOL CGXOlePreview::Store()
{
    if (!m_bInit || !IsActive() || !GetModify() || m_pOpenViewer == nullptr)
        return TRUE;
    CGXOleViewer* pViewer = m_pOpenViewer;
    VARIANT var;
    ::VariantInit(&var);
    const BOOL bHasObject = pViewer->GetOleObject() != nullptr;
    if (bHasObject) {
        const HRESULT hr = pViewer->SaveToVariant();
        if (hr != S_OK) {
            ReportFailure(hr, 20134);
            return FALSE;
        }
        ::VariantCopy(&var, const_cast<VARIANT*>(&pViewer->GetVariant()));
    }
    // A cleared or cut object leaves an empty variant in the cell.
    CGXStyle style;
    style.SetUserAttributePtr(GX_IDS_UA_PICTUREDATA, new CGXOleVarUserAttribute(var));
    ::VariantClear(&var);
    pViewer->Release();
    m_pOpenViewer = nullptr;
    SetModify(FALSE);
    SetActive(FALSE);
    FreeStyle(TRUE);
    return m_pGrid->SetStyleRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), style);
}

void CGXOlePreview::CloseOpenViewer(BOOL bAsk)
{
    if (m_pOpenViewer == nullptr)
        return;
    if (bAsk && m_pOpenViewer->IsRunning())
        AfxMessageBox(20206, MB_OK | MB_ICONINFORMATION);
    m_pOpenViewer->Release();
    m_pOpenViewer = nullptr;
}

BOOL CGXOlePreview::QueryCancelEdit()
{
    CloseOpenViewer(FALSE);
    SetModify(FALSE);
    SetActive(FALSE);
    return CGXStatic::QueryCancelEdit();
}

BOOL CGXOlePreview::NotifyCellLeft(ROWCOL nNewRow, ROWCOL nNewCol)
{
    CloseOpenViewer(FALSE);
    return CGXStatic::NotifyCellLeft(nNewRow, nNewCol);
}

BOOL CGXOlePreview::KeepChangedObject(CGXOleViewer* pViewer)
{
    m_pOpenViewer = pViewer;
    SetActive(TRUE);
    SetModify(TRUE);
    NotifyModified();
    Refresh();
    return TRUE;
}

BOOL CGXOlePreview::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_DELETE || ::GetKeyState(VK_CONTROL) < 0)
        return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
    if (!HasStoredObject() && m_pOpenViewer == nullptr)
        return FALSE;
    if (!MayEdit())
        return TRUE;
    // The object is cleared: the cell keeps an empty variant once stored.
    CGXOleViewer* pViewer = m_pOpenViewer != nullptr ? m_pOpenViewer : GetViewerForCell();
    if (pViewer == nullptr)
        return FALSE;
    pViewer->Release();
    return KeepChangedObject(pViewer);
}

// Opens the cell's object and puts it on the clipboard, telling the user (message nMessage)
// when that fails. Returns the viewer it used, or nullptr.
CGXOleViewer* CGXOlePreview::PutObjectOnClipboard(UINT nMessage)
{
    CloseOpenViewer(TRUE);
    CGXOleViewer* pViewer = GetViewerForCell();
    CGXStyle* pStyle = LoadStyle();
    if (pViewer == nullptr || pStyle == nullptr)
        return nullptr;
    HRESULT hr = pViewer->Open(*pStyle, m_pGrid, this, FALSE);
    IDataObject* pData = nullptr;
    if (hr == S_OK)
        hr = pViewer->CopyToDataObject(&pData);
    if (hr == S_OK) {
        hr = ::OleSetClipboard(pData);
        if (SUCCEEDED(hr))
            hr = ::OleFlushClipboard();
    }
    if (pData != nullptr)
        pData->Release();
    pViewer->Release();
    if (hr != S_OK) {
        ReportFailure(hr, nMessage);
        return nullptr;
    }
    return pViewer;
}

BOOL CGXOlePreview::Copy() { return m_bInit && PutObjectOnClipboard(20203) != nullptr; }

BOOL CGXOlePreview::Cut()
{
    if (!m_bInit || !MayEdit())
        return FALSE;
    CGXOleViewer* pViewer = PutObjectOnClipboard(20204);
    if (pViewer == nullptr)
        return FALSE;
    // The object left with the clipboard: the cell is emptied when stored.
    return KeepChangedObject(pViewer);
}

BOOL CGXOlePreview::Paste()
{
    if (!m_bInit || !MayEdit())
        return FALSE;
    CloseOpenViewer(TRUE);
    CGXOleViewer* pViewer = GetViewerForCell();
    if (pViewer == nullptr)
        return FALSE;
    const HRESULT hr = pViewer->PasteFromClipboard(m_pGrid, this);
    if (hr != S_OK) {
        ReportFailure(gxOleClass, 20134);
        return FALSE;
    }
    return KeepChangedObject(pViewer);
}

BOOL CGXOlePreview::CanCut()
{
    return m_bInit &&
        (HasStoredObject() || (m_pOpenViewer != nullptr && m_pOpenViewer->HasObject()));
}

BOOL CGXOlePreview::CanPaste()
{
    if (!m_bInit || IsReadOnly())
        return FALSE;
    IDataObject* pData = nullptr;
    const BOOL bData = SUCCEEDED(::OleGetClipboard(&pData)) && pData != nullptr;
    if (pData != nullptr)
        pData->Release();
    return bData;
}
