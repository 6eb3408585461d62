// CTXRulerBar: the ruler above a rich-text view: a bar across its frame marked in inches or
// centimetres from the text's left edge.
#pragma once
#include "framework.h"
#include "fw/controlbar.h"

class CTXRulerBar : public CControlBar
{
public:
    CTXRulerBar();
    // A hidden bar at the top of frame.
    BOOL Create(CFrameWnd* frame, UINT nID, bool metric);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { }
    void DoPaint(CDC* pDC) override;

private:
    bool m_bMetric;
};
