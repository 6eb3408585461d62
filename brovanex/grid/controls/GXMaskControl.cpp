// The masked edit cell: its mask data from the style, values and texts, drawing other cells,
// typed text checked against the mask, and the clipboard.
#include "controls/GXMaskControl.h"
#include "controls/GXControlFactory.h"
#include "controls/GXMaskData.h"
#include "core/GXGridCore.h"
#include "core/GXStylesMap.h"
#include "fw/archive.h"
#include "fw/file.h"

#include <climits>
#include <cstring>

GX_IMPLEMENT_CONTROL(CGXMaskControl, CGXEditControl)

CGXControl* GXCreate_CGXMaskControl(CGXGridCore* pGrid, UINT nID)
{
    return new CGXMaskControl(pGrid, nID, RUNTIME_CLASS(CGXMaskData));
}
void GXAddAttributes_CGXMaskControl(CGXStylesMap* pStylesMap)
{
    CGXMaskControl::AddUserAttributes(pStylesMap);
}

namespace {
CString AttributeText(const CGXStyle& style, WORD nId)
{
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValue() : CString();
}

CGXMaskData* NewMaskData(CRuntimeClass* pClass)
{
    if (pClass != nullptr && pClass->IsDerivedFrom(RUNTIME_CLASS(CGXMaskData)))
        if (CObject* pObject = pClass->CreateObject())
            return static_cast<CGXMaskData*>(pObject);
    return new CGXMaskData;
}

// Whether SetData took every character of a value: each one fills one editable position
// (or one character in plain-text mode) before the position it returned.
BOOL TookAll(const CGXMaskData& data, int nEnd, const CString& strValue)
{
    if (nEnd < 0)
        return FALSE;
    CString strWritten;
    data.GetData(strWritten, 0, nEnd, FALSE);
    return strWritten.GetLength() == strValue.GetLength();
}
} // namespace

CGXMaskControl::CGXMaskControl(CGXGridCore* pGrid, UINT nID, CRuntimeClass* pMaskDataClass)
    : CGXEditControl(pGrid, nID), m_pMaskDataClass(nullptr), m_pEditMask(nullptr),
      m_pDrawMask(nullptr), m_bPastingMaskData(FALSE)
{
    SetMaskDataClass(pMaskDataClass);
}

CGXMaskControl::~CGXMaskControl()
{
    delete m_pEditMask;
    delete m_pDrawMask;
}

void CGXMaskControl::SetMaskDataClass(CRuntimeClass* pMaskDataClass)
{
    m_pMaskDataClass = pMaskDataClass != nullptr ? pMaskDataClass : RUNTIME_CLASS(CGXMaskData);
    delete m_pEditMask;
    m_pEditMask = nullptr;
    delete m_pDrawMask;
    m_pDrawMask = nullptr;
    m_pEditMask = NewMaskData(m_pMaskDataClass);
    m_pDrawMask = NewMaskData(m_pMaskDataClass);
}

UINT CGXMaskControl::GetClipboardFormat()
{
    static const UINT s_nFormat = ::RegisterClipboardFormatA("GX_MASKDATA");
    return s_nFormat;
}

void CGXMaskControl::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_INPUTMASK);
    CGXStyle prompt;
    prompt.SetMaxLength(1);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_INPUTPROMPT, &prompt);
}

void CGXMaskControl::SetUpMask(CGXMaskData& data, const CGXStyle& style)
{
    data.ClearMask();
    // A prompt the mask refuses (more than one character) leaves the default one.
    data.SetPrompt("_", FALSE);
    const CString strPrompt = AttributeText(style, GX_IDS_UA_INPUTPROMPT);
    if (!strPrompt.IsEmpty())
        data.SetPrompt(strPrompt, FALSE);
    data.SetMask(AttributeText(style, GX_IDS_UA_INPUTMASK));
    data.SetMaxLength(style.GetInclude(gxMaxLength) && style.GetMaxLength() != 0
                          ? (int)style.GetMaxLength()
                          : INT_MAX);
}

void CGXMaskControl::SaveMask(CByteArray& state)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        m_pEditMask->Serialize(ar);
    }
    state.SetSize((INT_PTR)file.GetLength());
    file.SeekToBegin();
    if (state.GetSize() > 0)
        file.Read(state.GetData(), (UINT)state.GetSize());
}

void CGXMaskControl::RestoreMask(const CByteArray& state)
{
    CMemFile file;
    if (state.GetSize() > 0)
        file.Write(state.GetData(), (UINT)state.GetSize());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    m_pEditMask->Serialize(ar);
}

void CGXMaskControl::Init(ROWCOL nRow, ROWCOL nCol) { CGXEditControl::Init(nRow, nCol); }

DWORD CGXMaskControl::CalcWindowStyle(const CRect& rect, int nLineHeight)
{
    // Always one line: no wrapping, no Enter, no scroll bar.
    m_bWrapText = FALSE;
    m_bAllowEnter = FALSE;
    m_bVertScroll = FALSE;
    return CGXEditControl::CalcWindowStyle(rect, nLineHeight);
}

void CGXMaskControl::ShowMask(int nSelStart, int nSelEnd)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CString strText;
    m_pEditMask->GetDisplayText(strText);
    CString strWindow;
    GetWindowText(strWindow);
    if (strWindow != strText)
        SetWindowTextQuiet(strText);
    SetSel(m_pEditMask->PositionsToBytes(nSelStart), m_pEditMask->PositionsToBytes(nSelEnd));
}

void CGXMaskControl::GetMaskSel(int& nStart, int& nEnd)
{
    nStart = nEnd = 0;
    if (GetSafeHwnd() != nullptr)
        GetSel(nStart, nEnd);
    nStart = m_pEditMask->BytesToPositions(nStart);
    nEnd = m_pEditMask->BytesToPositions(nEnd);
    const int nLength = m_pEditMask->GetLength();
    nStart = nStart < 0 ? 0 : (nStart > nLength ? nLength : nStart);
    nEnd = nEnd < nStart ? nStart : (nEnd > nLength ? nLength : nEnd);
}

void CGXMaskControl::Modified()
{
    SetModify(TRUE);
    NotifyModified();
    if (IsInit())
        InvalidateCell(GetRow(), GetCol());
}

int CGXMaskControl::EditPosAtOrAfter(int nPos) const
{
    const int nLength = m_pEditMask->GetLength();
    if (nPos < 0)
        nPos = 0;
    if (m_pEditMask->IsNoMaskMode())
        return nPos > nLength ? nLength : nPos;
    for (int i = nPos; i < nLength; ++i)
        if (!m_pEditMask->IsLiteral(i))
            return i;
    return -1;
}

int CGXMaskControl::EditPosAtOrBefore(int nPos) const
{
    const int nLength = m_pEditMask->GetLength();
    if (m_pEditMask->IsNoMaskMode())
        return nPos < 0 ? 0 : (nPos > nLength ? nLength : nPos);
    if (nPos >= nLength)
        return m_pEditMask->GetEndPos(nLength);
    for (int i = nPos; i >= 0; --i)
        if (!m_pEditMask->IsLiteral(i))
            return i;
    const int nFirst = EditPosAtOrAfter(0);
    return nFirst >= 0 ? nFirst : 0;
}

void CGXMaskControl::ReloadMask()
{
    const CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    if (pStyle == nullptr)
        return;
    SetUpMask(*m_pEditMask, *pStyle);
    m_pEditMask->SetData(pStyle->GetInclude(gxValue) ? (LPCTSTR)pStyle->GetValue() : "", -1);
    CString strText;
    m_pEditMask->GetDisplayText(strText);
    SetWindowTextQuiet(strText);
}

void CGXMaskControl::SetValue(LPCTSTR pszValue)
{
    if (GetSafeHwnd() == nullptr || !IsInit())
        return;
    if (const CGXStyle* pStyle = LoadStyle())
        SetUpMask(*m_pEditMask, *pStyle);
    m_pEditMask->SetData(pszValue != nullptr ? pszValue : "", -1);
    CString strText;
    m_pEditMask->GetDisplayText(strText);
    SetWindowTextQuiet(strText);
    if (IsActive())
        InvalidateCell(GetRow(), GetCol());
}

BOOL CGXMaskControl::GetEditText(CString& strText)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return CGXEditControl::GetEditText(strText);
    m_pEditMask->GetDisplayText(strText);
    return TRUE;
}

void CGXMaskControl::SetEditText(const CString& strText)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return;
    if (!IsActive())
        SetActive(TRUE);
    if (ValidateText(strText)) {
        int nEnd = m_pEditMask->SetDisplayText(strText, -1);
        if (nEnd < 0)
            nEnd = m_pEditMask->SetData(strText, -1);
        ShowMask(nEnd < 0 ? 0 : nEnd, nEnd < 0 ? 0 : nEnd);
        Modified();
    }
    InvalidateCell(GetRow(), GetCol());
}

BOOL CGXMaskControl::GetValue(CString& strValue)
{
    if (!IsInit())
        return FALSE;
    m_pEditMask->GetData(strValue, 0, -1, TRUE);
    return TRUE;
}

BOOL CGXMaskControl::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                       const CGXStyle& style)
{
    const CString strValue = pszValue != nullptr
        ? CString(pszValue)
        : (style.GetInclude(gxValue) ? style.GetValue() : CString());
    if (strValue.IsEmpty()) {
        strText.Empty();
        return TRUE;
    }
    SetUpMask(*m_pDrawMask, style);
    if (!TookAll(*m_pDrawMask, m_pDrawMask->SetData(strValue, -1), strValue)) {
        strText = strValue;
        return FALSE;
    }
    m_pDrawMask->GetDisplayText(strText);
    return TRUE;
}

BOOL CGXMaskControl::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (strText.IsEmpty())
        return TRUE;
    SetUpMask(*m_pDrawMask, style);
    const int nShown = m_pDrawMask->SetDisplayText(strText, -1);
    BOOL bAccepted = nShown == strText.GetLength() && m_pDrawMask->IsComplete();
    if (!bAccepted)
        bAccepted = TookAll(*m_pDrawMask, m_pDrawMask->SetData(strText, -1), strText);
    if (!bAccepted)
        return FALSE;
    m_pDrawMask->GetData(strText, 0, -1, TRUE);
    return TRUE;
}

BOOL CGXMaskControl::ValidateCellValue()
{
    if (IsActive() && GetModify() && !m_pEditMask->IsComplete())
        return FALSE;
    return CGXEditControl::ValidateCellValue();
}

BOOL CGXMaskControl::GetSelectedEditText(CString& strText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXEditControl::GetSelectedEditText(strText);
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    if (nStart < nEnd) {
        m_pEditMask->GetDisplayText(strText, nStart, nEnd);
        return TRUE;
    }
    GetEditText(strText);
    return FALSE;
}

BOOL CGXMaskControl::CanPasteText(const CString& strText) { return ValidateText(strText); }

void CGXMaskControl::ReplaceSel(LPCTSTR pszText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr) {
        CGXEditControl::ReplaceSel(pszText);
        return;
    }
    if (IsReadOnly())
        return;
    const CString strText = pszText != nullptr ? pszText : "";
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    CByteArray before;
    SaveMask(before);
    if (nStart < nEnd)
        m_pEditMask->DeleteRange(nEnd, nStart);
    CByteArray removed;
    SaveMask(removed);
    // As shown text (literals included), else as data; neither: the text stays as it was.
    int nPos = -1;
    if (!m_bPastingMaskData)
        nPos = m_pEditMask->SetDisplayText(strText, nStart, TRUE);
    if (nPos < 0 || !m_pEditMask->IsComplete() || m_bPastingMaskData) {
        RestoreMask(removed);
        nPos = m_pEditMask->SetData(strText, nStart, TRUE);
        if (nPos < 0 || !m_pEditMask->IsComplete()) {
            RestoreMask(before);
            ShowMask(nStart, nEnd);
            return;
        }
    }
    ShowMask(nPos, nPos);
    Modified();
}

BOOL CGXMaskControl::Copy()
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXEditControl::Copy();
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    if (nStart == nEnd) {
        nStart = 0;
        nEnd = m_pEditMask->GetLength();
    }
    CString strData, strShown;
    m_pEditMask->GetData(strData, nStart, nEnd, TRUE);
    m_pEditMask->GetDisplayText(strShown, nStart, nEnd);
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    // What was on the clipboard goes first: the two formats belong together.
    ::EmptyClipboard();
    BOOL bDone = TRUE;
    const UINT anFormats[2] = {GetClipboardFormat(), CF_TEXT};
    const CString* apText[2] = {&strData, &strShown};
    for (int i = 0; i < 2; ++i) {
        const int nBytes = apText[i]->GetLength() + 1;
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)nBytes);
        void* p = hMem != nullptr ? ::GlobalLock(hMem) : nullptr;
        if (p == nullptr) {
            if (hMem != nullptr)
                ::GlobalFree(hMem);
            bDone = FALSE;
            break;
        }
        std::memcpy(p, (LPCSTR)*apText[i], (size_t)nBytes);
        ::GlobalUnlock(hMem);
        if (::SetClipboardData(anFormats[i], hMem) == nullptr) {
            ::GlobalFree(hMem);
            bDone = FALSE;
            break;
        }
    }
    ::CloseClipboard();
    return bDone;
}

BOOL CGXMaskControl::CanPaste()
{
    if (IsReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(GetClipboardFormat()) || CGXEditControl::CanPaste();
}

BOOL CGXMaskControl::Paste()
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXEditControl::Paste();
    if (IsReadOnly() || !::OpenClipboard(m_hWnd))
        return FALSE;
    const UINT anFormats[3] = {GetClipboardFormat(), CF_TEXT, CF_OEMTEXT};
    CString strText;
    int nFound = -1;
    for (int i = 0; i < 3 && nFound < 0; ++i) {
        HANDLE hData = ::GetClipboardData(anFormats[i]);
        const char* p = hData != nullptr ? static_cast<const char*>(::GlobalLock(hData)) : nullptr;
        if (p == nullptr)
            continue;
        // Only the block's own bytes, up to its first null.
        const SIZE_T nSize = ::GlobalSize(hData);
        SIZE_T n = 0;
        while (n < nSize && p[n] != 0)
            ++n;
        strText = CString(p, (int)n);
        ::GlobalUnlock(hData);
        if (anFormats[i] == CF_OEMTEXT && !strText.IsEmpty()) {
            CString strAnsi = strText;
            ::OemToCharBuffA(strText, strAnsi.GetBuffer(strText.GetLength()),
                             (DWORD)strText.GetLength());
            strAnsi.ReleaseBuffer(strText.GetLength());
            strText = strAnsi;
        }
        nFound = i;
    }
    ::CloseClipboard();
    if (nFound < 0)
        return FALSE;
    return PasteText(strText, nFound == 0);
}

BOOL CGXMaskControl::PasteText(const CString& strText, BOOL bMaskData)
{
    m_bPastingMaskData = bMaskData;
    ReplaceSel(strText);
    m_bPastingMaskData = FALSE;
    return TRUE;
}

BOOL CGXMaskControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return CGXEditControl::OnCommand(wParam, lParam);
}
