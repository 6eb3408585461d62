// The window-less text controls: CGXStatic draws the text of every cell that is not being
// edited; CGXHeader draws row and column headers.
#pragma once
#include "controls/GXControl.h"
#include <list>
#include <vector>

// The DrawText format of a style: its alignment with wrapping or a single line.
UINT GXTextFormatOf(const CGXStyle& style);

class CGXStatic : public CGXControl
{
    GX_DECLARE_CONTROL(CGXStatic)
public:
    explicit CGXStatic(CGXGridCore* pGrid);

    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    BOOL AllowsTextFloat(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         BOOL bFloatOrFlood) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

protected:
    // Half the system frame width, at least 2.
    static int TextMargin();
};

class CGXHeader : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXHeader)
public:
    explicit CGXHeader(CGXGridCore* pGrid);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    void DrawCurrentCellFrame(CDC* pDC, const CRect& rect) override;
};

// A picture cell: the bitmap file held in the style's picture attribute (a VARIANT byte
// array) drawn with the style's alignment; a cell without one draws as static text. The
// bitmaps last drawn are kept decoded, keyed by their bytes, so a repaint decodes nothing.
class CGXDaoBitmap : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXDaoBitmap)
public:
    explicit CGXDaoBitmap(CGXGridCore* pGrid);
    ~CGXDaoBitmap() override;

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

    // The DIB of a picture attribute's bytes (null when they hold none), decoded once while
    // it stays among the last nMaxDecoded pictures drawn. Owned by the control.
    HGLOBAL LookupPicture(const VARIANT& var);
    int GetDecodeCount() const { return m_nDecodes; }
    enum { nMaxDecoded = 64 };

private:
    struct Decoded
    {
        std::vector<BYTE> bytes; // the attribute's bytes, compared whole on each lookup
        HGLOBAL hDIB; // null: the bytes hold no bitmap
    };
    std::list<Decoded> m_decoded; // most recently drawn first
    int m_nDecodes;
};
