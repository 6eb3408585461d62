// CGXControl: editing notifications, value and display texts, writing text and styles into
// cells, validation, read-only rules, the clipboard of a cell without a window, choice
// lists and find and replace.
#include "controls/GXControl.h"
#include "core/GXChoiceList.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXStylesMap.h"
#include "fw/file.h"
#include <mbstring.h>
#include <memory>
#include <stdlib.h>

namespace {
const WORD kValidMin = 51011, kValidMax = 51012, kValidMessage = 51013;

// Scratch style of the grid, returned when the scope ends.
class CScratchStyle
{
public:
    explicit CScratchStyle(CGXGridCore* pGrid) : m_pGrid(pGrid), m_pStyle(pGrid->TakeStyleObject())
    { }
    ~CScratchStyle() { m_pGrid->ReturnStyleObject(m_pStyle); }
    CScratchStyle(const CScratchStyle&) = delete;
    CScratchStyle& operator=(const CScratchStyle&) = delete;
    CGXStyle* operator->() const { return m_pStyle; }
    CGXStyle* Get() const { return m_pStyle; }

private:
    CGXGridCore* m_pGrid;
    CGXStyle* m_pStyle;
};

// Publishes a style as the one in validation for a scope.
class CValidationScope
{
public:
    CValidationScope(CGXGridCore* pGrid, const CGXStyle* pStyle)
        : m_pGrid(pGrid), m_pOld(pGrid->m_pStyleInValidation)
    {
        pGrid->m_pStyleInValidation = pStyle;
    }
    ~CValidationScope() { m_pGrid->m_pStyleInValidation = m_pOld; }
    CValidationScope(const CValidationScope&) = delete;
    CValidationScope& operator=(const CValidationScope&) = delete;

private:
    CGXGridCore* m_pGrid;
    const CGXStyle* m_pOld;
};

// The longest prefix of at most nBytes bytes that ends on a character boundary.
int GXCharBoundary(const CString& str, int nBytes)
{
    int i = 0;
    while (i < nBytes && i < str.GetLength()) {
        const int nChar = ::IsDBCSLeadByte((BYTE)str[i]) && i + 1 < str.GetLength() ? 2 : 1;
        if (i + nChar > nBytes)
            break;
        i += nChar;
    }
    return i;
}

CString UserAttributeText(const CGXStyle& style, WORD nId)
{
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValue() : CString();
}
} // namespace

void CGXControl::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle numeric;
    numeric.SetControl(52519).SetValueType(1);
    pStylesMap->DeclareUserAttribute(kValidMin, &numeric);
    pStylesMap->DeclareUserAttribute(kValidMax, &numeric);
    pStylesMap->DeclareUserAttribute(kValidMessage);
}

// --- Notifications to the grid ---

BOOL CGXControl::OnStartEditing()
{
    if (!m_bInit)
        return FALSE;
    if (!m_pGrid->OnStartEditing(m_nRow, m_nCol))
        return FALSE;
    m_pGrid->BringCellIntoView(m_nRow, m_nCol);
    return TRUE;
}

BOOL CGXControl::NotifyModified()
{
    if (!GetModify() || !m_bInit)
        return FALSE;
    m_pGrid->OnCellModified(m_nRow, m_nCol);
    return TRUE;
}

BOOL CGXControl::QueryCancelEdit()
{
    const BOOL bCancel = m_pGrid->OnQueryCancelEditing(m_nRow, m_nCol);
    if (bCancel)
        InvalidateCell(m_nRow, m_nCol);
    return bCancel;
}

void CGXControl::OnCanceledEditing()
{
    m_pGrid->OnCanceledEditing(m_nRow, m_nCol);
    Refresh();
}

BOOL CGXControl::OnEndEditing() { return m_pGrid->OnEndEditing(m_nRow, m_nCol); }

BOOL CGXControl::NotifyCellLeft(ROWCOL nNewRow, ROWCOL nNewCol)
{
    return m_pGrid->OnLeaveCell(m_nRow, m_nCol, nNewRow, nNewCol);
}

BOOL CGXControl::OnDeleteCell() { return m_pGrid->OnDeleteCell(m_nRow, m_nCol); }

// --- Texts and values ---

BOOL CGXControl::GetEditText(CString& strText)
{
    if (CGXStyle* pStyle = LoadStyle()) {
        if (pStyle->GetInclude(gxValue))
            strText = pStyle->GetValue();
        else if (!FormatDisplayText(strText, m_nRow, m_nCol, nullptr, *pStyle))
            strText.Empty();
        return TRUE;
    }
    strText.Empty();
    return FALSE;
}

void CGXControl::SetEditText(const CString& strText)
{
    if (m_bInit)
        m_pGrid->SetCellText(m_nRow, m_nCol, strText, GX_UPDATENOW);
}

BOOL CGXControl::GetValue(CString& strValue)
{
    CGXStyle* pStyle = m_bInit ? LoadStyle() : nullptr;
    if (pStyle == nullptr || !pStyle->GetInclude(gxValue))
        return FALSE;
    strValue = pStyle->GetValue();
    return TRUE;
}

void CGXControl::SetValue(LPCTSTR pszValue)
{
    CGXStyle* pStyle = m_bInit ? LoadStyle() : nullptr;
    if (pStyle == nullptr)
        return;
    pStyle->SetValue(pszValue != nullptr ? pszValue : "");
    InvalidateCell(m_nRow, m_nCol);
    if (CWnd* pWnd = m_pGrid->GetGridWnd())
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->UpdateWindow();
}

BOOL CGXControl::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                   const CGXStyle& style)
{
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue))
            return FALSE;
        pszValue = style.GetValue();
    }
    if (style.GetInclude(gxFormat) && style.GetFormat() != 0)
        strText = GXGetDrawingAndFormatting()->GetFormattedValue(pszValue, &style);
    else
        strText = pszValue;
    return TRUE;
}

BOOL CGXControl::GetCellValue(ROWCOL nRow, ROWCOL nCol, CString& strValue)
{
    CString strOwn;
    if (m_bInit && m_pGrid->IsCurrentCell(nRow, nCol) && nRow == m_nRow && nCol == m_nCol &&
        GetValue(strOwn))
        strValue = strOwn;
    return FALSE;
}

BOOL CGXControl::GetStyleText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strText)
{
    strText = style.GetValue();
    return TRUE;
}

BOOL CGXControl::AcceptsTypedText(CString&, ROWCOL, ROWCOL, const CGXStyle&) { return TRUE; }

BOOL CGXControl::WriteCellText(ROWCOL nRow, ROWCOL nCol, const CString& strText, UINT nFlags,
                               const CGXStyle* pOldStyle)
{
    std::unique_ptr<CScratchStyle> pComposed;
    if (pOldStyle == nullptr) {
        pComposed.reset(new CScratchStyle(m_pGrid));
        m_pGrid->ComposeCellStyle(nRow, nCol, pComposed->Get());
        pOldStyle = pComposed->Get();
    }
    CValidationScope scope(m_pGrid, pOldStyle);
    CString strNew = strText;
    if (!AcceptsTypedText(strNew, nRow, nCol, *pOldStyle))
        return FALSE;
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->m_bStoreGuard &&
        (m_pGrid->IsGridReadOnly() || pOldStyle->GetReadOnly()))
        return FALSE;
    if (pOldStyle->GetInclude(gxMaxLength) && pOldStyle->GetMaxLength() != 0 &&
        pOldStyle->GetMaxLength() < strNew.GetLength())
        strNew = strNew.Left(GXCharBoundary(strNew, pOldStyle->GetMaxLength()));
    return m_pGrid->SetCellValue(CGXRange(nRow, nCol, nRow, nCol), strNew, nFlags);
}

BOOL CGXControl::WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                                UINT, const CGXStyle* pOldStyle)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->m_bStoreGuard &&
        (m_pGrid->IsGridReadOnly() || (pOldStyle != nullptr && pOldStyle->GetReadOnly())))
        return FALSE;
    const BOOL bStored = m_pGrid->StoreCellStyle(nRow, nCol, pStyle, mt, 0);
    if (!bStored)
        return FALSE;
    if (!m_pGrid->IsCurrentCell(nRow, nCol))
        return bStored;
    if (!m_bInit || m_nRow != nRow || m_nCol != nCol || mt == (GXModifyType)4) {
        Init(nRow, nCol);
        return bStored;
    }
    FreeStyle(TRUE);
    m_nRow = nRow;
    m_nCol = nCol;
    LoadStyle();
    const BOOL bModified = GetModify();
    if (pStyle != nullptr) {
        if (pStyle->GetInclude(gxControl)) {
            m_pGrid->m_pCurrentCellControl = nullptr;
            m_pGrid->ReleaseCachedCellStyle(nRow, nCol);
        } else if (pStyle->GetInclude(gxValue)) {
            SetValue(pStyle->GetValue());
        }
    }
    Refresh();
    SetModify(mt == (GXModifyType)2 ? FALSE : bModified);
    return bStored;
}

// --- Validation and read-only ---

BOOL CGXControl::ValidateCellValue()
{
    if (IsActive() && GetModify()) {
        CString strText;
        GetEditText(strText);
        if (!strText.IsEmpty()) {
            const CGXStyle* pStyle = LoadStyle();
            const CString strMin = pStyle != nullptr ? UserAttributeText(*pStyle, kValidMin) : "";
            const CString strMax = pStyle != nullptr ? UserAttributeText(*pStyle, kValidMax) : "";
            const double d = atof(strText);
            if ((!strMin.IsEmpty() && !(d >= atof(strMin))) ||
                (!strMax.IsEmpty() && d > atof(strMax))) {
                m_pGrid->SetPendingMessage(
                    pStyle != nullptr ? (LPCTSTR)UserAttributeText(*pStyle, kValidMessage) : "");
                return FALSE;
            }
        }
        if (!ValidateText(strText))
            return FALSE;
    }
    return m_pGrid->OnValidateCell(m_nRow, m_nCol);
}

BOOL CGXControl::ValidateText(const CString&) { return TRUE; }
BOOL CGXControl::CanPasteText(const CString&) { return TRUE; }
void CGXControl::OnRejectedText(const CString&) { }

BOOL CGXControl::IsReadOnly()
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || !pParam->m_bStoreGuard)
        return FALSE;
    if (m_pGrid->IsGridReadOnly())
        return TRUE;
    const CGXStyle* pStyle = LoadStyle();
    return pStyle != nullptr && pStyle->GetInclude(gxReadOnly) && pStyle->GetReadOnly();
}

BOOL CGXControl::CanCut()
{
    if (!m_bInit)
        return FALSE;
    const CGXStyle* pStyle = LoadStyle();
    return !(pStyle != nullptr && pStyle->GetInclude(gxReadOnly) && pStyle->GetReadOnly());
}

// --- Clipboard of a cell without an active window ---

BOOL CGXControl::Copy()
{
    if (!IsActive()) {
        if (!m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            return FALSE;
        return m_pGrid->CopyOneRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol));
    }
    CString strText;
    GetSelectedEditText(strText);
    if (strText.IsEmpty())
        return FALSE;
    CWnd* pWnd = m_pGrid->GetGridWnd();
    if (pWnd == nullptr || !::OpenClipboard(pWnd->GetSafeHwnd()))
        return FALSE;
    BOOL bSet = FALSE;
    const size_t cb = (size_t)strText.GetLength() + 1;
    if (HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb)) {
        if (void* p = ::GlobalLock(hMem)) {
            memcpy(p, (LPCTSTR)strText, cb);
            ::GlobalUnlock(hMem);
            ::EmptyClipboard();
            bSet = ::SetClipboardData(CF_TEXT, hMem) != nullptr;
        }
        if (!bSet)
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return bSet;
}

BOOL CGXControl::Cut()
{
    if (IsActive()) {
        Copy();
        ReplaceSel("");
        return TRUE;
    }
    if (m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return m_pGrid->CutOneRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol));
    return FALSE;
}

BOOL CGXControl::CanPaste()
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    const UINT nOwnFormat = m_pGrid->m_pLibState->m_nClipboardFormat;
    if (nOwnFormat != 0 && ::IsClipboardFormatAvailable(nOwnFormat) && pParam != nullptr &&
        pParam->m_wClipboardFlags != 0)
        return FALSE;
    if (!m_bInit || !IsActive())
        return FALSE;
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle != nullptr && pStyle->GetInclude(gxReadOnly) && pStyle->GetReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT);
}

BOOL CGXControl::Paste()
{
    if (!CanPaste())
        return FALSE;
    CWnd* pWnd = m_pGrid->GetGridWnd();
    const BOOL bOpened = ::GetOpenClipboardWindow() == nullptr && pWnd != nullptr &&
        ::OpenClipboard(pWnd->GetSafeHwnd());
    if (!bOpened && ::GetOpenClipboardWindow() == nullptr)
        return FALSE;
    BOOL bFound = FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData == nullptr)
        hData = ::GetClipboardData(CF_OEMTEXT);
    if (hData != nullptr) {
        if (LPCSTR psz = static_cast<LPCSTR>(::GlobalLock(hData))) {
            const CString strText(psz);
            ::GlobalUnlock(hData);
            bFound = TRUE;
            if (CanPasteText(strText))
                ReplaceSel(strText);
        }
    }
    if (bOpened)
        ::CloseClipboard();
    return bFound;
}

void CGXControl::ReplaceSel(LPCTSTR pszText)
{
    if (m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        m_pGrid->SetCellText(m_nRow, m_nCol, pszText, GX_UPDATENOW);
}

BOOL CGXControl::GetSelectedEditText(CString& strText)
{
    GetEditText(strText);
    return FALSE;
}

// --- Choice lists, find and replace ---

BOOL CGXControl::GetChoiceLine(CString& strResult, LPCTSTR pszChoiceList, int nIndex)
{
    strResult.Empty();
    if (pszChoiceList == nullptr || nIndex < 0)
        return FALSE;
    CString strRest = pszChoiceList;
    CString strLine;
    for (int i = 0; i <= nIndex; ++i) {
        if (strRest.IsEmpty())
            return FALSE;
        GXExtractLine(strRest, strLine);
    }
    strResult = strLine;
    return TRUE;
}

int CGXControl::FindChoiceLine(CString& strResult, LPCTSTR pszText, LPCTSTR pszChoiceList,
                               BOOL bExact)
{
    strResult.Empty();
    if (pszText == nullptr || *pszText == '\0' || pszChoiceList == nullptr)
        return -1;
    const size_t nLen = strlen(pszText);
    CString strRest = pszChoiceList;
    CString strLine, strPrefix;
    int nPrefix = -1;
    for (int i = 0; !strRest.IsEmpty(); ++i) {
        GXExtractLine(strRest, strLine);
        if (_mbsicmp((const unsigned char*)(LPCTSTR)strLine, (const unsigned char*)pszText) == 0) {
            strResult = strLine;
            return i;
        }
        if (!bExact && nPrefix < 0 && (size_t)strLine.GetLength() >= nLen &&
            _mbsnbicmp((const unsigned char*)(LPCTSTR)strLine, (const unsigned char*)pszText,
                       nLen) == 0) {
            nPrefix = i;
            strPrefix = strLine;
        }
    }
    if (!bExact && nPrefix >= 0) {
        strResult = strPrefix;
        return nPrefix;
    }
    return -1;
}

BOOL CGXControl::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                          BOOL bSelect)
{
    CGXAbstractGridFindReplaceImp* pImp = m_pGrid->FindReplaceImp();
    return pImp != nullptr && pImp->FindInCell(this, info, nRow, nCol, bCurrentPos, bSelect);
}

BOOL CGXControl::ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol)
{
    CGXAbstractGridFindReplaceImp* pImp = m_pGrid->FindReplaceImp();
    return pImp != nullptr && pImp->ReplaceAllInCell(this, info, nRow, nCol);
}

BOOL CGXControl::OnMarkEditHeaderKey(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CGXAbstractGridMarkEditHeaderImp* pImp = m_pGrid->MarkEditHeaderImp();
    return pImp != nullptr && pImp->IsHeaderMarked(this, nRow, nCol, style);
}
