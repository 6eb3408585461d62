// Field protection while typing: keys that would cut into a field, join it to the text
// around it or type inside it become safe edits before the text control sees them.
#include "ScriptView.h"

#include <algorithm>

namespace {
CString Trimmed(CString text)
{
    text.TrimLeft("\xAB");
    text.TrimRight("\xBB");
    return text;
}
bool IsArrow(WPARAM key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}
} // namespace

// The probes ask the document directly whether a position lies inside a field, instead of
// moving the caret there and back: the same answer, without repainting on every key.
bool CMyTXWordsView::FieldAtPosition(long pos)
{
    if (!m_pTextControl)
        return false;
    CTextControlCore& core = m_pTextControl->Core();
    std::lock_guard<std::recursive_mutex> g(core.Lock());
    const long length = static_cast<long>(core.Document().Length());
    pos = std::max(0L, std::min(pos, length));
    return core.Document().FieldAt(static_cast<size_t>(pos)) != 0;
}

bool CMyTXWordsView::FieldAfterCaret()
{
    const TXPAIR sel = GetSelPair();
    return sel.first == sel.second && FieldAtPosition(sel.second + 1);
}

bool CMyTXWordsView::FieldBeforeCaret() { return FieldAtPosition(GetSelPair().second - 1); }

bool CMyTXWordsView::FieldTwoAhead() { return FieldAtPosition(GetSelPair().second + 2); }

void CMyTXWordsView::MoveOutOfField(UINT key)
{
    const TXPAIR sel = GetSelPair();
    const long lo = std::min(sel.first, sel.second), hi = std::max(sel.first, sel.second);
    long start = 0, end = 0;
    if (!FieldPos(FieldAtCaret(), start, end))
        return;
    if (key == VK_LEFT || key == VK_UP) {
        const long caret = std::max(key == VK_LEFT ? start - 1 : start - 2, 0L);
        SetSelPair(std::min(caret, lo), caret);
    } else {
        // The field's end is the position just after its text.
        SetSelPair(end, std::max(end, hi));
    }
}

void CMyTXWordsView::DeleteFieldAtCaret()
{
    const DWORD id = FieldAtCaret();
    long start = 0, end = 0;
    if (!id || !FieldPos(id, start, end))
        return;
    const CString text = Trimmed(FieldText(id));
    if (text == "BRKT") {
        SendTx(TXM_FIELDDELETE, id, 1);
        SendTx(TXM_FIELDDELETE, id - 1, 1);
        SendTx(TXM_FIELDDELETE, id - 2, 1);
        SetSelPair(start - 1, start - 1);
    } else if (text == "\\BRKT") {
        const CString middle = FieldText(id + 1);
        SendTx(TXM_FIELDDELETE, id, 1);
        SendTx(TXM_FIELDDELETE, id + 1, 1);
        SendTx(TXM_FIELDDELETE, id + 2, 1);
        const long caret = std::max(start - 2 - middle.GetLength() - 4 - 1, 0L);
        SetSelPair(caret, caret);
    } else if (Trimmed(FieldText(id + 1)) == "BRKT") {
        long nextStart = 0, nextEnd = 0;
        FieldPos(id + 1, nextStart, nextEnd);
        SendTx(TXM_FIELDDELETE, id - 1, 1);
        SendTx(TXM_FIELDDELETE, id, 1);
        SendTx(TXM_FIELDDELETE, id + 1, 1);
        // The group's last field stood after the two deleted ones.
        const long caret = std::max(start - 1, 0L);
        SetSelPair(caret, caret);
        m_bChanged = 1;
        return;
    } else {
        SendTx(TXM_FIELDDELETE, id, 1);
    }
    m_bChanged = 1;
    m_crTextColor = 0;
    if (m_pTextControl)
        m_pTextControl->SetTextColor(0);
}

void CMyTXWordsView::SplitBeforeField()
{
    const long p = GetSelPair().second;
    if (p != 0) {
        SetSelPair(p - 1, p - 1);
        InsertText("\n");
        SetSelPair(p - 1, p - 1);
        return;
    }
    // The field starts the text: it is made again one line down.
    SetSelPair(1, 1);
    const DWORD id = FieldAtCaret();
    if (!id) {
        SetSelPair(0, 0);
        return;
    }
    const CString text = FieldText(id);
    const DWORD data = m_pTextControl ? m_pTextControl->FieldGetDataHelper(id) : 0;
    SendTx(TXM_FIELDDELETE, id, 1);
    SetSelPair(0, 0);
    InsertText("\n");
    SetSelPair(1, 1);
    const DWORD made = static_cast<DWORD>(
        SendTx(TXM_FIELDINSERT, TXFIELD_BREAKPART, reinterpret_cast<LPARAM>((LPCSTR)text)));
    if (made) {
        if (m_pTextControl)
            m_pTextControl->FieldSetDataHelper(made, data);
        long start = 0, end = 0;
        if (FieldPos(made, start, end)) {
            SetSelPair(start - 1, end);
            TXPAIR red = {255, 0};
            SendTx(TXM_SETSELCOLOR, TXCOLOR_TEXT, reinterpret_cast<LPARAM>(&red));
        }
    }
    SetSelPair(0, 0);
    TXPAIR black = {0, 0};
    SendTx(TXM_SETSELCOLOR, TXCOLOR_TEXT, reinterpret_cast<LPARAM>(&black));
    SetSelPair(0, 0);
}

void CMyTXWordsView::DeleteEmptyLineBefore()
{
    TXPAIR lineCol = {0, 0};
    if (!SendTx(TXM_GETCARETLINECOL, 0, reinterpret_cast<LPARAM>(&lineCol)) || lineCol.first < 1)
        return;
    const long a = static_cast<long>(SendTx(TXM_LINEINDEX, lineCol.first - 1));
    const long b = static_cast<long>(SendTx(TXM_LINEINDEX, lineCol.first));
    if (a >= 0 && a + 1 == b) {
        const TXPAIR sel = GetSelPair();
        SetSelPair(a, b);
        SendTx(WM_CLEAR);
        SetSelPair(sel.first - 1, sel.second - 1);
    }
}

bool CMyTXWordsView::FilterKey(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        WPARAM& key = pMsg->wParam;
        const TXPAIR sel = GetSelPair();
        const bool hasSel = sel.first != sel.second;
        if (FieldAtCaret() != 0) {
            bool byKey = false;
            const bool after = !hasSel && FieldAfterCaret();
            if (after && (key == VK_RETURN || key == VK_TAB)) {
                SplitBeforeField();
                if (key == VK_RETURN)
                    return true;
            } else if (after) {
                byKey = true;
            } else if (key == VK_DELETE) {
                if (hasSel) {
                    SetSelPair(std::min(sel.first, sel.second),
                               std::max(sel.first, sel.second) + 1);
                    InsertText("");
                }
                return true;
            } else {
                byKey = true;
            }
            if (byKey) {
                if (key == VK_BACK) {
                    DeleteFieldAtCaret();
                    key = VK_LEFT;
                } else if (key == VK_RETURN) {
                    return true;
                } else if (IsArrow(key)) {
                    MoveOutOfField(static_cast<UINT>(key));
                    return true;
                } else if (key == VK_DELETE) {
                    DeleteFieldAtCaret();
                    return true;
                }
            }
        }
        // Every key from here on.
        if (key == VK_DELETE) {
            const TXPAIR now = GetSelPair();
            if (now.first == now.second && FieldTwoAhead())
                return true; // the line feed before a field stays
            long caret = now.first;
            SetSelPair(caret, caret);
            if (FieldAfterCaret())
                --caret;
            SetSelPair(now.second, caret);
        }
        if (key == VK_BACK && FieldBeforeCaret()) {
            TXPAIR lineCol = {0, 0};
            SendTx(TXM_GETCARETLINECOL, 0, reinterpret_cast<LPARAM>(&lineCol));
            if (lineCol.first != static_cast<LONG>(SendTx(TXM_GETLASTLINE)))
                DeleteEmptyLineBefore();
            key = VK_LEFT; // Backspace never enters a field
        }
        if (key != VK_SHIFT && (key == VK_RETURN || key == VK_TAB) && FieldAfterCaret()) {
            const long p = GetSelPair().second;
            InsertText("\n");
            SetSelPair(p, p);
            if (key == VK_RETURN)
                return true;
        }
        return false;
    }
    if (pMsg->message == WM_CHAR) {
        const TXPAIR sel = GetSelPair();
        if (sel.first == sel.second && FieldAfterCaret()) {
            const long p = sel.second;
            if (p != 0) {
                InsertText("\n");
                SetSelPair(p, p);
            } else {
                SplitBeforeField();
            }
        } else if (FieldAtCaret() != 0) {
            SetSelPair(sel.second + 1, sel.first + 1);
            InsertText(" ");
        }
    }
    return false;
}

BOOL CMyTXWordsView::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) && m_pTextControl &&
        pMsg->hwnd == m_pTextControl->GetSafeHwnd() && FilterKey(pMsg))
        return TRUE;
    return CTXView::PreTranslateMessage(pMsg);
}
