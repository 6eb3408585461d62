// The customisable toolbar's buttons in the profile.
#include "DorvaneCustomToolbar.h"

#include <memory>

namespace {

// The saved state's header: a mark and a version, so another layout is never misread.
const DWORD kStateMark = 0x42544344; // "DCTB"
const DWORD kStateVersion = 1;

} // namespace

// --- the saved state --------------------------------------------------------------------------------

BOOL CDorvaneCustomToolbar::SaveState(LPCSTR lpszSection, LPCSTR lpszEntry)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || m_hWnd == nullptr)
        return FALSE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << kStateMark << kStateVersion << (DWORD)m_nResourceID;
        ar << (DWORD)m_copiedImages.size();
        for (const CopiedImage& image : m_copiedImages)
            ar << (DWORD)image.nSourceResource << image.iImage;
        int nCount = GetButtonCount();
        ar << (DWORD)nCount;
        for (int i = 0; i < nCount; i++) {
            TBBUTTON button = {};
            SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button);
            ar << button.iBitmap << button.idCommand << button.fsState << button.fsStyle;
            ar << (DWORD)button.dwData;
        }
        ar << (DWORD)m_buttons.GetCount();
        for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
            CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
            pButton->SaveStateFromToolBar(this);
            ar << (const CObject*)pButton;
        }
        ar.Close();
    }
    UINT nBytes = (UINT)file.GetLength();
    std::unique_ptr<BYTE[]> bytes(file.Detach());
    return pApp->WriteProfileBinary(lpszSection, lpszEntry, bytes.get(), nBytes);
}

void CDorvaneCustomToolbar::LoadDefaults()
{
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != nullptr;) {
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.GetNext(pos);
        CWnd* pControl = pButton->GetControl();
        if (pControl != nullptr)
            pControl->DestroyWindow();
        pButton->m_nIndex = -1;
    }
    LoadToolBar((UINT)m_nResourceID);
    OnInitialUpdate(0, 0);
    Tidy();
}

BOOL CDorvaneCustomToolbar::RestoreState(LPCSTR lpszSection, LPCSTR lpszEntry)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || m_hWnd == nullptr)
        return FALSE;
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!pApp->GetProfileBinary(lpszSection, lpszEntry, &pData, &nBytes) || pData == nullptr)
        return FALSE; // nothing saved: the bar stays as it is
    std::unique_ptr<BYTE[]> owned(pData);

    std::vector<CopiedImage> images;
    std::vector<TBBUTTON> buttons;
    std::vector<std::unique_ptr<CToolBarButton>> objects;
    BOOL bRead = FALSE;
    try {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load);
        DWORD dwMark, dwVersion, dwResource, nImages, nButtons, nObjects;
        ar >> dwMark >> dwVersion >> dwResource;
        if (dwMark != kStateMark || dwVersion != kStateVersion ||
            dwResource != (DWORD)m_nResourceID)
            AfxThrowArchiveException(CArchiveException::badSchema);
        // Counts are trusted only as far as the bytes could hold them.
        ar >> nImages;
        if (nImages > nBytes / 8)
            AfxThrowArchiveException(CArchiveException::badIndex);
        for (DWORD i = 0; i < nImages; i++) {
            DWORD dwSource;
            int iImage;
            ar >> dwSource >> iImage;
            images.push_back(CopiedImage {dwSource, iImage});
        }
        ar >> nButtons;
        if (nButtons > nBytes / 14)
            AfxThrowArchiveException(CArchiveException::badIndex);
        for (DWORD i = 0; i < nButtons; i++) {
            TBBUTTON button = {};
            DWORD dwData;
            ar >> button.iBitmap >> button.idCommand >> button.fsState >> button.fsStyle >> dwData;
            button.dwData = dwData;
            buttons.push_back(button);
        }
        ar >> nObjects;
        if (nObjects > nButtons)
            AfxThrowArchiveException(CArchiveException::badIndex);
        for (DWORD i = 0; i < nObjects; i++)
            objects.emplace_back((CToolBarButton*)ar.ReadObject(RUNTIME_CLASS(CToolBarButton)));
        bRead = TRUE;
    } catch (CException* e) {
        e->Delete();
    }
    if (bRead) {
        // Every image must come back and every button have one.
        LoadToolBar((UINT)m_nResourceID);
        for (const CopiedImage& image : images) {
            if (CopyImageFrom(image.nSourceResource, image.iImage) < 0) {
                bRead = FALSE;
                break;
            }
        }
        int nImages = m_nImagesLoaded + (int)m_copiedImages.size();
        for (const TBBUTTON& button : buttons)
            if (!(button.fsStyle & TBSTYLE_SEP) &&
                (button.iBitmap < -1 || button.iBitmap >= nImages))
                bRead = FALSE;
    }
    if (!bRead) {
        LoadDefaults();
        return FALSE;
    }

    for (int n = GetButtonCount(); n > 0; n--)
        SendMessage(TB_DELETEBUTTON, 0);
    for (size_t i = 0; i < buttons.size(); i++)
        SendMessage(TB_INSERTBUTTONA, (WPARAM)i, (LPARAM)&buttons[i]);
    m_nCount = GetButtonCount();
    while (!m_buttons.IsEmpty()) {
        CToolBarButton* pButton = (CToolBarButton*)m_buttons.RemoveHead();
        CWnd* pControl = pButton->GetControl();
        if (pControl != nullptr)
            pControl->DestroyWindow();
        delete pButton;
    }
    for (auto& pObject : objects) {
        CToolBarButton* pButton = pObject.release();
        pButton->m_nIndex = -1;
        if (pButton->AttachToToolBar(this))
            m_buttons.AddTail(pButton);
        else
            delete pButton;
    }
    Tidy();
    return TRUE;
}
