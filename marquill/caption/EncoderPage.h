// The second page of the Close Caption Setup sheet: a working copy of the encoder profiles.
// The user picks a profile by title, creates or deletes one, and edits its setup strings
// as byte numbers ("3;1;51;", decimal or hexadecimal), its line length, character pacing
// and words-per-minute rate. Applying hands the copy and the chosen title to the
// application's members the page was given.
#pragma once
#include "framework.h"

#include <string>

#include "EncoderProfile.h"

class CEncoderPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CEncoderPage)
public:
    // Dynamic creation only: a page made this way edits a map of its own.
    CEncoderPage();
    CEncoderPage(CEncoderProfileMap& appProfiles, std::string& appSelected);
    ~CEncoderPage() override;

    bool m_bNewProfile; // New was pressed; the profile is added once it has a title
    CComboBox m_TitleList;
    CEncoderProfileMap& m_AppProfiles;
    std::string& m_AppSelected;
    CEncoderProfileMap m_Profiles; // the working copy
    int m_nCharPacing; // 0..99
    int m_nWPMPacing; // no control of its own: follows the words-per-minute choice
    CString m_strBOL, m_strEOL, m_strInit, m_strReset; // byte-number texts
    CString m_strLineLength;
    CString m_strWordsPerMinute;
    int m_bDisplayHex;
    bool m_bOpened; // the page has been shown (its values are the shown profile's)

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    std::string BytesToText(const std::string& bytes) const;
    std::string TextToBytes(const CString& text) const;
    void CopyProfilesIn();
    void FillProfileCombo();
    void SelectProfile(const std::string& title);
    void ShowProfile();
    void StoreProfile();
    // False (after saying why) when the pending profile's title is refused.
    bool AddNewProfile();
    // False when a pending profile could not be added: the application keeps its maps.
    bool CommitProfiles();
    void ShowWordsPerMinute();

    void OnNewProfile();
    void OnDeleteProfile();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnDropdownTitle();
    void OnSelendokTitle();
    void OnChangeField();
    void OnSelchangeLineLength();
    void OnSelchangeWordsPerMinute();
    DECLARE_MESSAGE_MAP()

private:
    // The title list's edit field: read-only while browsing, editable for a new title.
    void SetTitleReadOnly(bool bReadOnly);
    CString SelectedTitle();

    CEncoderProfileMap m_ownProfiles; // the maps of a dynamically created page
    std::string m_ownSelected;
};
