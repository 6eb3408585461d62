// CGXProgressCtrl: a window-less cell that shows its numeric value as a bar between a low and
// a high value (user attributes), with an optional caption centred over the bar. Stored
// values are kept inside the limits.
#pragma once
#include "controls/GXControl.h"

const WORD GX_IDS_UA_PROGRESS_LOW = 51025;
const WORD GX_IDS_UA_PROGRESS_HIGH = 51026;
const WORD GX_IDS_UA_PROGRESS_CAPTION = 51027;

class CGXProgressCtrl : public CGXControl
{
    GX_DECLARE_CONTROL(CGXProgressCtrl)
public:
    explicit CGXProgressCtrl(CGXGridCore* pGrid);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                        UINT nFlags, const CGXStyle* pOldStyle) override;

    // The caption of a cell: the caption attribute formatted with the value.
    virtual void GetCaption(CString& strCaption, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // The colour of the filled part of the bar (bFilled) or of the rest.
    virtual COLORREF GetBarColor(BOOL bFilled, const CGXStyle& style);
    // The caption's colour over the filled part (bFilled) or over the rest.
    virtual COLORREF GetCaptionColor(BOOL bFilled, const CGXStyle& style);

    // The filled width of a bar nWidth pixels wide: empty while high is not above low, never
    // wider than the bar.
    static int BarWidth(long lValue, long lLow, long lHigh, int nWidth);
    // The caption for a value: the format text used as a format when it holds only literal
    // text, "%%" and at most one integer conversion; any other text is shown as it stands.
    static CString FormatCaption(const CString& strFormat, long lValue);

    static void AddUserAttributes(CGXStylesMap* pStylesMap);

protected:
    double m_dScale; // value units per pixel of the last bar drawn
};
