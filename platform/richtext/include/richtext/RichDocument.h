// The document model of the script editor's text control: the text (UTF-16, positions count
// UTF-16 units, paragraphs separated by '\n'), a character format per character, a paragraph
// format per paragraph, and fields over ranges of the text. Every character a file or the user gives is kept; conversion to
// a code page happens only at the control's narrow interfaces. It is the source of truth for the edit
// window and for every file format, and holds no window, so a worker thread may load, save
// or convert a document on its own.
#pragma once
#include "richtext/TxTypes.h"
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct CRichCharFormat
{
    std::string face = "Arial";
    BYTE charset = 0; // font character set (RTF \fcharset)
    BYTE family = 2; // 0 nil, 1 roman, 2 swiss, 3 modern, 4 script, 5 decor, 6 tech
    int halfPoints = 24; // font size in half points
    COLORREF color = 0;
    bool hasBack = false; // no background colour: the window's own shows through
    COLORREF back = 0xFFFFFF;
    bool bold = false, italic = false, underline = false, strike = false;

    bool operator==(const CRichCharFormat& o) const;
    bool operator!=(const CRichCharFormat& o) const { return !(*this == o); }
};

// A paragraph's format. Lengths are in twips (1/1440 inch). The line spacing follows RTF:
// 0 is single (automatic); with lineMultiple it is a multiple of single in 240ths (360 is one
// and a half lines); without, a positive value is at least that height and a negative one
// exactly its magnitude. A page break before the paragraph is a paragraph attribute, so a
// page break never adds a paragraph of its own to the text.
enum : BYTE { TXALIGN_LEFT = 0, TXALIGN_CENTER = 1, TXALIGN_RIGHT = 2, TXALIGN_JUSTIFY = 3 };

struct CRichParaFormat
{
    BYTE align = TXALIGN_LEFT;
    int leftIndent = 0; // of every line
    int rightIndent = 0;
    int firstIndent = 0; // of the first line, from the left indent (negative: hanging)
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool pageBreakBefore = false;
    // A table row: the right edge of each of its cells from the text's left (rising; none:
    // no table row). The row's text holds its cells one after the other, separated by
    // kCellChar; text past its last cell stays in the last, and cells without text are empty.
    std::vector<int> cells;
    bool borders = false; // the row's cells print with their borders

    // The limits every reader and the paragraph dialog keep to.
    static constexpr int kMaxIndent = 31680; // 22 inches
    static constexpr int kMaxSpace = 31680;
    static constexpr size_t kMaxCells = 63;
    bool IsTableRow() const { return !cells.empty(); }
    // Brings every member into its range (what a reader calls on what it read).
    void Clamp();
    bool IsDefault() const { return *this == CRichParaFormat(); }
    bool operator==(const CRichParaFormat& o) const;
    bool operator!=(const CRichParaFormat& o) const { return !(*this == o); }
};

// What an embedded field holds: an image or an object, shown where its one object
// character (U+FFFC) stands. A character image or object flows with the text like a
// character of its size, standing on the baseline; a fixed one stands at an offset from the
// top left of its paragraph's text and takes no room in the line. Lengths are in twips.
struct CRichObject
{
    enum : BYTE { kImage = 0, kObject = 1 };
    // An image's picture: a device-independent bitmap (the header, colours and bits, as
    // RTF's \dibitmap), PNG or JPEG bytes; an object's data: the bytes of the file it was
    // made from.
    enum : BYTE { kDib = 0, kPng = 1, kJpeg = 2, kFileData = 3 };
    BYTE kind = kImage;
    BYTE format = kDib;
    bool fixed = false;
    int width = 1440, height = 1440; // as shown
    int x = 0, y = 0; // a fixed one's offset
    std::string className; // an object's class, e.g. "Package"
    std::u16string name; // an object's label: the name of the file it was made from
    std::string data;

    static constexpr int kMaxSize = 31680; // 22 inches, either way
    static constexpr size_t kMaxData = 64u << 20;
    // Whether every member is in range and an image's picture is sound (what the readers
    // check before they keep one).
    bool IsValid() const;
    bool operator==(const CRichObject& o) const;
    bool operator!=(const CRichObject& o) const { return !(*this == o); }
};

// The character an embedded field stands on.
constexpr char16_t kObjectChar = 0xFFFC;
// The character between two cells of a table row.
constexpr char16_t kCellChar = 0x0007;

// A field: a protected range of the text with an id, a kind, 32-bit data, a type (4 for a
// target, i.e. a bookmark) and a type text (the target's name). Ids are handed out in
// insertion order and never reused within a document.
struct CRichField
{
    DWORD id = 0;
    WORD kind = 0;
    DWORD data = 0;
    BYTE type = 0;
    std::u16string typeText;
    size_t start = 0;
    size_t length = 0;
    std::shared_ptr<const CRichObject> object; // an embedded field's content (shared by copies)
    size_t end() const { return start + length; }
    // A position strictly inside the field's text (never true for an empty field).
    bool Contains(size_t pos) const { return pos > start && pos < end(); }
};

class CRichDocument
{
public:
    CRichDocument();

    const std::u16string& Text() const { return m_text; }
    size_t Length() const { return m_text.size(); }
    const CRichCharFormat& FormatAt(size_t pos) const; // pos < Length()
    uint16_t FormatIndexAt(size_t pos) const { return m_fmtIndex[pos]; }
    const CRichCharFormat& FormatByIndex(uint16_t i) const { return m_formats[i]; }
    // End of the run of characters sharing pos's format, at most hi (pos < hi <= Length()).
    size_t FormatRunEnd(size_t pos, size_t hi) const;
    uint16_t InternFormat(const CRichCharFormat& f);
    const std::vector<CRichField>& Fields() const { return m_fields; } // ordered by start
    DWORD NextFieldId() const { return m_nextId; }

    // Editing. Fields stay whole: a range that cuts into a field is shrunk so that the
    // field keeps all of its text; fields wholly inside a non-empty range are removed; an
    // insertion point inside a field moves to the field's end. Returns the position just
    // after the inserted text.
    size_t Replace(size_t lo, size_t hi, const std::u16string& text, const CRichCharFormat& fmt);
    void Clear();
    // Applies a change to the format of every character in [lo, hi).
    template<class F>
    void ChangeFormat(size_t lo, size_t hi, F change);

    // Fields. Insert returns the new id, or 0 when pos is inside a field or past the end.
    DWORD InsertField(size_t pos, WORD kind, const std::u16string& text,
                      const CRichCharFormat& fmt);
    const CRichField* FindField(DWORD id) const;
    CRichField* FindField(DWORD id);
    // The field whose text holds pos strictly inside, or 0.
    DWORD FieldAt(size_t pos) const;
    // The field after id in document order (the first for 0), or 0.
    DWORD NextField(DWORD id) const;
    bool SetFieldText(DWORD id, const std::u16string& text);
    // keepText: the field goes, its text stays as ordinary text.
    bool DeleteField(DWORD id, bool keepText);
    bool SetFieldType(DWORD id, BYTE type, const std::u16string& typeText);
    bool SetFieldData(DWORD id, DWORD data);
    DWORD FindTarget(const std::u16string& name) const;

    // A copy of [lo, hi) with the fields that lie wholly inside it (ids kept).
    CRichDocument Extract(size_t lo, size_t hi) const;
    // Inserts another document's text, formats and fields at pos (moved to the end of a
    // field it falls inside); its fields get new ids in their order. Returns the position
    // after the inserted text.
    size_t InsertDocument(size_t pos, const CRichDocument& src);

    // Paragraph formats, one per line (LastLine() + 1 of them). Editing keeps them: a line
    // split in two gives both halves its format (the page break stays with the first); lines
    // joined keep the format of the first of them.
    const CRichParaFormat& ParaFormat(size_t line) const; // line <= LastLine()
    const std::vector<CRichParaFormat>& ParaFormats() const { return m_paras; }
    bool SetParaFormat(size_t line, const CRichParaFormat& f);
    // Applies a change to the format of every line that [lo, hi] touches.
    template<class F>
    void ChangeParaFormat(size_t lo, size_t hi, F change);

    // Lines are the text's hard lines (paragraphs), separated by '\n'.
    size_t LineOf(size_t pos) const;
    size_t LineStart(size_t line) const; // Length() + 1 for a line past the last
    size_t LastLine() const;

    // Builders used by the format readers: append text and fields in document order.
    void Append(const std::u16string& text, const CRichCharFormat& fmt);
    // Adds a field over [start, start+length) of text already appended. id 0 takes the
    // next id; a given id must be unused. Fails on overlap, a range outside the text, or an
    // embedded field that does not stand on one object character with valid content.
    bool AddField(CRichField field);
    void SetNextFieldId(DWORD id) { m_nextId = id; }

    // Self-check of the invariants (used by tests and after loading).
    bool IsConsistent() const;
    // Drops formats no character uses and renumbers the rest (before saving).
    void CompactFormats();

    bool operator==(const CRichDocument& o) const;

    // What changed since ForgetChanges: the text [lo, newHi) now stands where [lo, oldHi)
    // stood. A change the document cannot describe (or none yet) is the whole text.
    struct Change
    {
        size_t lo = 0, oldHi = 0, newHi = 0;
        bool any = true; // something changed
        bool whole = true; // ... and it may be anything
    };
    const Change& Changes() const { return m_change; }
    void ForgetChanges() { m_change = Change {0, 0, 0, false, false}; }
    void MarkAllChanged() { m_change = Change(); }

private:
    void NoteChange(size_t lo, size_t oldHi, size_t newHi);

    void ShiftFields(size_t from, long delta);
    // An embedded field stands on one object character and holds valid content; any other
    // field holds none.
    bool IsEmbeddedWell(const CRichField& f) const;
    // Keeps the paragraph formats in step with text erased at lo or inserted at pos.
    void ErasedText(size_t lo, size_t hi);
    void InsertedText(size_t pos, const std::u16string& text);
    size_t FieldIndex(DWORD id) const;

    std::u16string m_text;
    std::vector<uint16_t> m_fmtIndex; // one per character
    std::vector<CRichCharFormat> m_formats; // interned formats; [0] the default
    std::vector<CRichField> m_fields; // ordered by start, then by insertion
    std::vector<CRichParaFormat> m_paras; // one per line
    DWORD m_nextId = 1;
    Change m_change;
};

template<class F>
void CRichDocument::ChangeFormat(size_t lo, size_t hi, F change)
{
    if (hi > m_text.size())
        hi = m_text.size();
    uint16_t lastFrom = 0xFFFF, lastTo = 0;
    for (size_t i = lo; i < hi; ++i) {
        uint16_t from = m_fmtIndex[i];
        if (from != lastFrom) {
            CRichCharFormat f = m_formats[from];
            change(f);
            lastFrom = from;
            lastTo = InternFormat(f);
        }
        m_fmtIndex[i] = lastTo;
    }
    if (lo < hi)
        NoteChange(lo, hi, hi);
}

template<class F>
void CRichDocument::ChangeParaFormat(size_t lo, size_t hi, F change)
{
    if (lo > hi)
        std::swap(lo, hi);
    const size_t first = LineOf(lo), last = LineOf(hi);
    for (size_t l = first; l <= last && l < m_paras.size(); ++l) {
        change(m_paras[l]);
        m_paras[l].Clamp();
    }
    const size_t from = LineStart(first);
    size_t to = LineStart(last + 1);
    to = to > m_text.size() ? m_text.size() : to;
    NoteChange(from, to, to);
}
