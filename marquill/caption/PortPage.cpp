#include "PortPage.h"

#include "CaptionPageText.h"
#include "CaptionSetupResource.h"

IMPLEMENT_DYNCREATE(CPortPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPortPage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_CC_PORT, &CPortPage::OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_CC_BAUD, &CPortPage::OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_CC_DATA_BITS, &CPortPage::OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_CC_PARITY, &CPortPage::OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_CC_STOP_BITS, &CPortPage::OnSelchangeCombo)
    ON_BN_CLICKED(IDC_CC_RTS_CTS, &CPortPage::OnRtsCts)
    ON_BN_CLICKED(IDC_CC_DTR_DSR, &CPortPage::OnDtrDsr)
    ON_BN_CLICKED(IDC_CC_XON_XOFF, &CPortPage::OnXonXoff)
END_MESSAGE_MAP()

CPortPage::CPortPage() : CPropertyPage(IDD_CAPTION_PORT), m_bXonXoff(0), m_bRtsCts(0), m_bDtrDsr(0)
{ }

CPortPage::~CPortPage() = default;

void CPortPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CC_XON_XOFF, m_bXonXoff);
    DDX_CBString(pDX, IDC_CC_STOP_BITS, m_strStopBits);
    DDX_Check(pDX, IDC_CC_RTS_CTS, m_bRtsCts);
    DDX_Check(pDX, IDC_CC_DTR_DSR, m_bDtrDsr);
    DDX_CBString(pDX, IDC_CC_PARITY, m_strParity);
    DDX_CBString(pDX, IDC_CC_DATA_BITS, m_strDataBits);
    DDX_CBString(pDX, IDC_CC_PORT, m_strPort);
    DDX_CBString(pDX, IDC_CC_BAUD, m_strBaudRate);
}

BOOL CPortPage::OnInitDialog()
{
    SetFlowChecks();
    CPropertyPage::OnInitDialog();
    FillPortList();
    return TRUE;
}

BOOL CPortPage::OnApply() { return CPropertyPage::OnApply(); }

void CPortPage::SetFlowChecks()
{
    const FlowChecks checks = FlowChecksFromText((LPCSTR)m_strFlow);
    m_bXonXoff = checks.xonXoff;
    m_bDtrDsr = checks.dtrDsr;
    m_bRtsCts = checks.rtsCts;
    if (m_hWnd)
        UpdateData(FALSE);
}

void CPortPage::FillPortList()
{
    CComboBox* pList = (CComboBox*)GetDlgItem(IDC_CC_PORT);
    if (pList == nullptr)
        return;
    pList->ResetContent();
    for (int port : m_Ports)
        pList->AddString(PortEntryText(port).c_str());
    // The configured port when it is still there, else the first port the machine has.
    if (pList->SelectString(-1, m_strPort) == CB_ERR && pList->GetCount() > 0)
        pList->SetCurSel(0);
}

void CPortPage::OnSelchangeCombo() { SetModified(TRUE); }

void CPortPage::FlowClicked(int nID, const char* flow)
{
    UpdateData(TRUE);
    if (IsDlgButtonChecked(nID)) {
        m_strFlow = flow;
        for (int other : {IDC_CC_DTR_DSR, IDC_CC_RTS_CTS, IDC_CC_XON_XOFF})
            if (other != nID)
                CheckDlgButton(other, 0);
    } else {
        m_strFlow = "NONE";
    }
    SetModified(TRUE);
}

void CPortPage::OnRtsCts() { FlowClicked(IDC_CC_RTS_CTS, "RTS"); }
void CPortPage::OnDtrDsr() { FlowClicked(IDC_CC_DTR_DSR, "DTR"); }
void CPortPage::OnXonXoff() { FlowClicked(IDC_CC_XON_XOFF, "XON"); }
