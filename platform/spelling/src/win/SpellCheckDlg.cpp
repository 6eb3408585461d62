#include "SpellCheckDlg.h"

#include "spelling/SpellCheckDlgIds.h"

extern HINSTANCE g_hSpellingModule;

BEGIN_MESSAGE_MAP(CSpellCheckDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_SPELL_SUGGESTIONS, &CSpellCheckDlg::OnSuggestionChosen)
    ON_LBN_DBLCLK(IDC_SPELL_SUGGESTIONS, &CSpellCheckDlg::OnSuggestionTwice)
    ON_BN_CLICKED(IDC_SPELL_IGNORE, &CSpellCheckDlg::OnIgnore)
    ON_BN_CLICKED(IDC_SPELL_ADD, &CSpellCheckDlg::OnAdd)
END_MESSAGE_MAP()

CSpellCheckDlg::CSpellCheckDlg(const std::string& word, std::vector<std::string> suggestions,
                               CWnd* parent)
    : m_word(word), m_suggestions(std::move(suggestions))
{
    m_pParentWnd = parent;
    // An OK given unseen changes the word to the closest suggestion; with none, it stays.
    m_strChangeTo = (m_suggestions.empty() ? m_word : m_suggestions.front()).c_str();
}

INT_PTR CSpellCheckDlg::Run()
{
    // The template is looked up in this library itself: the program's own dialogs may use
    // the same numbers.
    HRSRC found = ::FindResourceA(g_hSpellingModule, MAKEINTRESOURCEA(IDD_SPELL_CHECK),
                                  reinterpret_cast<LPCSTR>(RT_DIALOG));
    HGLOBAL loaded = found ? ::LoadResource(g_hSpellingModule, found) : nullptr;
    const void* dialogTemplate = loaded ? ::LockResource(loaded) : nullptr;
    if (!dialogTemplate ||
        !InitModalIndirect(static_cast<LPCDLGTEMPLATE>(dialogTemplate), m_pParentWnd))
        return -1;
    return DoModal();
}

BOOL CSpellCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_SPELL_WORD, m_word.c_str());
    SetDlgItemText(IDC_SPELL_CHANGE_TO, m_strChangeTo);
    for (const std::string& s : m_suggestions)
        SendDlgItemMessage(IDC_SPELL_SUGGESTIONS, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(s.c_str()));
    if (!m_suggestions.empty())
        SendDlgItemMessage(IDC_SPELL_SUGGESTIONS, LB_SETCURSEL, 0);
    return TRUE;
}

void CSpellCheckDlg::OnSuggestionChosen()
{
    const int index = static_cast<int>(SendDlgItemMessage(IDC_SPELL_SUGGESTIONS, LB_GETCURSEL));
    if (index >= 0 && static_cast<size_t>(index) < m_suggestions.size())
        SetDlgItemText(IDC_SPELL_CHANGE_TO, m_suggestions[static_cast<size_t>(index)].c_str());
}

void CSpellCheckDlg::OnSuggestionTwice()
{
    OnSuggestionChosen();
    OnOK();
}

void CSpellCheckDlg::OnOK()
{
    GetDlgItemText(IDC_SPELL_CHANGE_TO, m_strChangeTo);
    EndDialog(IDOK);
}

void CSpellCheckDlg::OnIgnore() { EndDialog(IDC_SPELL_IGNORE); }

void CSpellCheckDlg::OnAdd() { EndDialog(IDC_SPELL_ADD); }
