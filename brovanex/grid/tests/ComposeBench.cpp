// Composing the style of every cell of a 50-column by 100,000-row data object from its
// cell, row, column and base styles and the standard style, as painting does: prints
// cells per second.
#include "core/GXData.h"
#include "core/GXStylesMap.h"
#include "res/GXResource.h"
#include <chrono>
#include <cstdio>

int main()
{
    const ROWCOL nRows = 100000, nCols = 50;
    CGXStylesMap map;
    map.AddBuiltInStyles();
    CGXStyle emphasis;
    emphasis.SetFont(CGXFont().SetBold(TRUE)).SetTextColor(RGB(200, 0, 0));
    WORD idEmphasis = map.AddBaseStyle("Emphasis", emphasis);
    CGXStyle total;
    total.SetHorizontalAlignment(DT_RIGHT).SetBaseStyle(idEmphasis);
    WORD idTotal = map.AddBaseStyle("Total", total);

    CGXData data;
    data.PutRowCount(nRows);
    data.PutColCount(nCols);
    for (ROWCOL c = 1; c <= nCols; ++c) {
        CGXStyle col;
        col.SetMaxLength((WORD)(10 + c)).SetInterior(RGB(255, 255, (BYTE)c));
        data.PutCellStyle(0, c, &col, gxOverride, -1);
    }
    char sz[32];
    for (ROWCOL r = 1; r <= nRows; ++r) {
        if (r % 10 == 0) {
            CGXStyle row;
            row.SetBaseStyle(idTotal);
            data.PutCellStyle(r, 0, &row, gxOverride, -1);
        }
        for (ROWCOL c = 1; c <= nCols; c += 3) {
            snprintf(sz, sizeof sz, "%u", (unsigned)(r * c));
            CGXStyle cell;
            cell.SetValue(sz);
            data.PutCellStyle(r, c, &cell, gxOverride, 0);
        }
    }
    const CGXStyle* pStandard = nullptr;
    map.LookupBaseStyle(map.GetStandardStyleId(), pStandard);

    CGXStyle style;
    unsigned long long nChecksum = 0;
    auto start = std::chrono::steady_clock::now();
    for (ROWCOL r = 1; r <= nRows; ++r) {
        for (ROWCOL c = 1; c <= nCols; ++c) {
            // Cell first, then row, column, their base styles and the standard style.
            style.ClearAll();
            data.GetStyleRowCol(r, c, style, gxCopy, 0);
            data.GetStyleRowCol(r, 0, style, gxApplyNew, -1);
            data.GetStyleRowCol(0, c, style, gxApplyNew, -1);
            style.ApplyBaseStyles(&map);
            style.MergeStyle(*pStandard, gxApplyNew);
            nChecksum += style.GetMaxLength() + style.GetHorizontalAlignment() +
                style.GetValue().GetLength();
        }
    }
    double dSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double nCells = (double)nRows * nCols;
    printf("composed %.0f cells in %.3f s: %.0f cells per second (checksum %llu)\n", nCells,
           dSeconds, nCells / dSeconds, nChecksum);
    return 0;
}
