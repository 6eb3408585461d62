// The customisable toolbar as a place to drop buttons on, and as the source of a button's drag.
#include "DorvaneCustomToolbar.h"

#include <memory>

IMPLEMENT_SERIAL(CCustomToolbarDragItem, CObject, 1)

// --- the dragged button ---------------------------------------------------------------------

CCustomToolbarDragItem::CCustomToolbarDragItem()
    : m_nVersion(1), m_dwSourceToolbar(0), m_nSourceIndex(-1), m_iBitmap(-1), m_idCommand(0),
      m_fsState(0), m_fsStyle(0), m_dwData(0), m_iString(-1), m_pButton(nullptr), m_bValid(FALSE)
{ }

CCustomToolbarDragItem::~CCustomToolbarDragItem() { delete m_pButton; }

void CCustomToolbarDragItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nVersion << m_dwSourceToolbar << m_nSourceIndex << m_iBitmap << m_idCommand;
        ar << m_fsState << m_fsStyle;
        ar << m_dwData << m_iString;
        ar << (const CObject*)m_pButton;
    } else {
        m_bValid = FALSE;
        ar >> m_nVersion;
        if (m_nVersion != 1)
            AfxThrowArchiveException(CArchiveException::badSchema);
        ar >> m_dwSourceToolbar >> m_nSourceIndex >> m_iBitmap >> m_idCommand;
        ar >> m_fsState >> m_fsStyle;
        ar >> m_dwData >> m_iString;
        delete m_pButton;
        m_pButton = nullptr;
        // Only a button object may come with it.
        m_pButton = (CToolBarButton*)ar.ReadObject(RUNTIME_CLASS(CToolBarButton));
        m_bValid = TRUE;
    }
}

// --- the drop target ------------------------------------------------------------------------

namespace {

CDorvaneCustomToolbar* ToolbarOf(CWnd* pWnd)
{
    CWnd* pPermanent = pWnd != nullptr ? CWnd::FromHandlePermanent(pWnd->m_hWnd) : nullptr;
    return pPermanent != nullptr && pPermanent->IsKindOf(RUNTIME_CLASS(CDorvaneCustomToolbar))
        ? (CDorvaneCustomToolbar*)pPermanent
        : nullptr;
}

} // namespace

DROPEFFECT CDorvaneOleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject,
                                              DWORD dwKeyState, CPoint point)
{
    CDorvaneCustomToolbar* pBar = ToolbarOf(pWnd);
    return pBar != nullptr ? pBar->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CDorvaneOleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject,
                                             DWORD dwKeyState, CPoint point)
{
    CDorvaneCustomToolbar* pBar = ToolbarOf(pWnd);
    return pBar != nullptr ? pBar->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

BOOL CDorvaneOleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                                   CPoint point)
{
    CDorvaneCustomToolbar* pBar = ToolbarOf(pWnd);
    return pBar != nullptr && pBar->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT CDorvaneOleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject,
                                           DROPEFFECT dropDefault, DROPEFFECT dropList,
                                           CPoint point)
{
    CDorvaneCustomToolbar* pBar = ToolbarOf(pWnd);
    return pBar != nullptr ? pBar->OnDropEx(pDataObject, dropDefault, dropList, point)
                           : (DROPEFFECT)-1;
}

void CDorvaneOleDropTarget::OnDragLeave(CWnd* pWnd)
{
    CDorvaneCustomToolbar* pBar = ToolbarOf(pWnd);
    if (pBar != nullptr)
        pBar->OnDragLeave();
}

DROPEFFECT CDorvaneOleDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    CDorvaneCustomToolbar* pBar = ToolbarOf(pWnd);
    return pBar != nullptr ? pBar->OnDragScroll(dwKeyState, point) : DROPEFFECT_NONE;
}

// --- dropping buttons ---------------------------------------------------------------------------

DROPEFFECT CDorvaneCustomToolbar::OnDragEnter(COleDataObject* pDataObject, DWORD, CPoint)
{
    m_bLeftDuringDrag = FALSE;
    if (!pDataObject->IsDataAvailable(GetClipboardFormat()))
        return DROPEFFECT_NONE;
    return m_bDraggingFromHere ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

DROPEFFECT CDorvaneCustomToolbar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                             CPoint point)
{
    return OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CDorvaneCustomToolbar::OnDropEx(COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1; // the drop below does the work
}

void CDorvaneCustomToolbar::OnDragLeave() { m_bLeftDuringDrag = TRUE; }

DROPEFFECT CDorvaneCustomToolbar::OnDragScroll(DWORD, CPoint) { return DROPEFFECT_NONE; }

int CDorvaneCustomToolbar::HitTestButton(CPoint point) const
{
    int nCount = GetButtonCount();
    for (int i = 0; i < nCount; i++) {
        CRect rect;
        GetItemRect(i, &rect);
        rect.right++;
        rect.bottom++;
        if (rect.PtInRect(point))
            return i;
    }
    return -1;
}

BOOL CDorvaneCustomToolbar::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    // The item, read through an archive; data that does not read drops nothing.
    CCustomToolbarDragItem item;
    HGLOBAL hGlobal = pDataObject->GetGlobalData(GetClipboardFormat());
    if (hGlobal == nullptr)
        return FALSE;
    try {
        CSharedFile file;
        file.SetHandle(hGlobal, FALSE); // the file frees it
        CArchive ar(&file, CArchive::load, 4096);
        item.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    if (!item.m_bValid)
        return FALSE;

    // Where: the button under the point; an empty bar takes it first.
    int nIndex = 0;
    if (GetButtonCount() > 0) {
        nIndex = HitTestButton(point);
        if (nIndex < 0)
            return FALSE; // not over a button: nothing dropped
    }
    if ((item.m_fsStyle & TBSTYLE_SEP) && nIndex == 0)
        return FALSE; // a separator never leads the bar

    int iBitmap = item.m_iBitmap;
    if (dropEffect & DROPEFFECT_MOVE) {
        if (item.m_nSourceIndex == nIndex)
            return FALSE; // dropped where it was
        if (item.m_nSourceIndex >= 0 && item.m_nSourceIndex < GetButtonCount())
            SendMessage(TB_DELETEBUTTON, (WPARAM)item.m_nSourceIndex);
        RemoveButtonObject(item.m_idCommand);
    } else if (item.m_dwSourceToolbar != (DWORD)m_nResourceID && !(item.m_fsStyle & TBSTYLE_SEP)) {
        // A copy from another bar brings its image along.
        iBitmap = CopyImageFrom(item.m_dwSourceToolbar, item.m_iBitmap);
        if (iBitmap < 0)
            return FALSE;
    }

    TBBUTTON button = {};
    button.iBitmap = iBitmap;
    button.idCommand = item.m_idCommand;
    button.fsState = item.m_fsState;
    button.fsStyle = item.m_fsStyle;
    button.dwData = item.m_dwData;
    button.iString = item.m_iString;
    if (nIndex > GetButtonCount())
        nIndex = GetButtonCount();
    SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)&button);
    if (item.m_pButton != nullptr) {
        // The carried object is the new one (read from the archive, of its own class).
        CToolBarButton* pButton = item.m_pButton;
        item.m_pButton = nullptr;
        pButton->m_nIndex = -1;
        if (pButton->AttachToToolBar(this)) {
            pButton->Enable(FALSE); // until the next update
            m_buttons.AddTail(pButton);
        } else {
            delete pButton;
        }
    }
    m_nCount = GetButtonCount();
    Tidy();
    return TRUE;
}

int CDorvaneCustomToolbar::CopyImageFrom(UINT nSourceResource, int iImage)
{
    if (m_hbmImageWell == nullptr || iImage < 0 || m_sizeImage.cx <= 0)
        return -1;
    LPCSTR lpszName = MAKEINTRESOURCEA(LOWORD(nSourceResource));
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, (LPCSTR)RT_BITMAP);
    CGdiHandle<HBITMAP> hbmSource(
        (HBITMAP)::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    BITMAP bmSource = {}, bmWell = {};
    if (hbmSource.Get() == nullptr || !::GetObjectA(hbmSource.Get(), sizeof bmSource, &bmSource) ||
        !::GetObjectA(m_hbmImageWell, sizeof bmWell, &bmWell))
        return -1;
    int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
    if ((iImage + 1) * cx > bmSource.bmWidth)
        return -1; // the source has no such image

    // The bar's bitmap grows by the image: both parts copied into one of the joined width.
    HDC hScreen = ::GetDC(nullptr);
    CGdiHandle<HBITMAP> hbmJoined(::CreateCompatibleBitmap(hScreen, bmWell.bmWidth + cx,
                                                           std::max<LONG>(bmWell.bmHeight, cy)));
    {
        CGdiMemoryDC dcFrom(hScreen), dcTo(hScreen);
        {
            CGdiSelection from(dcFrom.Get(), m_hbmImageWell);
            CGdiSelection to(dcTo.Get(), hbmJoined.Get());
            ::BitBlt(dcTo.Get(), 0, 0, bmWell.bmWidth, bmWell.bmHeight, dcFrom.Get(), 0, 0,
                     SRCCOPY);
        }
        {
            CGdiSelection from(dcFrom.Get(), hbmSource.Get());
            CGdiSelection to(dcTo.Get(), hbmJoined.Get());
            ::BitBlt(dcTo.Get(), bmWell.bmWidth, 0, cx, cy, dcFrom.Get(), iImage * cx, 0, SRCCOPY);
        }
    }
    ::ReleaseDC(nullptr, hScreen);
    // The control takes the joined bitmap in place of the old one.
    int nOldImages = bmWell.bmWidth / cx;
    TBREPLACEBITMAP replace = {nullptr, (UINT_PTR)m_hbmImageWell, nullptr,
                               (UINT_PTR)hbmJoined.Get(), nOldImages + 1};
    if (!SendMessage(TB_REPLACEBITMAP, 0, (LPARAM)&replace))
        return -1;
    ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmJoined.Release();
    int iNew = nOldImages;
    m_copiedImages.push_back(CopiedImage {nSourceResource, iImage});
    return iNew;
}

void CDorvaneCustomToolbar::Tidy()
{
    // No two separators side by side.
    for (int i = GetButtonCount() - 1; i > 0; i--) {
        TBBUTTON a = {}, b = {};
        SendMessage(TB_GETBUTTON, (WPARAM)(i - 1), (LPARAM)&a);
        SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&b);
        if ((a.fsStyle & TBSTYLE_SEP) && (b.fsStyle & TBSTYLE_SEP) &&
            FindButtonObject(b.idCommand) == nullptr)
            SendMessage(TB_DELETEBUTTON, (WPARAM)i);
    }
    m_nCount = GetButtonCount();
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
        pButton->m_nIndex = CommandToIndex((UINT)pButton->m_nCommand);
        pButton->PlaceControl(this);
    }
    Invalidate();
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
}

// --- dragging buttons off this bar ----------------------------------------------------------------

void CDorvaneCustomToolbar::MakeDragItem(int nIndex, CCustomToolbarDragItem& item) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button);
    item.m_dwSourceToolbar = button.dwData != 0 ? (DWORD)button.dwData : (DWORD)m_nResourceID;
    item.m_nSourceIndex = nIndex;
    item.m_iBitmap = button.iBitmap;
    item.m_idCommand = button.idCommand;
    item.m_fsState = button.fsState;
    item.m_fsStyle = button.fsStyle;
    item.m_dwData = (DWORD)button.dwData;
    item.m_iString = (int)button.iString;
    delete item.m_pButton;
    item.m_pButton = nullptr;
    CToolBarButton* pObject = FindButtonObject(button.idCommand);
    if (pObject != nullptr) {
        pObject->SaveStateFromToolBar((CToolBar*)this);
        item.m_pButton = pObject; // borrowed while archived
    }
}

DROPEFFECT CDorvaneCustomToolbar::DragButton(int nIndex, COleDropSource* pDropSource)
{
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return DROPEFFECT_NONE;
    CCustomToolbarDragItem item;
    MakeDragItem(nIndex, item);
    CSharedFile file;
    {
        CArchive ar(&file, CArchive::store);
        item.Serialize(ar);
        ar.Close();
    }
    item.m_pButton = nullptr; // it was the bar's own
    COleDataSource source;
    source.CacheGlobalData(GetClipboardFormat(), file.Detach());
    m_bDraggingFromHere = TRUE;
    m_bLeftDuringDrag = FALSE;
    DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr, pDropSource);
    m_bDraggingFromHere = FALSE;
    if (effect == DROPEFFECT_NONE && m_bLeftDuringDrag) {
        // Dragged off the bar and dropped nowhere: the button goes.
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button);
        SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex);
        RemoveButtonObject(button.idCommand);
        Tidy();
    }
    return effect;
}

void CDorvaneCustomToolbar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bCustomising) {
        int nIndex = HitTestButton(point);
        if (nIndex >= 0) {
            DragButton(nIndex);
            return;
        }
    }
    CToolBar::OnLButtonDown(nFlags, point);
}
