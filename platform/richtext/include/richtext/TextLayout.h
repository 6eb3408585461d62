// Lays the document out into display lines for the edit window: paragraphs wrapped at
// word boundaries to a width, each character's x position, each line's height and
// baseline, measured in the fonts of the characters' formats.
#pragma once
#include "richtext/RichDocument.h"

#include <map>
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
        int widths[256]; // advance of every code-page character
    };
    ~CTXFontCache();
    const Entry& Get(HDC dc, const CRichCharFormat& f);
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
    const std::vector<CTXLine>& Lines() const { return m_lines; }
    int Height() const { return m_height; }
    // The line that shows a position (a position at a wrap goes to the following line).
    size_t LineOf(size_t pos) const;
    POINT PointOf(size_t pos) const; // top of the caret there, in document pixels
    size_t PositionAt(int x, int y) const;

private:
    std::vector<CTXLine> m_lines;
    int m_height = 0;
};
