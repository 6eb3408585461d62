// Lays the document out into display lines for the edit window: paragraphs wrapped at
// word boundaries between their indents, aligned, spaced and with their line spacing, each
// character's x position, each line's height and baseline, measured in the fonts of the
// characters' formats at the zoom in force. In the normal view the text runs the window's
// width and a page break shows as a dotted line; in page layout it runs a letter page's
// width within its margins, on pages one below the other (at the left, or centred). After an
// edit only the paragraphs the edit touched are laid out again and the lines after them
// move (in page layout everything is laid out again: the pages may fall otherwise).
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
    // Fonts are made at this percentage of their size (a change empties the cache).
    void SetZoom(int percent);
    int Zoom() const { return m_zoom; }

private:
    std::map<std::string, Entry*> m_fonts;
    int m_zoom = 100;
};

struct CTXLine
{
    size_t start = 0, end = 0; // characters [start, end); a line's '\n' is not in it
    bool endsParagraph = false; // the character at end is the paragraph's '\n'
    int y = 0, height = 0, ascent = 0;
    // Room above the first line of a paragraph (its space before) and below its last (its
    // space after): part of the paragraph, not of a line.
    int spaceAbove = 0, spaceBelow = 0;
    bool pageBreak = false; // a page break stands above the line (the normal view)
    int page = 0; // the page that holds the line (page layout)
    std::vector<int> x; // x of each character boundary, end - start + 1 of them
    // A table row's line: the x of its left edge and of each cell's right edge; empty for
    // other lines. A row is one line: its cells do not wrap.
    std::vector<int> cellEdges;
    bool borders = false;
};

enum TXViewMode { TXVIEW_NORMAL = 0, TXVIEW_PAGELAYOUT = 1, TXVIEW_CENTEREDLAYOUT = 2 };

class CTXLayout
{
public:
    static constexpr int kMargin = 4;
    static constexpr int kPageGap = 12; // grey between and around pages, in pixels
    // A letter page and its margins, in twips.
    static constexpr int kPageWidth = 12240, kPageHeight = 15840;
    static constexpr int kMarginLeft = 1800, kMarginRight = 1800;
    static constexpr int kMarginTop = 1440, kMarginBottom = 1440;

    // The view and the zoom (the font cache's, which the layout shares with the painter).
    void SetViewMode(int mode) { m_mode = mode; }
    int ViewMode() const { return m_mode; }
    bool PageLayout() const { return m_mode != TXVIEW_NORMAL; }
    // Pixels of a length in twips at the zoom, horizontally and vertically.
    int PixelsX(int twips) const;
    int PixelsY(int twips) const;
    // Page layout: the pages laid out and where the i-th lies, in document pixels.
    int PageCount() const { return m_pages; }
    RECT PageRect(int page) const;
    // The page a position is on (the first is 1): in page layout the page that holds its line;
    // in the normal view the forced page breaks above it and nine inches of text a page.
    unsigned PageOf(size_t pos) const;

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
    // Where an image or object (an embedded field) shows, in document pixels: a character
    // one on its line's baseline, a fixed one at its offset from its paragraph's first line
    // at the text column's left.
    RECT ObjectRect(const CRichDocument& doc, const CRichField& f) const;
    // The embedded field on the object character at pos, or null.
    static const CRichField* EmbeddedAt(const CRichDocument& doc, size_t pos);

private:
    // Lays out the paragraphs from the one starting at ps to the one that holds stop,
    // from height y; appends the lines to out and returns the height they take.
    int LayOut(HDC dc, const CRichDocument& doc, size_t ps, size_t stop, int y, CTXFontCache& fonts,
               std::vector<CTXLine>& out);

    int PageLeft() const;
    int TextLeft() const;
    int PageTextTop(int page) const;
    int PageTextBottom(int page) const;

    std::vector<CTXLine> m_lines;
    int m_height = 0;
    int m_width = 0;
    int m_mode = TXVIEW_NORMAL;
    int m_pages = 0;
    int m_dpiX = 96, m_dpiY = 96, m_zoom = 100; // of the last layout
};
