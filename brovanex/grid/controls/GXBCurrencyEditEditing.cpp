// The currency edit's editing: typed digits, delete and backspace by digits, the sign,
// undo, the clipboard, keys and the context menu.
#include "controls/GXBCurrencyEdit.h"
#include <algorithm>
#include <cstring>
#include <string>

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Position in s behind the nDigits-th digit (the first digit's position for 0).
int PosAfterDigits(const CString& s, int nDigits)
{
    int nCount = 0;
    for (int i = 0; i < s.GetLength(); ++i) {
        if (IsDigit(s[i])) {
            if (nCount == nDigits)
                return i;
            ++nCount;
        }
    }
    // behind the last digit
    for (int i = s.GetLength() - 1; i >= 0; --i)
        if (IsDigit(s[i]))
            return i + 1;
    return s.GetLength();
}

int DigitsBefore(const CString& s, int nPos)
{
    int nCount = 0;
    for (int i = 0; i < nPos && i < s.GetLength(); ++i)
        if (IsDigit(s[i]))
            ++nCount;
    return nCount;
}

int LastDigitEnd(const CString& s)
{
    for (int i = s.GetLength() - 1; i >= 0; --i)
        if (IsDigit(s[i]))
            return i + 1;
    return 0;
}
} // namespace

// The decimal separator inside the number span of s, or -1.
static int SeparatorInSpan(const CGXBCurrencyFormat& format, const CString& s)
{
    int nFirst, nLast;
    if (!format.FindNumberSpan(s, nFirst, nLast))
        return -1;
    int nSep = format.FindDecimalSeparator(s);
    return (nSep >= nFirst && nSep <= nLast) ? nSep : -1;
}

void CGXBCurrencyEdit::NormalizeCaret()
{
    CString s = GetText();
    int nFirst, nLast;
    if (!m_pFormat->FindNumberSpan(s, nFirst, nLast))
        return;
    if (m_nCaret >= nFirst && m_nCaret <= nLast + 1)
        return;
    int nSep = SeparatorInSpan(*m_pFormat, s);
    if (nSep >= 0)
        m_nCaret = CaretAtSeparator(nSep);
    else
        m_nCaret = nLast + 1;
}

void CGXBCurrencyEdit::AfterEdit(const CString& strOld, int nOldCaret)
{
    if (GetText() == strOld)
        return;
    SaveUndo(strOld, nOldCaret);
    NotifyParent(EN_UPDATE);
    m_nSelStart = -1;
    m_nSelEnd = 0;
    if (m_bRedraw)
        Invalidate(FALSE);
    CreateCaretAt(m_nCaret);
    NotifyParent(EN_CHANGE);
}

void CGXBCurrencyEdit::InsertText(LPCTSTR pszText)
{
    if (IsReadOnly() || pszText == nullptr || *pszText == 0)
        return;
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    std::string text((LPCTSTR)strOld);
    std::string typed(pszText);
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    BOOL bSelection = nFrom < nTo;
    int nFirst = -1, nLast = -1;
    BOOL bSpan = m_pFormat->FindNumberSpan(strOld, nFirst, nLast);
    BOOL bWhole = bSelection && bSpan && nFrom <= nFirst && nTo >= nLast + 1;
    const char cDecimal = m_pFormat->GetDecimalSeparator();
    const char cThousand = m_pFormat->GetThousandSeparator();
    const int nFraction = m_pFormat->GetFractionDigits();

    enum { KeepFromEnd, AtSeparator, AtPos } caretRule = KeepFromEnd;
    int nCaret = 0; // in the edited text (before it is reformatted)

    if (!bSelection) {
        NormalizeCaret();
        int c = m_nCaret;
        int nSep = SeparatorInSpan(*m_pFormat, strOld);
        if (m_bOverwrite && c < (int)text.size() &&
            (text[(size_t)c] == cDecimal || (cThousand != 0 && text[(size_t)c] == cThousand)))
            ++c;
        BOOL bInteger = nSep < 0 || c <= nSep;
        if (bInteger) {
            int nIntEnd = nSep >= 0 ? nSep : (bSpan ? nLast + 1 : (int)text.size());
            BOOL bReplace =
                m_bOverwrite || (m_pFormat->GetIntegerDigits() != -1 && nSep >= 0 && c < nSep);
            for (char ch : typed) {
                while (bReplace && c < nIntEnd && !IsDigit(text[(size_t)c]))
                    ++c;
                if (bReplace && c < nIntEnd) {
                    text[(size_t)c] = ch;
                } else {
                    text.insert((size_t)c, 1, ch);
                    ++nIntEnd;
                }
                ++c;
            }
            nCaret = c;
            caretRule = KeepFromEnd;
        } else if (bSpan && c > nLast) {
            if (!m_bEntryFromRight)
                return; // behind the last fraction digit nothing changes
            std::string digits;
            for (int i = nFirst; i <= nLast; ++i)
                if (IsDigit(text[(size_t)i]))
                    digits += text[(size_t)i];
            digits += typed;
            std::string strInt = digits.substr(0, digits.size() - (size_t)nFraction);
            std::string strFrac = digits.substr(digits.size() - (size_t)nFraction);
            std::string number = strInt + (nFraction > 0 ? std::string(1, cDecimal) + strFrac : "");
            text = text.substr(0, (size_t)nFirst) + number + text.substr((size_t)nLast + 1);
            nCaret = (int)text.size() - ((int)strOld.GetLength() - (nLast + 1));
            caretRule = KeepFromEnd;
        } else {
            for (char ch : typed) {
                if (c <= nLast) {
                    text[(size_t)c] = ch;
                    ++c;
                }
            }
            nCaret = c;
            caretRule = AtPos;
        }
    } else {
        text.replace((size_t)nFrom, (size_t)(nTo - nFrom), typed);
        nCaret = nFrom + (int)typed.size();
        caretRule = bWhole ? AtSeparator : KeepFromEnd;
    }

    int nEditedLength = (int)text.size();
    if (!SetTextParsedQuietly(text.c_str()))
        return;
    CString strNew = GetText();
    int nNewCaret;
    if (caretRule == AtSeparator) {
        int nSep = SeparatorInSpan(*m_pFormat, strNew);
        nNewCaret = nSep >= 0 ? CaretAtSeparator(nSep) : strNew.GetLength();
    } else if (caretRule == AtPos) {
        nNewCaret = nCaret;
    } else {
        nNewCaret = strNew.GetLength() - (nEditedLength - nCaret);
    }
    m_nCaret = std::max(0, std::min(nNewCaret, LastDigitEnd(strNew)));
    AfterEdit(strOld, nOldCaret);
}

int CGXBCurrencyEdit::CaretAtSeparator(int nSep) const
{
    return m_pFormat->GetIntegerDigits() == 0 ? nSep + 1 : nSep;
}

BOOL CGXBCurrencyEdit::SetTextParsedQuietly(LPCTSTR pszText)
{
    const BOOL bOldRedraw = m_bRedraw;
    m_bRedraw = FALSE;
    const BOOL bOk = SetTextParsed(pszText);
    m_bRedraw = bOldRedraw;
    return bOk;
}

void CGXBCurrencyEdit::FinishDigitRemoval(CString strText, int nDigitsBefore, const CString& strOld,
                                          int nOldCaret)
{
    if (CGXBCurrencyFormat::CountDigits(strText) == 0)
        strText += '0';
    if (!SetTextParsedQuietly(strText))
        return;
    if (m_dValue == 0)
        ClearAmount();
    else
        m_nCaret = PosAfterDigits(GetText(), nDigitsBefore);
    AfterEdit(strOld, nOldCaret);
}

void CGXBCurrencyEdit::ClearAmount()
{
    // An amount of 0: the caret at the decimal separator (behind it without integer
    // digits), or behind the number when there is no separator.
    CString s = GetText();
    int nSep = SeparatorInSpan(*m_pFormat, s);
    if (nSep >= 0)
        m_nCaret = CaretAtSeparator(nSep);
    else
        m_nCaret = LastDigitEnd(s);
}

void CGXBCurrencyEdit::DoDelete()
{
    if (IsReadOnly())
        return;
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    if (nFrom >= nTo && m_nCaret >= strOld.GetLength())
        return;
    std::string text((LPCTSTR)strOld);
    int nDigitsBefore;
    if (nFrom < nTo) {
        text.erase((size_t)nFrom, (size_t)(nTo - nFrom));
        nDigitsBefore = DigitsBefore(strOld, nFrom);
    } else {
        int c = m_nCaret;
        while (c < (int)text.size() && !IsDigit(text[(size_t)c]))
            ++c;
        if (c >= (int)text.size())
            return;
        int nSep = SeparatorInSpan(*m_pFormat, strOld);
        if (nSep < 0 || c < nSep) {
            text.erase((size_t)c, 1);
            nDigitsBefore = DigitsBefore(strOld, c);
        } else {
            text[(size_t)c] = '0';
            nDigitsBefore = DigitsBefore(strOld, c) + 1;
        }
    }
    FinishDigitRemoval(text.c_str(), nDigitsBefore, strOld, nOldCaret);
}

void CGXBCurrencyEdit::DoBackspace()
{
    if (IsReadOnly())
        return;
    if (HasSelection()) {
        DoDelete();
        return;
    }
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    std::string text((LPCTSTR)strOld);
    int p = std::min(m_nCaret, (int)text.size()) - 1;
    while (p >= 0 && !IsDigit(text[(size_t)p]))
        --p;
    if (p < 0)
        return;
    int nSep = SeparatorInSpan(*m_pFormat, strOld);
    int nDigitsBefore = DigitsBefore(strOld, p);
    if (nSep < 0 || p < nSep)
        text.erase((size_t)p, 1);
    else
        text[(size_t)p] = '0';
    FinishDigitRemoval(text.c_str(), nDigitsBefore, strOld, nOldCaret);
}

void CGXBCurrencyEdit::ToggleSign()
{
    if (IsReadOnly())
        return;
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    int nFirst = 0, nLast = -1;
    BOOL bSpan = m_pFormat->FindNumberSpan(strOld, nFirst, nLast);
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    BOOL bWhole = bSpan && nFrom < nTo && nFrom <= nFirst && nTo >= nLast + 1 &&
        (nFrom < nFirst || nTo > nLast + 1);
    int nFromEnd = (nLast + 1) - m_nCaret;
    m_bNegative = bWhole ? TRUE : !m_bNegative;
    Reformat();
    CString strNew = GetText();
    m_pFormat->FindNumberSpan(strNew, nFirst, nLast);
    if (bWhole) {
        SaveUndo(strOld, nOldCaret);
        m_nSelStart = nFirst;
        m_nSelEnd = nLast + 1;
        m_nCaret = nLast + 1;
        CreateCaretAt(m_nCaret);
        if (m_bRedraw)
            Invalidate(FALSE);
        NotifyParent(EN_CHANGE);
        return;
    }
    m_nCaret = std::max(0, std::min(nLast + 1 - nFromEnd, strNew.GetLength()));
    AfterEdit(strOld, nOldCaret);
}

void CGXBCurrencyEdit::ToggleOverwrite() { m_bOverwrite = !m_bOverwrite; }

BOOL CGXBCurrencyEdit::FilterPaste(CString& strText)
{
    int nFrom, nTo, nFirst, nLast;
    SelectionRange(nFrom, nTo);
    if (nFrom < nTo && m_pFormat->FindNumberSpan(GetText(), nFirst, nLast) && nFrom <= nFirst &&
        nTo >= nLast + 1)
        return TRUE;
    CGXBCurrencyFormat::KeepDigitsOnly(strText);
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// Undo

void CGXBCurrencyEdit::SaveUndo(LPCTSTR pszText, int nCaret)
{
    m_strUndoText = pszText != nullptr ? CString(pszText) : GetText();
    m_nUndoCaret = nCaret >= 0 ? nCaret : m_nCaret;
    m_nUndoSelStart = m_nSelStart;
    m_nUndoSelEnd = m_nSelEnd;
    m_bCanUndo = TRUE;
}

void CGXBCurrencyEdit::Undo()
{
    if (IsReadOnly() || !m_bCanUndo)
        return;
    CString strText = m_strUndoText;
    int nCaret = m_nUndoCaret, nSelStart = m_nUndoSelStart, nSelEnd = m_nUndoSelEnd;
    SaveUndo();
    SetTextParsed(strText);
    m_nSelStart = nSelStart;
    m_nSelEnd = nSelEnd;
    if (GetFocus() == this) {
        m_nCaret = std::min(nCaret, GetText().GetLength());
        CreateCaretAt(m_nCaret);
    }
    if (m_bRedraw)
        Invalidate(FALSE);
    NotifyParent(EN_CHANGE);
}

// ---------------------------------------------------------------------------------------
// Clipboard

void CGXBCurrencyEdit::CopySelection()
{
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    if (nFrom >= nTo || !OpenClipboard())
        return;
    CString s = GetText().Mid(nFrom, nTo - nFrom);
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (SIZE_T)s.GetLength() + 1);
    if (hData != nullptr) {
        char* p = (char*)::GlobalLock(hData);
        memcpy(p, (LPCTSTR)s, (size_t)s.GetLength() + 1);
        ::GlobalUnlock(hData);
        if (::SetClipboardData(CF_TEXT, hData) == nullptr)
            ::GlobalFree(hData);
    }
    ::CloseClipboard();
}

namespace {
BOOL ClipboardText(CWnd* pWnd, CString& strText)
{
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !pWnd->OpenClipboard())
        return FALSE;
    BOOL bOk = FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData != nullptr) {
        const char* p = (const char*)::GlobalLock(hData);
        if (p != nullptr) {
            strText = CString(p, (int)strnlen(p, ::GlobalSize(hData)));
            ::GlobalUnlock(hData);
            bOk = TRUE;
        }
    }
    ::CloseClipboard();
    return bOk;
}
} // namespace

LRESULT CGXBCurrencyEdit::OnCopy(WPARAM, LPARAM)
{
    CopySelection();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnCut(WPARAM, LPARAM)
{
    if (!IsReadOnly() && HasSelection()) {
        CopySelection();
        DoDelete();
    }
    return 0;
}

LRESULT CGXBCurrencyEdit::OnPaste(WPARAM, LPARAM)
{
    CString strText;
    if (IsReadOnly() || !ClipboardText(this, strText))
        return 0;
    if (FilterPaste(strText))
        InsertText(strText);
    return 0;
}

void CGXBCurrencyEdit::OnEditUndo() { Undo(); }

void CGXBCurrencyEdit::OnEditCopy() { OnCopy(0, 0); }

void CGXBCurrencyEdit::OnEditCut() { OnCut(0, 0); }

void CGXBCurrencyEdit::OnEditPaste() { OnPaste(0, 0); }

void CGXBCurrencyEdit::OnEditClear()
{
    if (IsReadOnly())
        return;
    if (!HasSelection()) {
        SetValue(0, TRUE);
        return;
    }
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    CString s = GetText();
    CString strNew = s.Left(nFrom) + s.Mid(nTo);
    if (CGXBCurrencyFormat::CountDigits(strNew) == 0)
        strNew += "0";
    SetTextParsed(strNew);
    m_nSelStart = -1;
    m_nSelEnd = 0;
    if (GetFocus() == this) {
        m_nCaret = 0;
        CreateCaretAt(0);
    }
    if (m_bRedraw)
        Invalidate(FALSE);
}

void CGXBCurrencyEdit::OnEditSelectAll() { SetSel(0, -1); }

CMenu* CGXBCurrencyEdit::CreateContextMenu()
{
    CMenu* pMenu = new CMenu;
    if (!pMenu->CreatePopupMenu()) {
        delete pMenu;
        return nullptr;
    }
    CString s = GetText();
    BOOL bEmpty = s.IsEmpty(), bSelection = HasSelection(), bReadOnly = IsReadOnly();
    CString strClip;
    double d;
    BOOL bNeg;
    BOOL bPaste =
        !bReadOnly && ClipboardText(this, strClip) && m_pFormat->ParseValue(strClip, d, bNeg);
    auto flags = [](BOOL bGrey) { return MF_STRING | (bGrey ? MF_GRAYED : MF_ENABLED); };
    // Cut and Delete need a selection in an editable text.
    BOOL bNoCut = bEmpty || !bSelection || bReadOnly;
    pMenu->AppendMenu(flags(!m_bCanUndo || bReadOnly), ID_EDIT_UNDO, "&Undo\tCtrl+Z");
    pMenu->AppendMenu(MF_SEPARATOR);
    pMenu->AppendMenu(flags(bNoCut), ID_EDIT_CUT, "Cu&t\tCtrl+X");
    pMenu->AppendMenu(flags(bEmpty || !bSelection), ID_EDIT_COPY, "&Copy\tCtrl+C");
    pMenu->AppendMenu(flags(!bPaste), ID_EDIT_PASTE, "&Paste\tCtrl+V");
    pMenu->AppendMenu(flags(bNoCut), ID_EDIT_CLEAR, "&Delete\tDelete");
    pMenu->AppendMenu(MF_SEPARATOR);
    pMenu->AppendMenu(flags(bEmpty), ID_EDIT_SELECT_ALL, "Select &All");
    return pMenu;
}

void CGXBCurrencyEdit::DestroyContextMenu(CMenu* pMenu)
{
    if (pMenu != nullptr) {
        pMenu->DestroyMenu();
        delete pMenu;
    }
}

// ---------------------------------------------------------------------------------------
// Keys

void CGXBCurrencyEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0, bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    int nLength = GetText().GetLength();
    switch (nChar) {
    case VK_BACK:
        DoBackspace();
        break;
    case VK_END:
        MoveCaret(nLength, bShift);
        break;
    case VK_HOME:
        MoveCaret(0, bShift);
        break;
    case VK_LEFT:
        MoveCaret(m_nCaret - 1, bShift);
        break;
    case VK_RIGHT:
        MoveCaret(m_nCaret + 1, bShift);
        break;
    case VK_INSERT:
        if (bCtrl)
            PostMessage(WM_COPY);
        else if (bShift)
            PostMessage(WM_PASTE);
        else
            ToggleOverwrite();
        break;
    case VK_DELETE:
        if (bShift)
            PostMessage(WM_CUT);
        else
            DoDelete();
        break;
    case VK_F2:
        if (HasDropButton())
            OpenCalculator();
        break;
    default:
        if (bCtrl) {
            switch (nChar) {
            case 'C':
                PostMessage(WM_COPY);
                break;
            case 'V':
                PostMessage(WM_PASTE);
                break;
            case 'X':
                PostMessage(WM_CUT);
                break;
            case 'Z':
                PostMessage(WM_UNDO);
                break;
            }
        }
        break;
    }
    CGXBDropEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBCurrencyEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_F10 && ::GetKeyState(VK_SHIFT) < 0) {
        CRect rc;
        GetClientRect(&rc);
        PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
        return;
    }
    if (nChar == VK_BACK) {
        PostMessage(WM_UNDO);
        return;
    }
    CGXBDropEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBCurrencyEdit::OnChar(UINT nChar, UINT, UINT)
{
    char ch = (char)nChar;
    if (ch == m_pFormat->GetDecimalSeparator()) {
        CString s = GetText();
        int nSep = SeparatorInSpan(*m_pFormat, s);
        int nFirst, nLast;
        if (nSep >= 0)
            MoveCaret(nSep + 1, FALSE);
        else if (m_pFormat->FindNumberSpan(s, nFirst, nLast))
            MoveCaret(nLast + 1, FALSE);
    } else if (ch == '-') {
        ToggleSign();
    } else if (IsDigit(ch)) {
        char sz[2] = {ch, 0};
        InsertText(sz);
    }
}
