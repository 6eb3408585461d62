// What the tabbed combo tests share: a table naming the test picture (a 64 x 40 red bitmap
// resource of the test program) and measuring a cell's control with another choice list.
#pragma once
#include "controls/GXTabbedComboBoxTable.h"
#include "controls/GXControl.h"
#include "core/GXGridWnd.h"
#include <gtest/gtest.h>

const char* const kTabbedPicture = "#BMP(\"TABBED_PICTURE\")";
const char* const kPictureTable = "Code\tName\n1\tApple\n2\t#BMP(\"TABBED_PICTURE\")";
const char* const kPicturelessTable = "Code\tName\n1\tApple";
const int kPictureWidth = 64, kPictureHeight = 40;
const COLORREF kPictureRed = RGB(255, 0, 0);

// The size the cell's control asks for with the cell's style and the given choice list; the
// text line and the width of "Apple" in the cell's font beside it.
struct GXTabbedMeasure
{
    CSize size;
    int nLine = 0; // text height + external leading + 1
    int nAppleWidth = 0;
};
inline GXTabbedMeasure GXMeasureTabbedCell(CGXGridWnd& grid, ROWCOL nRow, ROWCOL nCol,
                                           const char* pszChoices)
{
    GXTabbedMeasure m;
    CGXStyle style = grid.GetCachedCellStyle(nRow, nCol);
    style.SetChoiceList(pszChoices);
    CClientDC dc(&grid);
    m.size = grid.GetControl(nRow, nCol)->MeasureCellSize(&dc, nRow, nCol, style, nullptr, TRUE);
    CFont* pOld = grid.SelectStyleFont(&dc, style);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    m.nLine = tm.tmHeight + tm.tmExternalLeading + 1;
    m.nAppleWidth = dc.GetTextExtent("Apple").cx;
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    return m;
}

// The picture's row makes the cell as wide and high as the picture where the text alone was
// narrower and lower.
inline void GXExpectPictureMeasured(CGXGridWnd& grid, ROWCOL nRow, ROWCOL nCol)
{
    const GXTabbedMeasure withPicture = GXMeasureTabbedCell(grid, nRow, nCol, kPictureTable);
    const GXTabbedMeasure textOnly = GXMeasureTabbedCell(grid, nRow, nCol, kPicturelessTable);
    ASSERT_LT(textOnly.nAppleWidth, kPictureWidth);
    ASSERT_LT(textOnly.nLine, kPictureHeight);
    EXPECT_EQ(withPicture.size.cx - textOnly.size.cx, kPictureWidth - textOnly.nAppleWidth);
    EXPECT_EQ(withPicture.size.cy - textOnly.size.cy, kPictureHeight - textOnly.nLine);
}
