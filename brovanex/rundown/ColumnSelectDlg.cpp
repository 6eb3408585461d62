#include "ColumnSelectDlg.h"

#include "BrovanexResource.h"
#include "fw/dataexchange.h"

namespace {
struct ColumnField
{
    int nCheckID;
    long CColInfo::*pShow;
    long CColInfo::*pWidth;
};

const ColumnField kColumns[CColumnSelectDlg::ColumnCount] = {
    {IDC_COLSEL_PAGENO, &CColInfo::ShowPageNo, &CColInfo::WidthPageNo},
    {IDC_COLSEL_TALENT, &CColInfo::ShowTalent, &CColInfo::WidthTalent},
    {IDC_COLSEL_MISC1, &CColInfo::ShowMisc1, &CColInfo::WidthMisc1},
    {IDC_COLSEL_MISC2, &CColInfo::ShowMisc2, &CColInfo::WidthMisc2},
    {IDC_COLSEL_SLUG, &CColInfo::ShowSlug, &CColInfo::WidthSlug},
    {IDC_COLSEL_ERT, &CColInfo::ShowERT, &CColInfo::WidthERT},
    {IDC_COLSEL_SOT, &CColInfo::ShowSOT, &CColInfo::WidthSOT},
    {IDC_COLSEL_TTL, &CColInfo::ShowTTL, &CColInfo::WidthTTL},
    {IDC_COLSEL_CUME, &CColInfo::ShowCume, &CColInfo::WidthCume},
};
} // namespace

CColumnSelectDlg::CColumnSelectDlg(CWnd* pParent)
    : CDialog(IDD_COLUMN_SELECT, pParent), m_bScriptSeparator(0), m_bSegmentNumbering(0)
{
    for (int i = 0; i < ColumnCount; i++) {
        m_bShow[i] = 0;
        m_nWidth[i] = 0;
    }
}

void CColumnSelectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < ColumnCount; i++) {
        DDX_Check(pDX, kColumns[i].nCheckID, m_bShow[i]);
        DDX_Text(pDX, IDC_COLSEL_WIDTH_FIRST + i, m_nWidth[i]);
    }
    DDX_Text(pDX, IDC_COLSEL_MISC1_TITLE, m_strMisc1Title);
    DDX_Text(pDX, IDC_COLSEL_MISC2_TITLE, m_strMisc2Title);
    DDX_Check(pDX, IDC_COLSEL_SEPARATOR, m_bScriptSeparator);
    DDX_Check(pDX, IDC_COLSEL_SEGMENTS, m_bSegmentNumbering);
}

void CColumnSelectDlg::FromColumnInfo(const CColInfo& info)
{
    for (int i = 0; i < ColumnCount; i++) {
        m_bShow[i] = (int)(info.*kColumns[i].pShow);
        m_nWidth[i] = (int)(info.*kColumns[i].pWidth);
    }
    m_strMisc1Title = info.Misc1Title;
    m_strMisc2Title = info.Misc2Title;
    m_bScriptSeparator = (int)info.UseScriptSeparator;
    m_bSegmentNumbering = (int)info.UseSegmentNumbering;
}

void CColumnSelectDlg::ToColumnInfo(CColInfo& info) const
{
    for (int i = 0; i < ColumnCount; i++) {
        info.*kColumns[i].pShow = m_bShow[i];
        info.*kColumns[i].pWidth = m_nWidth[i];
    }
    info.Misc1Title = m_strMisc1Title;
    info.Misc2Title = m_strMisc2Title;
    info.UseScriptSeparator = m_bScriptSeparator;
    info.UseSegmentNumbering = m_bSegmentNumbering;
}

INT_PTR CColumnSelectDlg::Run(CColInfo& info, long& segmentNumberingCopy, long& scriptSeparatorCopy,
                              CWnd* pParent)
{
    CColumnSelectDlg dialog(pParent);
    dialog.FromColumnInfo(info);
    const INT_PTR result = dialog.DoModal();
    if (result == IDOK)
        dialog.ToColumnInfo(info);
    segmentNumberingCopy = info.UseSegmentNumbering;
    scriptSeparatorCopy = info.UseScriptSeparator;
    return result;
}
