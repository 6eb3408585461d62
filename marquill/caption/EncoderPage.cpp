#include "EncoderPage.h"

#include <cstdlib>
#include <vector>

#include "ByteText.h"
#include "CaptionPageText.h"
#include "CaptionSetupResource.h"

namespace {

const char* const kLineLengths[] = {"0", "4", "8", "12", "16", "20", "24", "28", "32"};

// What New fills in: the setup of the encoders most studios use.
const int kNewCharPacing = 20;
const int kNewWPMPacing = 48;
const char kNewLineLength[] = "28";

CString Text(const std::string& s) { return CString(s.c_str(), (int)s.size()); }
std::string Bytes(const CString& s) { return std::string((LPCSTR)s, (size_t)s.GetLength()); }

} // namespace

IMPLEMENT_DYNCREATE(CEncoderPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEncoderPage, CPropertyPage)
    ON_BN_CLICKED(IDC_CC_NEW_PROFILE, &CEncoderPage::OnNewProfile)
    ON_BN_CLICKED(IDC_CC_DELETE_PROFILE, &CEncoderPage::OnDeleteProfile)
    ON_CBN_DROPDOWN(IDC_CC_TITLE, &CEncoderPage::OnDropdownTitle)
    ON_CBN_SELENDOK(IDC_CC_TITLE, &CEncoderPage::OnSelendokTitle)
    ON_BN_CLICKED(IDC_CC_DISPLAY_HEX, &CEncoderPage::OnSelendokTitle)
    ON_EN_CHANGE(IDC_CC_BOL, &CEncoderPage::OnChangeField)
    ON_EN_CHANGE(IDC_CC_CHAR_PACING, &CEncoderPage::OnChangeField)
    ON_EN_CHANGE(IDC_CC_EOL, &CEncoderPage::OnChangeField)
    ON_EN_CHANGE(IDC_CC_INIT, &CEncoderPage::OnChangeField)
    ON_EN_CHANGE(IDC_CC_RESET, &CEncoderPage::OnChangeField)
    ON_CBN_SELCHANGE(IDC_CC_LINE_LENGTH, &CEncoderPage::OnSelchangeLineLength)
    ON_CBN_SELCHANGE(IDC_CC_WORDS_PER_MINUTE, &CEncoderPage::OnSelchangeWordsPerMinute)
END_MESSAGE_MAP()

CEncoderPage::CEncoderPage() : CEncoderPage(m_ownProfiles, m_ownSelected) { }

CEncoderPage::CEncoderPage(CEncoderProfileMap& appProfiles, std::string& appSelected)
    : CPropertyPage(IDD_CAPTION_ENCODER), m_bNewProfile(false), m_AppProfiles(appProfiles),
      m_AppSelected(appSelected), m_nCharPacing(0), m_nWPMPacing(0), m_bDisplayHex(0),
      m_bOpened(false)
{ }

CEncoderPage::~CEncoderPage() = default;

void CEncoderPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CC_TITLE, m_TitleList);
    DDX_Check(pDX, IDC_CC_DISPLAY_HEX, m_bDisplayHex);
    DDX_Text(pDX, IDC_CC_BOL, m_strBOL);
    // The two editable lists match whole entries: "3" must not show as "32".
    DDX_CBStringExact(pDX, IDC_CC_WORDS_PER_MINUTE, m_strWordsPerMinute);
    DDX_Text(pDX, IDC_CC_CHAR_PACING, m_nCharPacing);
    DDV_MinMaxInt(pDX, m_nCharPacing, 0, 99);
    DDX_Text(pDX, IDC_CC_EOL, m_strEOL);
    DDX_Text(pDX, IDC_CC_INIT, m_strInit);
    DDX_Text(pDX, IDC_CC_RESET, m_strReset);
    DDX_CBStringExact(pDX, IDC_CC_LINE_LENGTH, m_strLineLength);
}

BOOL CEncoderPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bOpened = true;

    CComboBox* pRates = (CComboBox*)GetDlgItem(IDC_CC_WORDS_PER_MINUTE);
    pRates->ResetContent();
    for (const char* rate : kWordsPerMinuteEntries)
        pRates->AddString(rate);
    CComboBox* pLengths = (CComboBox*)GetDlgItem(IDC_CC_LINE_LENGTH);
    pLengths->ResetContent();
    for (const char* length : kLineLengths)
        pLengths->AddString(length);

    CopyProfilesIn();
    FillProfileCombo();
    if (!m_AppSelected.empty())
        SelectProfile(m_AppSelected);
    SetTitleReadOnly(true);
    return TRUE;
}

BOOL CEncoderPage::OnApply()
{
    // A new profile whose title is refused keeps the sheet open on this page, so that the
    // user can name it instead of losing every change made here.
    if (!CommitProfiles())
        return FALSE;
    return CPropertyPage::OnApply();
}

std::string CEncoderPage::BytesToText(const std::string& bytes) const
{
    return ::BytesToText(bytes, m_bDisplayHex != 0);
}

std::string CEncoderPage::TextToBytes(const CString& text) const
{
    return UpToFirstZeroByte(::TextToBytes(Bytes(text), m_bDisplayHex != 0));
}

void CEncoderPage::CopyProfilesIn()
{
    m_Profiles.clear();
    for (const auto& entry : m_AppProfiles)
        m_Profiles.insert(entry);
}

void CEncoderPage::FillProfileCombo()
{
    m_TitleList.ResetContent();
    for (const auto& entry : m_Profiles)
        m_TitleList.AddString(entry.first.c_str());
    m_TitleList.SetCurSel(0);
    ShowProfile();
    SetTitleReadOnly(true);
}

void CEncoderPage::SelectProfile(const std::string& title)
{
    if (m_TitleList.GetCount() == 0)
        return;
    // CB_FINDSTRINGEXACT matches whole entries without regard to case; -1 selects none.
    m_TitleList.SetCurSel(m_TitleList.FindStringExact(-1, title.c_str()));
    ShowProfile();
}

CString CEncoderPage::SelectedTitle()
{
    CString title;
    const int nSel = m_TitleList.GetCurSel();
    if (nSel >= 0)
        m_TitleList.GetLBText(nSel, title);
    return title;
}

void CEncoderPage::ShowProfile()
{
    if (m_TitleList.GetCount() == 0)
        return;
    auto found = m_Profiles.find((LPCSTR)SelectedTitle());
    if (found != m_Profiles.end()) {
        const CEncoderProfile& profile = found->second;
        m_nCharPacing = profile.Pacing;
        m_nWPMPacing = profile.WPMPacing;
        m_strBOL = Text(BytesToText(profile.BOL));
        m_strEOL = Text(BytesToText(profile.EOL));
        m_strInit = Text(BytesToText(profile.INIT));
        m_strReset = Text(BytesToText(profile.Reset));
        m_strLineLength.Format("%d", (int)profile.Wrap);
    }
    ShowWordsPerMinute();
}

void CEncoderPage::ShowWordsPerMinute()
{
    m_strWordsPerMinute = WordsPerMinuteText(m_nWPMPacing).c_str();
    UpdateData(FALSE);
}

void CEncoderPage::StoreProfile()
{
    if (m_bNewProfile) {
        AddNewProfile();
        return;
    }
    auto found = m_Profiles.find((LPCSTR)SelectedTitle());
    if (found == m_Profiles.end())
        return;
    CEncoderProfile& profile = found->second;
    profile.Pacing = m_nCharPacing;
    profile.WPMPacing = m_nWPMPacing;
    profile.BOL = TextToBytes(m_strBOL);
    profile.EOL = TextToBytes(m_strEOL);
    profile.INIT = TextToBytes(m_strInit);
    profile.Reset = TextToBytes(m_strReset);
    profile.Wrap = atoi(m_strLineLength);
}

bool CEncoderPage::AddNewProfile()
{
    CString title;
    m_TitleList.GetWindowText(title);
    std::vector<std::string> titles;
    for (int i = 0; i < m_TitleList.GetCount(); ++i) {
        CString entry;
        m_TitleList.GetLBText(i, entry);
        if (!entry.IsEmpty()) // the blank entry New put on top
            titles.push_back((LPCSTR)entry);
    }
    const std::string problem = NewTitleProblem((LPCSTR)title, titles);
    if (!problem.empty()) {
        AfxMessageBox(problem.c_str(), MB_ICONSTOP);
        m_TitleList.ShowDropDown(FALSE);
        m_TitleList.SetCurSel(0);
        m_TitleList.SetFocus();
        return false;
    }
    m_TitleList.AddString(title);
    if (!UpdateData(TRUE))
        return false;
    CEncoderProfile profile(m_nCharPacing, m_nWPMPacing, TextToBytes(m_strBOL),
                            TextToBytes(m_strEOL), TextToBytes(m_strInit), TextToBytes(m_strReset),
                            atoi(m_strLineLength), 0);
    m_Profiles.emplace((LPCSTR)title, profile);
    m_bNewProfile = false;
    FillProfileCombo();
    SelectProfile((LPCSTR)title);
    return true;
}

bool CEncoderPage::CommitProfiles()
{
    if (m_bNewProfile && !AddNewProfile())
        return false;
    m_AppProfiles.clear();
    for (const auto& entry : m_Profiles)
        m_AppProfiles.insert(entry);
    m_AppSelected = (LPCSTR)SelectedTitle();
    return true;
}

void CEncoderPage::SetTitleReadOnly(bool bReadOnly)
{
    if (m_TitleList.m_hWnd == nullptr)
        return;
    HWND hEdit = ::FindWindowExA(m_TitleList.m_hWnd, nullptr, "Edit", nullptr);
    if (hEdit)
        ::SendMessageA(hEdit, EM_SETREADONLY, bReadOnly ? TRUE : FALSE, 0);
}

void CEncoderPage::OnNewProfile()
{
    if (m_bNewProfile && !AddNewProfile())
        return;
    m_bNewProfile = true;
    // The defaults as bytes, shown in the radix the page shows now.
    m_nCharPacing = kNewCharPacing;
    m_nWPMPacing = kNewWPMPacing;
    m_strBOL = "";
    m_strEOL = Text(BytesToText(EncoderBytes({13})));
    m_strInit = Text(BytesToText(EncoderBytes({3, 1, 51, 32, 51, 13, 3, 1, 54, 1, 78, 51, 13})));
    m_strReset = Text(BytesToText(EncoderBytes({3, 1, 51, 32, 51, 13, 20, 44, 3, 1, 55})));
    m_strLineLength = kNewLineLength;
    m_strWordsPerMinute = "180";
    UpdateData(FALSE);

    SetTitleReadOnly(false);
    m_TitleList.InsertString(0, "");
    m_TitleList.SetCurSel(0);
    m_TitleList.SetFocus();
}

void CEncoderPage::OnDeleteProfile()
{
    if (m_bNewProfile)
        m_bNewProfile = false;
    else
        m_Profiles.erase((LPCSTR)SelectedTitle());
    FillProfileCombo();
}

void CEncoderPage::OnDropdownTitle()
{
    if (m_bNewProfile && !AddNewProfile())
        return;
    OnSelendokTitle();
}

void CEncoderPage::OnSelendokTitle()
{
    const bool bWasHex = m_bDisplayHex != 0;
    if (!UpdateData(TRUE))
        return;
    if (m_bNewProfile && bWasHex != (m_bDisplayHex != 0)) {
        // A profile not yet added has its bytes only on screen: show them in the new radix.
        for (CString* text : {&m_strBOL, &m_strEOL, &m_strInit, &m_strReset})
            *text = Text(::BytesToText(::TextToBytes(Bytes(*text), bWasHex), m_bDisplayHex != 0));
        UpdateData(FALSE);
        return;
    }
    ShowProfile();
}

void CEncoderPage::OnChangeField()
{
    if (!UpdateData(TRUE))
        return;
    StoreProfile();
    SetModified(TRUE);
}

void CEncoderPage::OnSelchangeLineLength()
{
    CComboBox* pLengths = (CComboBox*)GetDlgItem(IDC_CC_LINE_LENGTH);
    const int nSel = pLengths->GetCurSel();
    if (nSel >= 0)
        pLengths->GetLBText(nSel, m_strLineLength);
    StoreProfile();
    SetModified(TRUE);
}

void CEncoderPage::OnSelchangeWordsPerMinute()
{
    if (!UpdateData(TRUE))
        return;
    CComboBox* pRates = (CComboBox*)GetDlgItem(IDC_CC_WORDS_PER_MINUTE);
    const int nSel = pRates->GetCurSel();
    if (nSel >= 0)
        pRates->GetLBText(nSel, m_strWordsPerMinute);
    m_nWPMPacing = WordsPerMinutePacing((LPCSTR)m_strWordsPerMinute);
    SetModified(TRUE);
    StoreProfile();
}
