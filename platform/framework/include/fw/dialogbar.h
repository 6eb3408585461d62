// Dialog bars: a control bar whose controls come from a dialog template (a child-style
// template found along the resource chain). The bar keeps the template's size; its
// controls' commands go to the frame, and their states update at idle time like a
// dialog's controls.
#pragma once
#include "fw/controlbar.h"

class FW_API CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();
    ~CDialogBar() override;

    BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
    }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CSize m_sizeDefault; // the template's size (with the bar's borders)

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
