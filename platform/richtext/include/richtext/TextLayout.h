// Lays the document out into display lines for the edit window: paragraphs wrapped at
// word boundaries to a width, each character's x position, each line's height and
// baseline, measured in the fonts of the characters' formats. After an edit only the
// paragraphs the edit touched are laid out again; the lines after them move.
#pragma once
#include "richtext/RichDocument.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

// One GDI font per character format, with its metrics.
class CTXFontCache
{
public:
    struct Entry
    {
        HFONT font;
        int ascent, descent;
        // The advance of a UTF-16 unit, measured on first use, 256 units at a time.
        int Width(HDC dc, char16_t c);

    private:
        std::unique_ptr<int[]> m_pages[256];
    };
    ~CTXFontCache();
    Entry& Get(HDC dc, const CRichCharFormat& f);
    void Clear();

private:
    std::map<std::string, Entry*> m_fonts;
};

struct CTXLine
{
    size_t start = 0, end = 0; // characters [start, end); a line's '\n' is not in it
    bool endsParagraph = false; // the character at end is the paragraph's '\n'
    int y = 0, height = 0, ascent = 0;
    std::vector<int> x; // x of each character boundary, end - start + 1 of them
};

class CTXLayout
{
public:
    static constexpr int kMargin = 4;

    void Build(HDC dc, const CRichDocument& doc, int width, CTXFontCache& fonts);
    // The lines whose content an edit changed, in the new layout: [first, end); moved says
    // that the lines after them moved up or down.
    struct Update
    {
        size_t first = 0, end = 0;
        bool moved = false;
    };
    // Lays out again the paragraphs the change touched (the document as it is now).
    Update Apply(HDC dc, const CRichDocument& doc, const CRichDocument::Change& change,
                 CTXFontCache& fonts);
    const std::vector<CTXLine>& Lines() const { return m_lines; }
    int Height() const { return m_height; }
    int Width() const { return m_width; }
    // The line that shows a position (a position at a wrap goes to the following line).
    size_t LineOf(size_t pos) const;
    POINT PointOf(size_t pos) const; // top of the caret there, in document pixels
    size_t PositionAt(int x, int y) const;

private:
    // Lays out the paragraphs from the one starting at ps to the one that holds stop,
    // from height y; appends the lines to out and returns the height they take.
    int LayOut(HDC dc, const CRichDocument& doc, size_t ps, size_t stop, int y, CTXFontCache& fonts,
               std::vector<CTXLine>& out);

    std::vector<CTXLine> m_lines;
    int m_height = 0;
    int m_width = 0;
};
