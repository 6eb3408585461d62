// The window-free heart of the text control: a document, the selection, the format that
// typing uses, undo and redo, and the control's message table. The edit window forwards
// messages here and draws what it holds; tests drive it without a window. A lock guards
// every call, so a worker thread may save the document while the window edits it.
#pragma once
#include "richtext/RichDocument.h"

#include <deque>
#include <mutex>
#include <string>

class CTextControlCore
{
public:
    CTextControlCore();

    // Handles a message of the control's table; handled says whether it was one.
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);

    // Selection: anchor and caret, both within [0, Length()].
    long Anchor() const { return m_anchor; }
    long Caret() const { return m_caret; }
    long SelMin() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    long SelMax() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    // A negative caret selects to the end; (0, -1) selects everything.
    void SetSel(long anchor, long caret);
    void MoveCaret(long caret, bool extend);

    // Editing, each one step of undo (typing coalesces into one step per word run).
    void ReplaceSel(const std::u16string& text);
    // Replaces the selection with a document (pasting keeps formatting and fields).
    void ReplaceSelWith(const CRichDocument& doc);
    CRichDocument SelectedDocument() const;
    void TypeChar(char16_t c);
    void ClearSel();
    void Backspace();
    void DeleteForward();
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    std::u16string SelectedText() const;

    // Formatting of the selection, or of what is typed next when nothing is selected.
    void SetSelColor(bool background, COLORREF color);
    void ToggleSelStyle(UINT style);
    const CRichCharFormat& TypingFormat() const { return m_typing; }
    void SetTypingFont(const std::string& face, int halfPoints);
    // Face, size, weight, slant, underline and colour of the selection and of typing
    // (the character dialog's choice); one undo step.
    void SetSelCharFormat(const CRichCharFormat& format);

    // Paragraph formats: that of the caret's paragraph (the selection's first), and a change
    // to every paragraph the selection touches (one undo step).
    CRichParaFormat SelParaFormat() const;
    template<class F>
    void ChangeSelParaFormat(F change);
    // A page break at the caret: the paragraph after it starts a page. At a paragraph's start
    // that paragraph gets the break; elsewhere the paragraph is split there first. Backspace
    // at the start of a paragraph that has a page break removes the break.
    void InsertPageBreak();

    // Fields.
    DWORD InsertField(WORD kind, const std::u16string& text);
    bool FieldSetData(DWORD id, DWORD data);
    bool FieldGetData(DWORD id, DWORD& data) const;
    bool FieldGetText(DWORD id, std::u16string& text) const;
    // A field of its own in place of the selection: the field takes proto's kind, type, type
    // text, data and content, and text in fmt. One undo step; the new id, or 0 when nothing
    // went in (the document and the selection stay as they were).
    DWORD InsertFieldAtSel(const CRichField& proto, const std::u16string& text,
                           const CRichCharFormat& fmt);
    // A hyperlink in place of the selection: its text (line ends become blanks) in the typing
    // format, blue and underlined, and its address as the field's type text. 0 without
    // an address or text.
    DWORD InsertHyperlink(const std::u16string& text, const std::u16string& address);
    // An image or object in place of the selection: one object character in the typing
    // format, an embedded field holding a copy of the content. 0 when the content is not valid.
    DWORD InsertObject(const CRichObject& object);
    // A table of rows x columns in place of the selection, on paragraphs of its own, its
    // columns sharing width (twips) and bordered; the caret goes to its first cell. One undo
    // step; false when it cannot go in.
    bool InsertTable(int rows, int columns, int width);
    // Deletes the table rows among the paragraphs the selection touches (one undo step);
    // false when there are none.
    bool DeleteTableRows();
    // The hyperlink that holds the character at pos, or null.
    const CRichField* LinkAt(size_t pos) const;

    // Whole-document operations. Load keeps the current document when it fails.
    bool Load(const std::string& bytes, int format, std::string& error);
    bool Save(int format, std::string& bytes, std::string& error) const;
    void SetDocument(const CRichDocument& doc);

    const CRichDocument& Document() const { return m_doc; }
    // Counts every change of the document or selection, for the window's refresh.
    unsigned Revision() const { return m_revision; }
    // Counts changes of the document only (what the window lays out anew).
    unsigned DocRevision() const { return m_docRevision; }
    bool Modified() const { return m_modified; }
    // What changed in the document since the last call (for the window's layout).
    CRichDocument::Change TakeChanges();
    void SetModified(bool modified) { m_modified = modified; }
    std::recursive_mutex& Lock() const { return m_lock; }

private:
    void BeginParaChange();
    void EndParaChange();
    struct Snapshot
    {
        CRichDocument doc;
        long anchor, caret;
    };
    void PushUndo(bool typing);
    // Undo and redo: restores the newest state of `from`, keeping the current one on `to`.
    bool StepHistory(std::deque<Snapshot>& from, std::deque<Snapshot>& to);
    void Changed();
    void UpdateTypingFormat();
    long Clamp(long pos) const;

    mutable std::recursive_mutex m_lock;
    CRichDocument m_doc;
    long m_anchor = 0, m_caret = 0;
    CRichCharFormat m_typing;
    std::deque<Snapshot> m_undo, m_redo;
    bool m_lastWasTyping = false;
    unsigned m_revision = 0;
    unsigned m_docRevision = 0;
    bool m_modified = false;
};

template<class F>
void CTextControlCore::ChangeSelParaFormat(F change)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    BeginParaChange();
    m_doc.ChangeParaFormat(static_cast<size_t>(SelMin()), static_cast<size_t>(SelMax()), change);
    EndParaChange();
}
