#include "CharacterPage.h"

#include "CaptionSetupResource.h"

const CCharacterPage::Row CCharacterPage::s_rows[kRows] = {
    {'!', 1101, 1133}, {'"', 1102, 1134},  {'#', 1103, 1135}, {'$', 1104, 1136},  {'%', 1105, 1137},
    {'&', 1106, 1138}, {'\'', 1107, 1139}, {'(', 1108, 1140}, {')', 1109, 1141},  {'*', 1110, 1142},
    {'+', 1111, 1143}, {',', 1112, 1144},  {'-', 1113, 1145}, {'.', 1114, 1146},  {'/', 1115, 1147},
    {':', 1116, 1148}, {';', 1117, 1149},  {'<', 1118, 1150}, {'=', 1119, 1151},  {'>', 1120, 1152},
    {'?', 1121, 1153}, {'@', 1122, 1154},  {'[', 1123, 1155}, {'\\', 1124, 1156}, {']', 1125, 1157},
    {'^', 1126, 1158}, {'_', 1127, 1159},  {'`', 1164, 1165}, {'{', 1128, 1160},  {'|', 1129, 1161},
    {'}', 1130, 1162}, {'~', 1131, 1163},
};

IMPLEMENT_DYNCREATE(CCharacterPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CCharacterPage, CPropertyPage)
    ON_BN_CLICKED(IDC_CC_USE_REPLACEMENTS, &CCharacterPage::OnUseReplacements)
    ON_CONTROL_RANGE(BN_CLICKED, 1101, 1131, &CCharacterPage::OnCheckChar)
    ON_CONTROL_RANGE(BN_CLICKED, 1164, 1164, &CCharacterPage::OnCheckChar)
    ON_CONTROL_RANGE(EN_CHANGE, 1133, 1163, &CCharacterPage::OnChangeCharEdit)
    ON_CONTROL_RANGE(EN_CHANGE, 1165, 1165, &CCharacterPage::OnChangeCharEdit)
END_MESSAGE_MAP()

CCharacterPage::CCharacterPage() : CCharacterPage(m_ownMap, m_bOwnActive) { }

CCharacterPage::CCharacterPage(CCaptionCharMap& appMap, bool& appActive)
    : CPropertyPage(IDD_CAPTION_CHARS), m_AppMap(appMap), m_bAppActive(appActive),
      m_PageMap(appMap), m_bUseReplacements(0), m_RowChecks {}
{ }

CCharacterPage::~CCharacterPage() = default;

int CCharacterPage::RowOfControl(UINT nID)
{
    for (int i = 0; i < kRows; ++i)
        if ((UINT)s_rows[i].nCheckID == nID || (UINT)s_rows[i].nEditID == nID)
            return i;
    return -1;
}

void CCharacterPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CC_USE_REPLACEMENTS, m_bUseReplacements);
    for (int i = 0; i < kRows; ++i)
        DDX_Check(pDX, s_rows[i].nCheckID, m_RowChecks[i]);
    for (int i = 0; i < kRows; ++i) {
        DDX_Text(pDX, s_rows[i].nEditID, m_RowTexts[i]);
        DDV_MaxChars(pDX, m_RowTexts[i], 1);
    }
}

BOOL CCharacterPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bUseReplacements = m_bAppActive ? 1 : 0;
    for (int i = 0; i < kRows; ++i) {
        auto found = m_AppMap.find(s_rows[i].ch);
        m_RowChecks[i] = found != m_AppMap.end() ? 1 : 0;
        const char ch = found != m_AppMap.end() ? found->second : s_rows[i].ch;
        m_RowTexts[i] = ch ? CString(ch, 1) : CString();
    }
    UpdateData(FALSE);
    EnableRows();
    return TRUE;
}

BOOL CCharacterPage::OnApply()
{
    StoreCharMap();
    return CPropertyPage::OnApply();
}

void CCharacterPage::EnableRows()
{
    for (int i = 0; i < kRows; ++i) {
        if (CWnd* pCheck = GetDlgItem(s_rows[i].nCheckID))
            pCheck->EnableWindow(m_bUseReplacements != 0);
        if (CWnd* pEdit = GetDlgItem(s_rows[i].nEditID))
            pEdit->EnableWindow(m_bUseReplacements != 0 && m_RowChecks[i] != 0);
    }
}

void CCharacterPage::StoreCharMap()
{
    m_AppMap.clear();
    m_AppMap.insert(m_PageMap.begin(), m_PageMap.end());
    m_bAppActive = m_bUseReplacements != 0;
}

void CCharacterPage::OnUseReplacements()
{
    UpdateData(TRUE);
    EnableRows();
    SetModified(TRUE);
}

void CCharacterPage::OnCheckChar(UINT nID)
{
    const int row = RowOfControl(nID);
    if (row < 0 || !UpdateData(TRUE))
        return;
    const char ch = s_rows[row].ch;
    m_PageMap.erase(ch);
    CWnd* pEdit = GetDlgItem(s_rows[row].nEditID);
    if (m_RowChecks[row]) {
        m_PageMap[ch] = m_RowTexts[row].IsEmpty() ? '\0' : m_RowTexts[row][0];
        pEdit->EnableWindow(TRUE);
    } else {
        pEdit->EnableWindow(FALSE);
    }
    SetModified(TRUE);
}

void CCharacterPage::OnChangeCharEdit(UINT nID)
{
    const int row = RowOfControl(nID);
    if (row < 0 || !UpdateData(TRUE))
        return;
    // A cleared replacement sends a space rather than nothing.
    if (m_RowTexts[row].IsEmpty())
        m_RowTexts[row] = " ";
    m_PageMap[s_rows[row].ch] = m_RowTexts[row][0];
    SetModified(TRUE);
}
