// CSpellCheckDlg: the engine's correction dialog for one questioned word. It shows the word,
// the suggestions closest first and an editable replacement (the closest suggestion to begin
// with). Its modal run returns IDOK (change to m_strChangeTo), IDC_SPELL_IGNORE,
// IDC_SPELL_ADD (add the word to the session's words) or IDCANCEL.
#pragma once
#include "fw/dialog.h"

#include <string>
#include <vector>

class CSpellCheckDlg : public CDialog
{
public:
    CSpellCheckDlg(const std::string& word, std::vector<std::string> suggestions, CWnd* parent);
    // Runs the dialog from the engine library's own template.
    INT_PTR Run();

    CString m_strChangeTo; // the replacement chosen

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSuggestionChosen();
    afx_msg void OnSuggestionTwice();
    afx_msg void OnIgnore();
    afx_msg void OnAdd();
    DECLARE_MESSAGE_MAP()

private:
    std::string m_word;
    std::vector<std::string> m_suggestions;
};
