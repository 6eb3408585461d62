// The control's message table over the document model.
#include "richtext/TextControlCore.h"
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"

#include <algorithm>
#include <cstring>

namespace {

const size_t kUndoDepth = 200;

TXPAIR* Pair(LPARAM lParam) { return reinterpret_cast<TXPAIR*>(lParam); }
// Text of the narrow interface, in the ANSI code page.
std::u16string Text(LPARAM lParam)
{
    return richtext::AnsiToUtf16(lParam ? reinterpret_cast<const char*>(lParam) : "");
}

// Copies text in the ANSI code page into a caller's buffer of size bytes (0: unbounded),
// cut to fit with its terminator; returns the bytes written.
size_t CopyAnsi(const std::u16string& text, char* buffer, size_t size)
{
    const std::string ansi = richtext::Utf16ToAnsi(text);
    size_t n = ansi.size();
    if (size != 0 && n >= size)
        n = size - 1;
    std::memcpy(buffer, ansi.data(), n);
    buffer[n] = '\0';
    return n;
}

bool IsWordChar(char16_t c) { return c != ' ' && c != '\t' && c != '\n'; }

} // namespace

CTextControlCore::CTextControlCore() = default;

long CTextControlCore::Clamp(long pos) const
{
    long len = static_cast<long>(m_doc.Length());
    return pos < 0 ? 0 : pos > len ? len : pos;
}

void CTextControlCore::Changed() { ++m_revision; }

void CTextControlCore::UpdateTypingFormat()
{
    if (m_doc.Length() == 0)
        return; // an empty document keeps what was chosen for it
    size_t at = m_caret > 0 ? static_cast<size_t>(m_caret - 1) : 0;
    if (m_doc.Text()[at] == '\n' && static_cast<size_t>(m_caret) < m_doc.Length())
        at = static_cast<size_t>(m_caret);
    m_typing = m_doc.FormatAt(at);
}

void CTextControlCore::SetSel(long anchor, long caret)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    long len = static_cast<long>(m_doc.Length());
    if (caret < 0)
        caret = len;
    long oldCaret = m_caret;
    m_anchor = Clamp(anchor);
    m_caret = Clamp(caret);
    if (m_caret != oldCaret)
        UpdateTypingFormat();
    m_lastWasTyping = false;
    Changed();
}

void CTextControlCore::MoveCaret(long caret, bool extend)
{
    SetSel(extend ? m_anchor : caret, caret);
}

void CTextControlCore::PushUndo(bool typing)
{
    ++m_docRevision; // every change of the document passes here first
    if (typing && m_lastWasTyping && !m_undo.empty()) {
        m_redo.clear();
        return; // one step for a run of typing
    }
    m_undo.push_back(Snapshot {m_doc, m_anchor, m_caret});
    if (m_undo.size() > kUndoDepth)
        m_undo.pop_front();
    m_redo.clear();
    m_lastWasTyping = typing;
}

void CTextControlCore::ReplaceSel(const std::u16string& text)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    PushUndo(false);
    size_t end = m_doc.Replace(SelMin(), SelMax(), text, m_typing);
    m_anchor = m_caret = static_cast<long>(end);
    m_modified = true;
    Changed();
}

void CTextControlCore::ReplaceSelWith(const CRichDocument& doc)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    PushUndo(false);
    size_t at = m_doc.Replace(SelMin(), SelMax(), std::u16string(), m_typing);
    size_t end = m_doc.InsertDocument(at, doc);
    m_anchor = m_caret = static_cast<long>(end);
    m_modified = true;
    Changed();
}

CRichDocument CTextControlCore::SelectedDocument() const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    return m_doc.Extract(static_cast<size_t>(SelMin()), static_cast<size_t>(SelMax()));
}

void CTextControlCore::TypeChar(char16_t c)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    // A new undo step starts at each word boundary and whenever the caret moved.
    bool continuing = m_lastWasTyping && SelMin() == SelMax() && IsWordChar(c);
    m_lastWasTyping = continuing;
    PushUndo(true);
    m_lastWasTyping = true;
    size_t end = m_doc.Replace(SelMin(), SelMax(), std::u16string(1, c), m_typing);
    m_anchor = m_caret = static_cast<long>(end);
    m_modified = true;
    Changed();
}

void CTextControlCore::ClearSel()
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (SelMin() == SelMax())
        return;
    ReplaceSel(std::u16string());
}

CRichParaFormat CTextControlCore::SelParaFormat() const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    return m_doc.ParaFormat(m_doc.LineOf(static_cast<size_t>(SelMin())));
}

void CTextControlCore::BeginParaChange() { PushUndo(false); }

void CTextControlCore::EndParaChange()
{
    m_modified = true;
    m_lastWasTyping = false;
    Changed();
}

void CTextControlCore::InsertPageBreak()
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    const size_t caret = static_cast<size_t>(SelMin());
    const std::u16string& text = m_doc.Text();
    if (SelMin() == SelMax() && caret > 0 && text[caret - 1] == '\n') {
        BeginParaChange();
        CRichParaFormat p = m_doc.ParaFormat(m_doc.LineOf(caret));
        p.pageBreakBefore = true;
        m_doc.SetParaFormat(m_doc.LineOf(caret), p);
        EndParaChange();
        return;
    }
    ReplaceSel(u"\n");
    const size_t line = m_doc.LineOf(static_cast<size_t>(m_caret));
    if (line == 0 || m_doc.Text()[m_caret - 1] != '\n')
        return; // the line feed could not go in (inside a field)
    CRichParaFormat p = m_doc.ParaFormat(line);
    p.pageBreakBefore = true;
    m_doc.SetParaFormat(line, p); // part of the same undo step as the split
    Changed();
}

void CTextControlCore::Backspace()
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (SelMin() != SelMax()) {
        ClearSel();
        return;
    }
    if (m_caret == 0)
        return;
    const size_t line = m_doc.LineOf(static_cast<size_t>(m_caret));
    if (m_doc.Text()[m_caret - 1] == '\n' && m_doc.ParaFormat(line).pageBreakBefore) {
        BeginParaChange();
        CRichParaFormat p = m_doc.ParaFormat(line);
        p.pageBreakBefore = false;
        m_doc.SetParaFormat(line, p);
        EndParaChange();
        return;
    }
    // A field goes whole: backspace right after one removes it.
    long lo = m_caret - 1;
    for (const CRichField& f : m_doc.Fields())
        if (f.length && static_cast<long>(f.end()) == m_caret)
            lo = static_cast<long>(f.start);
    if (DWORD id = m_doc.FieldAt(static_cast<size_t>(lo)))
        lo = static_cast<long>(m_doc.FindField(id)->start);
    m_anchor = lo;
    ReplaceSel(std::u16string());
}

void CTextControlCore::DeleteForward()
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (SelMin() != SelMax()) {
        ClearSel();
        return;
    }
    if (static_cast<size_t>(m_caret) >= m_doc.Length())
        return;
    long hi = m_caret + 1;
    for (const CRichField& f : m_doc.Fields())
        if (f.length && static_cast<long>(f.start) == m_caret)
            hi = static_cast<long>(f.end());
    if (DWORD id = m_doc.FieldAt(static_cast<size_t>(hi)))
        hi = static_cast<long>(m_doc.FindField(id)->end());
    m_anchor = hi;
    ReplaceSel(std::u16string());
}

bool CTextControlCore::Undo() { return StepHistory(m_undo, m_redo); }

bool CTextControlCore::Redo() { return StepHistory(m_redo, m_undo); }

bool CTextControlCore::StepHistory(std::deque<Snapshot>& from, std::deque<Snapshot>& to)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (from.empty())
        return false;
    to.push_back(Snapshot {m_doc, m_anchor, m_caret});
    Snapshot s = std::move(from.back());
    from.pop_back();
    m_doc = std::move(s.doc);
    m_doc.MarkAllChanged();
    m_anchor = Clamp(s.anchor);
    m_caret = Clamp(s.caret);
    ++m_docRevision;
    m_lastWasTyping = false;
    m_modified = true;
    UpdateTypingFormat();
    Changed();
    return true;
}

std::u16string CTextControlCore::SelectedText() const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    return m_doc.Text().substr(static_cast<size_t>(SelMin()),
                               static_cast<size_t>(SelMax() - SelMin()));
}

void CTextControlCore::SetSelColor(bool background, COLORREF color)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    auto apply = [&](CRichCharFormat& f) {
        if (background) {
            f.hasBack = true;
            f.back = color;
        } else {
            f.color = color;
        }
    };
    apply(m_typing);
    if (SelMin() != SelMax()) {
        PushUndo(false);
        m_doc.ChangeFormat(static_cast<size_t>(SelMin()), static_cast<size_t>(SelMax()), apply);
        m_modified = true;
    }
    m_lastWasTyping = false;
    Changed();
}

void CTextControlCore::ToggleSelStyle(UINT style)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    auto flag = [style](CRichCharFormat& f) -> bool& {
        return style == TXSTYLE_BOLD ? f.bold : style == TXSTYLE_ITALIC ? f.italic : f.underline;
    };
    if (SelMin() == SelMax()) {
        flag(m_typing) = !flag(m_typing);
    } else {
        bool all = true;
        for (long i = SelMin(); i < SelMax() && all; ++i) {
            CRichCharFormat f = m_doc.FormatAt(static_cast<size_t>(i));
            all = flag(f);
        }
        PushUndo(false);
        m_doc.ChangeFormat(static_cast<size_t>(SelMin()), static_cast<size_t>(SelMax()),
                           [&](CRichCharFormat& f) { flag(f) = !all; });
        flag(m_typing) = !all;
        m_modified = true;
    }
    m_lastWasTyping = false;
    Changed();
}

void CTextControlCore::SetTypingFont(const std::string& face, int halfPoints)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    m_typing.face = face;
    m_typing.halfPoints = halfPoints;
}

void CTextControlCore::SetSelCharFormat(const CRichCharFormat& format)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    auto apply = [&format](CRichCharFormat& f) {
        f.face = format.face;
        f.charset = format.charset;
        f.family = format.family;
        f.halfPoints = format.halfPoints;
        f.bold = format.bold;
        f.italic = format.italic;
        f.underline = format.underline;
        f.strike = format.strike;
        f.color = format.color;
    };
    apply(m_typing);
    if (SelMin() != SelMax()) {
        PushUndo(false);
        m_doc.ChangeFormat(static_cast<size_t>(SelMin()), static_cast<size_t>(SelMax()), apply);
        m_modified = true;
    }
    m_lastWasTyping = false;
    Changed();
}

DWORD CTextControlCore::InsertField(WORD kind, const std::u16string& text)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (m_doc.FieldAt(static_cast<size_t>(m_caret)) != 0)
        return 0;
    CRichDocument before = m_doc;
    DWORD id = m_doc.InsertField(static_cast<size_t>(m_caret), kind, text, m_typing);
    if (id == 0)
        return 0;
    ++m_docRevision;
    m_undo.push_back(Snapshot {std::move(before), m_anchor, m_caret});
    if (m_undo.size() > kUndoDepth)
        m_undo.pop_front();
    m_redo.clear();
    m_lastWasTyping = false;
    m_anchor = m_caret = static_cast<long>(m_doc.FindField(id)->end());
    m_modified = true;
    Changed();
    return id;
}

DWORD CTextControlCore::InsertFieldAtSel(const CRichField& proto, const std::u16string& text,
                                         const CRichCharFormat& fmt)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (text.empty())
        return 0;
    CRichDocument before = m_doc;
    const size_t at = m_doc.Replace(SelMin(), SelMax(), std::u16string(), m_typing);
    const DWORD id = m_doc.InsertField(at, proto.kind, text, fmt);
    CRichField* f = id ? m_doc.FindField(id) : nullptr;
    if (!f || f->length != text.size()) {
        m_doc = std::move(before);
        m_doc.MarkAllChanged();
        return 0;
    }
    f->type = proto.type;
    f->typeText = proto.typeText;
    f->data = proto.data;
    f->object = proto.object;
    const size_t end = f->end();
    ++m_docRevision;
    m_undo.push_back(Snapshot {std::move(before), m_anchor, m_caret});
    if (m_undo.size() > kUndoDepth)
        m_undo.pop_front();
    m_redo.clear();
    m_lastWasTyping = false;
    m_anchor = m_caret = static_cast<long>(end);
    m_modified = true;
    Changed();
    return id;
}

DWORD CTextControlCore::InsertHyperlink(const std::u16string& text, const std::u16string& address)
{
    std::u16string shown = text.empty() ? address : text;
    for (char16_t& c : shown)
        if (c == '\n' || c == '\r')
            c = ' ';
    if (address.empty() || shown.empty())
        return 0;
    CRichField proto;
    proto.kind = TXFIELD_HYPERLINK;
    proto.type = TXFIELDTYPE_LINK;
    proto.typeText = address;
    CRichCharFormat fmt = m_typing;
    fmt.color = 0xFF0000; // blue
    fmt.underline = true;
    return InsertFieldAtSel(proto, shown, fmt);
}

DWORD CTextControlCore::InsertObject(const CRichObject& object)
{
    if (!object.IsValid())
        return 0;
    CRichField proto;
    proto.kind = object.kind == CRichObject::kImage ? TXFIELD_IMAGE : TXFIELD_OBJECT;
    proto.type = TXFIELDTYPE_EMBEDDED;
    proto.object = std::make_shared<const CRichObject>(object);
    std::lock_guard<std::recursive_mutex> g(m_lock);
    return InsertFieldAtSel(proto, std::u16string(1, kObjectChar), m_typing);
}

bool CTextControlCore::InsertTable(int rows, int columns, int width)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    if (rows < 1 || rows > 1000 || columns < 1 ||
        columns > static_cast<int>(CRichParaFormat::kMaxCells) || width < columns ||
        width > CRichParaFormat::kMaxIndent)
        return false;
    CRichDocument before = m_doc;
    const size_t at = m_doc.Replace(SelMin(), SelMax(), std::u16string(), m_typing);
    std::u16string text;
    if (at > 0 && m_doc.Text()[at - 1] != '\n')
        text += u'\n';
    const size_t first = at + text.size();
    for (int r = 0; r < rows; ++r) {
        text.append(static_cast<size_t>(columns - 1), kCellChar);
        text += u'\n';
    }
    const size_t end = m_doc.Replace(at, at, text, m_typing);
    if (end != at + text.size()) {
        m_doc = std::move(before);
        m_doc.MarkAllChanged();
        return false;
    }
    CRichParaFormat row = m_doc.ParaFormat(m_doc.LineOf(first));
    row.pageBreakBefore = false;
    row.cells.clear();
    for (int c = 1; c <= columns; ++c)
        row.cells.push_back(static_cast<int>(static_cast<long long>(width) * c / columns));
    row.borders = true;
    const size_t line = m_doc.LineOf(first);
    for (int r = 0; r < rows; ++r)
        m_doc.SetParaFormat(line + static_cast<size_t>(r), row);
    ++m_docRevision;
    m_undo.push_back(Snapshot {std::move(before), m_anchor, m_caret});
    if (m_undo.size() > kUndoDepth)
        m_undo.pop_front();
    m_redo.clear();
    m_lastWasTyping = false;
    m_anchor = m_caret = static_cast<long>(first);
    m_modified = true;
    Changed();
    return true;
}

bool CTextControlCore::DeleteTableRows()
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    const size_t firstLine = m_doc.LineOf(static_cast<size_t>(SelMin()));
    const size_t lastLine = m_doc.LineOf(static_cast<size_t>(SelMax()));
    bool any = false;
    for (size_t l = firstLine; l <= lastLine; ++l)
        any = any || m_doc.ParaFormat(l).IsTableRow();
    if (!any)
        return false;
    PushUndo(false);
    // From the last up, each row with the line end before it, so the paragraph before keeps
    // its format; the first paragraph of all takes that of the one after it.
    for (size_t l = lastLine + 1; l-- > firstLine;) {
        if (!m_doc.ParaFormat(l).IsTableRow())
            continue;
        const size_t start = m_doc.LineStart(l);
        const size_t next = m_doc.LineStart(l + 1);
        const size_t end = next > m_doc.Length() ? m_doc.Length() : next - 1;
        if (l > 0) {
            m_doc.Replace(start - 1, end, std::u16string(), m_typing);
        } else {
            const CRichParaFormat after = m_doc.ParaFormat(next > m_doc.Length() ? 0 : 1);
            m_doc.Replace(0, next > m_doc.Length() ? end : next, std::u16string(), m_typing);
            m_doc.SetParaFormat(0, next > m_doc.Length() ? CRichParaFormat() : after);
        }
    }
    const long pos = Clamp(static_cast<long>(m_doc.LineStart(firstLine)));
    m_anchor = m_caret = pos;
    m_modified = true;
    Changed();
    return true;
}

const CRichField* CTextControlCore::LinkAt(size_t pos) const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    for (const CRichField& f : m_doc.Fields())
        if (f.type == TXFIELDTYPE_LINK && pos >= f.start && pos < f.end())
            return &f;
    return nullptr;
}

bool CTextControlCore::FieldSetData(DWORD id, DWORD data)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    m_modified = true;
    return m_doc.SetFieldData(id, data);
}

bool CTextControlCore::FieldGetData(DWORD id, DWORD& data) const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    const CRichField* f = m_doc.FindField(id);
    if (!f)
        return false;
    data = f->data;
    return true;
}

bool CTextControlCore::FieldGetText(DWORD id, std::u16string& text) const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    const CRichField* f = m_doc.FindField(id);
    if (!f)
        return false;
    text = m_doc.Text().substr(f->start, f->length);
    return true;
}

CRichDocument::Change CTextControlCore::TakeChanges()
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    CRichDocument::Change c = m_doc.Changes();
    m_doc.ForgetChanges();
    return c;
}

bool CTextControlCore::Load(const std::string& bytes, int format, std::string& error)
{
    CRichDocument loaded;
    if (!richtext::LoadDocument(bytes, format, loaded, error))
        return false;
    SetDocument(loaded);
    return true;
}

void CTextControlCore::SetDocument(const CRichDocument& doc)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    m_doc = doc;
    m_doc.MarkAllChanged();
    ++m_docRevision;
    m_anchor = m_caret = 0;
    m_undo.clear();
    m_redo.clear();
    m_lastWasTyping = false;
    m_modified = false;
    if (m_doc.Length())
        m_typing = m_doc.FormatAt(0);
    Changed();
}

bool CTextControlCore::Save(int format, std::string& bytes, std::string& error) const
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    return richtext::SaveDocument(m_doc, format, bytes, error);
}

LRESULT CTextControlCore::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled)
{
    std::lock_guard<std::recursive_mutex> g(m_lock);
    handled = true;
    switch (msg) {
    case TXM_GETSEL:
        if (!lParam)
            return 0;
        Pair(lParam)->first = m_anchor;
        Pair(lParam)->second = m_caret;
        return 1;
    case TXM_SETSEL:
        if (!lParam)
            return 0;
        SetSel(Pair(lParam)->first, Pair(lParam)->second);
        return 1;
    case TXM_GETTEXTLENGTH:
        return static_cast<LRESULT>(m_doc.Length());
    case TXM_GETTEXT:
        // wParam, when given, is the buffer's size; the text is cut to fit with its zero.
        if (!lParam)
            return 0;
        return static_cast<LRESULT>(
            CopyAnsi(m_doc.Text(), reinterpret_cast<char*>(lParam), wParam));
    case TXM_REPLACESEL:
        ReplaceSel(Text(lParam));
        return 1;
    case TXM_GETCARETLINECOL: {
        if (!lParam)
            return 0;
        size_t line = m_doc.LineOf(static_cast<size_t>(m_caret));
        Pair(lParam)->first = static_cast<LONG>(line);
        Pair(lParam)->second =
            static_cast<LONG>(m_caret - static_cast<long>(m_doc.LineStart(line)));
        return 1;
    }
    case TXM_LINEINDEX: {
        size_t start = m_doc.LineStart(static_cast<size_t>(wParam));
        return start > m_doc.Length() ? -1 : static_cast<LRESULT>(start);
    }
    case TXM_GETLASTLINE:
        return static_cast<LRESULT>(m_doc.LastLine());
    case TXM_FIELDATCARET:
    case TXM_FIELDATINPUTPOS:
        return static_cast<LRESULT>(m_doc.FieldAt(static_cast<size_t>(m_caret)));
    case TXM_FIELDINSERT:
        return static_cast<LRESULT>(InsertField(static_cast<WORD>(wParam), Text(lParam)));
    case TXM_FIELDGETPOS: {
        const CRichField* f = m_doc.FindField(static_cast<DWORD>(wParam));
        if (!f || !lParam)
            return 0;
        Pair(lParam)->first = static_cast<LONG>(f->start + 1);
        Pair(lParam)->second = static_cast<LONG>(f->end());
        return 1;
    }
    case TXM_FIELDGETTEXT: {
        const CRichField* f = m_doc.FindField(static_cast<DWORD>(wParam));
        if (!f || !lParam)
            return 0;
        CopyAnsi(m_doc.Text().substr(f->start, f->length), reinterpret_cast<char*>(lParam), 0);
        return 1;
    }
    case TXM_FIELDSETTEXT: {
        if (!m_doc.FindField(static_cast<DWORD>(wParam)))
            return 0;
        PushUndo(false);
        m_doc.SetFieldText(static_cast<DWORD>(wParam), Text(lParam));
        m_anchor = Clamp(m_anchor);
        m_caret = Clamp(m_caret);
        m_modified = true;
        Changed();
        return 1;
    }
    case TXM_FIELDDELETE: {
        const CRichField* f = m_doc.FindField(static_cast<DWORD>(wParam));
        if (!f)
            return 0;
        PushUndo(false);
        bool keepText = lParam == 0;
        long start = static_cast<long>(f->start), length = static_cast<long>(f->length);
        m_doc.DeleteField(static_cast<DWORD>(wParam), keepText);
        if (!keepText) {
            auto adjust = [&](long p) {
                return p >= start + length ? p - length : p > start ? start : p;
            };
            m_anchor = adjust(m_anchor);
            m_caret = adjust(m_caret);
        }
        m_modified = true;
        m_lastWasTyping = false;
        Changed();
        return 1;
    }
    case TXM_FIELDNEXT:
        return static_cast<LRESULT>(m_doc.NextField(static_cast<DWORD>(wParam)));
    case TXM_GOTOTARGET: {
        const CRichField* f = m_doc.FindField(static_cast<DWORD>(lParam));
        if (!f)
            return 0;
        SetSel(static_cast<long>(f->start), static_cast<long>(f->start));
        return 1;
    }
    case TXM_FIELDGETTYPE: {
        const CRichField* f = m_doc.FindField(static_cast<DWORD>(wParam));
        TXFIELDSETTYPE* t = reinterpret_cast<TXFIELDSETTYPE*>(lParam);
        if (!f || !t)
            return 0;
        t->nType = f->type;
        const std::string name = richtext::Utf16ToAnsi(f->typeText);
        if (t->lpszTypeText && t->nTypeTextLen > 0)
            CopyAnsi(f->typeText, t->lpszTypeText, static_cast<size_t>(t->nTypeTextLen));
        t->nTypeTextLen = static_cast<int>(name.size() + 1);
        return 1;
    }
    case TXM_FIELDSETTYPE: {
        const TXFIELDSETTYPE* t = reinterpret_cast<const TXFIELDSETTYPE*>(lParam);
        if (!t || !m_doc.FindField(static_cast<DWORD>(wParam)))
            return 0;
        std::string narrow;
        if (t->lpszTypeText) {
            size_t limit = t->nTypeTextLen > 0 ? static_cast<size_t>(t->nTypeTextLen - 1) : 0;
            narrow.assign(t->lpszTypeText, strnlen(t->lpszTypeText, limit));
        }
        const std::u16string name = richtext::AnsiToUtf16(narrow);
        const DWORD id = static_cast<DWORD>(wParam);
        if (t->nType == TXFIELDTYPE_TARGET &&
            (name.empty() || (m_doc.FindTarget(name) != 0 && m_doc.FindTarget(name) != id))) {
            // A target needs a name of its own. A new, empty field that was to become this
            // target goes again, so no nameless field is left to be read as an instruction.
            const CRichField* f = m_doc.FindField(id);
            if (f->length == 0 && f->type != TXFIELDTYPE_TARGET) {
                m_doc.DeleteField(id, true);
                Changed();
            }
            return 0;
        }
        m_doc.SetFieldType(static_cast<DWORD>(wParam), t->nType, name);
        m_modified = true;
        Changed();
        return 1;
    }
    case TXM_SETSELCOLOR:
        if (!lParam || (wParam != TXCOLOR_TEXT && wParam != TXCOLOR_BACK))
            return 0;
        SetSelColor(wParam == TXCOLOR_BACK,
                    static_cast<COLORREF>(wParam == TXCOLOR_BACK ? Pair(lParam)->second
                                                                 : Pair(lParam)->first));
        return 1;
    case TXM_GETSELCOLORS: {
        if (!lParam)
            return 0;
        CRichCharFormat f =
            SelMin() != SelMax() ? m_doc.FormatAt(static_cast<size_t>(SelMin())) : m_typing;
        Pair(lParam)->first = static_cast<LONG>(f.color);
        Pair(lParam)->second = static_cast<LONG>(f.hasBack ? f.back : 0xFFFFFF);
        return 1;
    }
    case TXM_SETSTYLE:
        if (wParam != TXSTYLE_BOLD && wParam != TXSTYLE_ITALIC && wParam != TXSTYLE_UNDERLINE)
            return 0;
        ToggleSelStyle(static_cast<UINT>(wParam));
        return 1;
    case WM_CLEAR:
        ClearSel();
        return 0;
    }
    handled = false;
    return 0;
}
