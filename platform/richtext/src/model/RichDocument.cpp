// The document model: text, per-character formats and fields that stay whole.
#include "richtext/RichDocument.h"
#include "richtext/RichObject.h"

#include <algorithm>

bool CRichCharFormat::operator==(const CRichCharFormat& o) const
{
    return face == o.face && charset == o.charset && family == o.family &&
        halfPoints == o.halfPoints && color == o.color && hasBack == o.hasBack &&
        (!hasBack || back == o.back) && bold == o.bold && italic == o.italic &&
        underline == o.underline && strike == o.strike;
}

bool CRichParaFormat::operator==(const CRichParaFormat& o) const
{
    return align == o.align && leftIndent == o.leftIndent && rightIndent == o.rightIndent &&
        firstIndent == o.firstIndent && spaceBefore == o.spaceBefore &&
        spaceAfter == o.spaceAfter && lineSpacing == o.lineSpacing &&
        lineMultiple == o.lineMultiple && pageBreakBefore == o.pageBreakBefore &&
        cells == o.cells && (cells.empty() || borders == o.borders);
}

void CRichParaFormat::Clamp()
{
    auto clamp = [](int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; };
    if (align > TXALIGN_JUSTIFY)
        align = TXALIGN_LEFT;
    leftIndent = clamp(leftIndent, -kMaxIndent, kMaxIndent);
    rightIndent = clamp(rightIndent, -kMaxIndent, kMaxIndent);
    firstIndent = clamp(firstIndent, -kMaxIndent, kMaxIndent);
    spaceBefore = clamp(spaceBefore, 0, kMaxSpace);
    spaceAfter = clamp(spaceAfter, 0, kMaxSpace);
    lineSpacing =
        lineMultiple ? clamp(lineSpacing, 0, 240 * 10) : clamp(lineSpacing, -kMaxSpace, kMaxSpace);
    if (lineSpacing == 0)
        lineMultiple = false;
    // Cells rise from the text's left and stay on a page; anything else is no table.
    bool rising = cells.size() <= kMaxCells;
    for (size_t i = 0; i < cells.size() && rising; ++i)
        rising = cells[i] > (i ? cells[i - 1] : 0) && cells[i] <= kMaxIndent;
    if (!rising)
        cells.clear();
    if (cells.empty())
        borders = false;
}

namespace {

// Field order: by start; at one start an empty field (a target) comes before the field
// whose text begins there; then by id, which is insertion order.
bool FieldBefore(const CRichField& a, const CRichField& b)
{
    if (a.start != b.start)
        return a.start < b.start;
    bool ae = a.length == 0, be = b.length == 0;
    if (ae != be)
        return ae;
    return a.id < b.id;
}

// Line ends become '\n'; zero characters are dropped: the text never holds either.
std::u16string NormaliseText(const std::u16string& in)
{
    std::u16string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        char16_t c = in[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < in.size() && in[i + 1] == '\n')
                ++i;
        } else if (c != '\0') {
            out += c;
        }
    }
    return out;
}

} // namespace

CRichDocument::CRichDocument()
{
    m_formats.emplace_back();
    m_paras.emplace_back();
}

const CRichParaFormat& CRichDocument::ParaFormat(size_t line) const
{
    return m_paras[line < m_paras.size() ? line : m_paras.size() - 1];
}

bool CRichDocument::SetParaFormat(size_t line, const CRichParaFormat& f)
{
    if (line >= m_paras.size())
        return false;
    CRichParaFormat clamped = f;
    clamped.Clamp();
    if (m_paras[line] == clamped)
        return true;
    m_paras[line] = clamped;
    const size_t from = LineStart(line);
    const size_t to = std::min(LineStart(line + 1), m_text.size());
    NoteChange(from, to, to);
    return true;
}

void CRichDocument::ErasedText(size_t lo, size_t hi)
{
    const size_t joined =
        static_cast<size_t>(std::count(m_text.begin() + lo, m_text.begin() + hi, u'\n'));
    if (joined == 0)
        return;
    const size_t line = LineOf(lo);
    m_paras.erase(m_paras.begin() + line + 1, m_paras.begin() + line + 1 + joined);
}

void CRichDocument::InsertedText(size_t pos, const std::u16string& text)
{
    const size_t added = static_cast<size_t>(std::count(text.begin(), text.end(), u'\n'));
    if (added == 0)
        return;
    const size_t line = LineOf(pos);
    CRichParaFormat copy = m_paras[line];
    copy.pageBreakBefore = false;
    m_paras.insert(m_paras.begin() + line + 1, added, copy);
}

const CRichCharFormat& CRichDocument::FormatAt(size_t pos) const
{
    return m_formats[m_fmtIndex[pos]];
}

size_t CRichDocument::FormatRunEnd(size_t pos, size_t hi) const
{
    const uint16_t fi = m_fmtIndex[pos];
    size_t end = pos + 1;
    while (end < hi && m_fmtIndex[end] == fi)
        ++end;
    return end;
}

uint16_t CRichDocument::InternFormat(const CRichCharFormat& f)
{
    for (size_t i = m_formats.size(); i-- > 0;)
        if (m_formats[i] == f)
            return static_cast<uint16_t>(i);
    if (m_formats.size() >= 0xFFFF)
        CompactFormats();
    if (m_formats.size() >= 0xFFFF)
        return 0; // cannot happen with fewer than 65535 distinct formats in use
    m_formats.push_back(f);
    return static_cast<uint16_t>(m_formats.size() - 1);
}

void CRichDocument::CompactFormats()
{
    std::vector<int> map(m_formats.size(), -1);
    std::vector<CRichCharFormat> kept;
    kept.push_back(m_formats[0]);
    map[0] = 0;
    for (uint16_t& idx : m_fmtIndex) {
        if (map[idx] < 0) {
            map[idx] = static_cast<int>(kept.size());
            kept.push_back(m_formats[idx]);
        }
        idx = static_cast<uint16_t>(map[idx]);
    }
    m_formats.swap(kept);
}

void CRichDocument::ShiftFields(size_t from, long delta)
{
    for (CRichField& f : m_fields)
        if (f.start >= from)
            f.start = static_cast<size_t>(static_cast<long>(f.start) + delta);
}

void CRichDocument::NoteChange(size_t lo, size_t oldHi, size_t newHi)
{
    Change& c = m_change;
    if (c.whole)
        return;
    if (!c.any) {
        c = Change {lo, oldHi, newHi, true, false};
        return;
    }
    // The earlier change's new stretch, seen through this change.
    const long delta = static_cast<long>(newHi) - static_cast<long>(oldHi);
    auto through = [&](size_t p) {
        return p >= oldHi ? static_cast<size_t>(static_cast<long>(p) + delta) : p > lo ? newHi : p;
    };
    const long before = static_cast<long>(c.newHi) - static_cast<long>(c.oldHi);
    const size_t mergedLo = std::min(c.lo, lo);
    const size_t mergedHi = std::max(through(c.newHi), newHi);
    c.lo = mergedLo;
    c.newHi = mergedHi;
    c.oldHi = static_cast<size_t>(static_cast<long>(mergedHi) - before - delta);
}

size_t CRichDocument::Replace(size_t lo, size_t hi, const std::u16string& rawText,
                              const CRichCharFormat& fmt)
{
    const std::u16string text = NormaliseText(rawText);
    if (lo > hi)
        std::swap(lo, hi);
    lo = std::min(lo, m_text.size());
    hi = std::min(hi, m_text.size());
    // Shrink the range so that it cuts into no field.
    for (const CRichField& f : m_fields) {
        if (f.Contains(lo))
            lo = f.end();
        if (f.Contains(hi))
            hi = f.start;
    }
    if (lo > hi)
        hi = lo; // the range lay inside one field: insert after it
    if (lo < hi) {
        // Fields wholly covered go with their text; targets on the range's ends stay.
        m_fields.erase(std::remove_if(m_fields.begin(), m_fields.end(),
                                      [&](const CRichField& f) {
                                          if (f.length == 0)
                                              return f.start > lo && f.start < hi;
                                          return f.start >= lo && f.end() <= hi;
                                      }),
                       m_fields.end());
        ErasedText(lo, hi);
        m_text.erase(lo, hi - lo);
        m_fmtIndex.erase(m_fmtIndex.begin() + lo, m_fmtIndex.begin() + hi);
        for (CRichField& f : m_fields)
            if (f.start >= hi)
                f.start -= hi - lo;
            else if (f.start > lo)
                f.start = lo; // an empty field at hi
    }
    if (!text.empty()) {
        uint16_t fi = InternFormat(fmt);
        InsertedText(lo, text);
        m_text.insert(lo, text);
        m_fmtIndex.insert(m_fmtIndex.begin() + lo, text.size(), fi);
        for (CRichField& f : m_fields)
            if (f.start > lo || (f.start == lo && f.length > 0))
                f.start += text.size();
    }
    std::stable_sort(m_fields.begin(), m_fields.end(), FieldBefore);
    NoteChange(lo, hi, lo + text.size());
    return lo + text.size();
}

void CRichDocument::Clear()
{
    m_paras.assign(1, CRichParaFormat());
    m_text.clear();
    m_fmtIndex.clear();
    m_fields.clear();
    MarkAllChanged();
}

DWORD CRichDocument::InsertField(size_t pos, WORD kind, const std::u16string& rawText,
                                 const CRichCharFormat& fmt)
{
    if (pos > m_text.size() || FieldAt(pos) != 0 || m_nextId == 0)
        return 0;
    const std::u16string text = NormaliseText(rawText);
    uint16_t fi = InternFormat(fmt);
    InsertedText(pos, text);
    m_text.insert(pos, text);
    m_fmtIndex.insert(m_fmtIndex.begin() + pos, text.size(), fi);
    for (CRichField& f : m_fields)
        if (f.start > pos || (f.start == pos && f.length > 0))
            f.start += text.size();
    CRichField nf;
    nf.id = m_nextId++;
    nf.kind = kind;
    nf.start = pos;
    nf.length = text.size();
    m_fields.push_back(nf);
    std::stable_sort(m_fields.begin(), m_fields.end(), FieldBefore);
    NoteChange(pos, pos, pos + text.size());
    return nf.id;
}

size_t CRichDocument::FieldIndex(DWORD id) const
{
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].id == id)
            return i;
    return m_fields.size();
}

const CRichField* CRichDocument::FindField(DWORD id) const
{
    size_t i = FieldIndex(id);
    return i < m_fields.size() ? &m_fields[i] : nullptr;
}

CRichField* CRichDocument::FindField(DWORD id)
{
    size_t i = FieldIndex(id);
    return i < m_fields.size() ? &m_fields[i] : nullptr;
}

DWORD CRichDocument::FieldAt(size_t pos) const
{
    for (const CRichField& f : m_fields)
        if (f.Contains(pos))
            return f.id;
    return 0;
}

DWORD CRichDocument::NextField(DWORD id) const
{
    if (id == 0)
        return m_fields.empty() ? 0 : m_fields.front().id;
    size_t i = FieldIndex(id);
    if (i + 1 >= m_fields.size())
        return 0;
    return m_fields[i + 1].id;
}

bool CRichDocument::SetFieldText(DWORD id, const std::u16string& rawText)
{
    size_t i = FieldIndex(id);
    if (i >= m_fields.size())
        return false;
    const std::u16string text = NormaliseText(rawText);
    CRichField& f = m_fields[i];
    size_t start = f.start, oldEnd = f.end();
    uint16_t fi = f.length ? m_fmtIndex[start] : (start ? m_fmtIndex[start - 1] : 0);
    ErasedText(start, oldEnd);
    InsertedText(start, text);
    m_text.replace(start, f.length, text);
    m_fmtIndex.erase(m_fmtIndex.begin() + start, m_fmtIndex.begin() + oldEnd);
    m_fmtIndex.insert(m_fmtIndex.begin() + start, text.size(), fi);
    long delta = static_cast<long>(text.size()) - static_cast<long>(f.length);
    NoteChange(start, oldEnd, start + text.size());
    f.length = text.size();
    for (size_t k = 0; k < m_fields.size(); ++k)
        if (k != i &&
            (m_fields[k].start > start || (m_fields[k].start == start && m_fields[k].length > 0)))
            m_fields[k].start = static_cast<size_t>(static_cast<long>(m_fields[k].start) + delta);
    std::stable_sort(m_fields.begin(), m_fields.end(), FieldBefore);
    return true;
}

bool CRichDocument::DeleteField(DWORD id, bool keepText)
{
    size_t i = FieldIndex(id);
    if (i >= m_fields.size())
        return false;
    CRichField f = m_fields[i];
    m_fields.erase(m_fields.begin() + i);
    if (!keepText && f.length) {
        NoteChange(f.start, f.end(), f.start);
        ErasedText(f.start, f.end());
        m_text.erase(f.start, f.length);
        m_fmtIndex.erase(m_fmtIndex.begin() + f.start, m_fmtIndex.begin() + f.end());
        for (CRichField& g : m_fields)
            if (g.start >= f.end())
                g.start -= f.length;
    }
    std::stable_sort(m_fields.begin(), m_fields.end(), FieldBefore);
    if (keepText && f.length)
        NoteChange(f.start, f.end(), f.end()); // its text loses the field's shading
    return true;
}

bool CRichDocument::SetFieldType(DWORD id, BYTE type, const std::u16string& typeText)
{
    CRichField* f = FindField(id);
    if (!f)
        return false;
    f->type = type;
    f->typeText = typeText;
    return true;
}

bool CRichDocument::SetFieldData(DWORD id, DWORD data)
{
    CRichField* f = FindField(id);
    if (!f)
        return false;
    f->data = data;
    return true;
}

DWORD CRichDocument::FindTarget(const std::u16string& name) const
{
    for (const CRichField& f : m_fields)
        if (f.type == TXFIELDTYPE_TARGET && f.typeText == name)
            return f.id;
    return 0;
}

size_t CRichDocument::LineOf(size_t pos) const
{
    pos = std::min(pos, m_text.size());
    return static_cast<size_t>(std::count(m_text.begin(), m_text.begin() + pos, '\n'));
}

size_t CRichDocument::LineStart(size_t line) const
{
    size_t pos = 0;
    for (size_t l = 0; l < line; ++l) {
        size_t nl = m_text.find(u'\n', pos);
        if (nl == std::u16string::npos)
            return m_text.size() + 1;
        pos = nl + 1;
    }
    return pos;
}

size_t CRichDocument::LastLine() const
{
    return static_cast<size_t>(std::count(m_text.begin(), m_text.end(), '\n'));
}

void CRichDocument::Append(const std::u16string& rawText, const CRichCharFormat& fmt)
{
    const std::u16string text = NormaliseText(rawText);
    if (text.empty())
        return;
    uint16_t fi = InternFormat(fmt);
    NoteChange(m_text.size(), m_text.size(), m_text.size() + text.size());
    const size_t added = static_cast<size_t>(std::count(text.begin(), text.end(), u'\n'));
    m_paras.insert(m_paras.end(), added, CRichParaFormat()); // the readers set them
    m_text += text;
    m_fmtIndex.insert(m_fmtIndex.end(), text.size(), fi);
}

bool CRichDocument::IsEmbeddedWell(const CRichField& f) const
{
    if (f.type != TXFIELDTYPE_EMBEDDED && !f.object)
        return true;
    return f.type == TXFIELDTYPE_EMBEDDED && f.object && f.object->IsValid() && f.length == 1 &&
        f.start < m_text.size() && m_text[f.start] == kObjectChar;
}

bool CRichDocument::AddField(CRichField field)
{
    if (field.start > m_text.size() || field.length > m_text.size() - field.start)
        return false;
    if (!IsEmbeddedWell(field))
        return false;
    for (const CRichField& f : m_fields) {
        if (field.id != 0 && f.id == field.id)
            return false;
        bool overlap = field.length && f.length && field.start < f.end() && f.start < field.end();
        if (overlap || (field.length == 0 && f.Contains(field.start)) ||
            (f.length == 0 && field.Contains(f.start)))
            return false;
    }
    if (field.id == 0) {
        if (m_nextId == 0)
            return false;
        field.id = m_nextId++;
    } else if (field.id >= m_nextId) {
        m_nextId = field.id + 1;
    }
    m_fields.push_back(field);
    std::stable_sort(m_fields.begin(), m_fields.end(), FieldBefore);
    return true;
}

bool CRichDocument::IsConsistent() const
{
    if (m_fmtIndex.size() != m_text.size() || m_formats.empty())
        return false;
    if (m_paras.size() != LastLine() + 1)
        return false;
    for (const CRichParaFormat& p : m_paras) {
        CRichParaFormat clamped = p;
        clamped.Clamp();
        if (!(clamped == p))
            return false;
    }
    if (m_text.find(u'\r') != std::u16string::npos || m_text.find(u'\0') != std::u16string::npos)
        return false;
    for (uint16_t i : m_fmtIndex)
        if (i >= m_formats.size())
            return false;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CRichField& f = m_fields[i];
        if (f.id == 0 || f.id >= m_nextId || f.end() > m_text.size() || !IsEmbeddedWell(f))
            return false;
        if (i > 0 && !FieldBefore(m_fields[i - 1], f))
            return false;
        for (size_t k = 0; k < m_fields.size(); ++k) {
            const CRichField& g = m_fields[k];
            if (k == i)
                continue;
            if (g.id == f.id)
                return false;
            if (f.length && g.length && f.start < g.end() && g.start < f.end())
                return false;
            if (g.length == 0 && f.Contains(g.start))
                return false;
        }
    }
    return true;
}

bool CRichDocument::operator==(const CRichDocument& o) const
{
    if (m_text != o.m_text || m_fields.size() != o.m_fields.size() || m_paras != o.m_paras)
        return false;
    for (size_t i = 0; i < m_text.size(); ++i)
        if (FormatAt(i) != o.FormatAt(i))
            return false;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CRichField &a = m_fields[i], &b = o.m_fields[i];
        if (a.id != b.id || a.kind != b.kind || a.data != b.data || a.type != b.type ||
            a.typeText != b.typeText || a.start != b.start || a.length != b.length)
            return false;
        if (!a.object != !b.object || (a.object && *a.object != *b.object))
            return false;
    }
    return true;
}

CRichDocument CRichDocument::Extract(size_t lo, size_t hi) const
{
    CRichDocument out;
    hi = std::min(hi, m_text.size());
    lo = std::min(lo, hi);
    for (size_t i = lo; i < hi;) {
        size_t j = i;
        while (j < hi && m_fmtIndex[j] == m_fmtIndex[i])
            ++j;
        out.Append(m_text.substr(i, j - i), m_formats[m_fmtIndex[i]]);
        i = j;
    }
    const size_t firstLine = LineOf(lo);
    for (size_t l = 0; l < out.m_paras.size() && firstLine + l < m_paras.size(); ++l)
        out.m_paras[l] = m_paras[firstLine + l];
    for (const CRichField& f : m_fields)
        if (f.start >= lo && f.end() <= hi && (f.length || (f.start > lo && f.start < hi))) {
            CRichField g = f;
            g.start -= lo;
            out.AddField(g);
        }
    out.m_nextId = m_nextId;
    return out;
}

size_t CRichDocument::InsertDocument(size_t pos, const CRichDocument& src)
{
    pos = std::min(pos, m_text.size());
    if (DWORD inside = FieldAt(pos))
        pos = FindField(inside)->end();
    const size_t n = src.m_text.size();
    std::vector<uint16_t> map(src.m_formats.size(), 0xFFFF);
    std::vector<uint16_t> idx(n);
    for (size_t i = 0; i < n; ++i) {
        uint16_t s = src.m_fmtIndex[i];
        if (map[s] == 0xFFFF)
            map[s] = InternFormat(src.m_formats[s]);
        idx[i] = map[s];
    }
    // The inserted whole lines bring their formats. The line the insertion splits keeps its
    // own for the part after the insertion (the last inserted line joins it), and for the part
    // before it unless the insertion starts that line, when the first inserted line's applies.
    const size_t line = LineOf(pos);
    const size_t added = src.m_paras.size() - 1;
    if (added > 0) {
        CRichParaFormat tail = m_paras[line];
        if (pos == 0 || m_text[pos - 1] == u'\n')
            m_paras[line] = src.m_paras[0];
        m_paras.insert(m_paras.begin() + line + 1, src.m_paras.begin() + 1, src.m_paras.end());
        tail.pageBreakBefore = false;
        m_paras[line + added] = tail;
    }
    m_text.insert(pos, src.m_text);
    m_fmtIndex.insert(m_fmtIndex.begin() + pos, idx.begin(), idx.end());
    NoteChange(pos, pos, pos + n);
    for (CRichField& f : m_fields)
        if (f.start > pos || (f.start == pos && f.length > 0))
            f.start += n;
    for (const CRichField& f : src.m_fields) {
        if (m_nextId == 0)
            break;
        CRichField g = f;
        g.id = m_nextId++;
        g.start += pos;
        m_fields.push_back(g);
    }
    std::stable_sort(m_fields.begin(), m_fields.end(), FieldBefore);
    return pos + n;
}
