// Column Select: which rundown columns are shown and how wide, the titles of the two free
// columns, the script separator and segment numbering.
#pragma once
#include "BrovanexApi.h"
#include "ColInfo.h"
#include "fw/dialog.h"

class BROVANEX_API CColumnSelectDlg : public CDialog
{
public:
    explicit CColumnSelectDlg(CWnd* pParent = nullptr);

    // The nine columns in the order #, Talent, Misc 1, Misc 2, Slug, ERT, SOT, TTL, Cume.
    static const int ColumnCount = 9;

    void FromColumnInfo(const CColInfo& info);
    // Every member back into info; its row count is left alone.
    void ToColumnInfo(CColInfo& info) const;

    // Runs the dialog on info (OK writes it back). Whatever the answer, the two copies
    // take info's segment-numbering and script-separator words. The dialog's result.
    static INT_PTR Run(CColInfo& info, long& segmentNumberingCopy, long& scriptSeparatorCopy,
                       CWnd* pParent = nullptr);

    int m_bShow[ColumnCount];
    int m_nWidth[ColumnCount];
    CString m_strMisc1Title;
    CString m_strMisc2Title;
    int m_bScriptSeparator;
    int m_bSegmentNumbering;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
