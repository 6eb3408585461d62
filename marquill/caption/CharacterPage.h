// The third page of the Close Caption Setup sheet: the replacement of the 32 ASCII
// punctuation characters in caption output. A master switch "Use Replacements" and, per
// character, a check box (replace it) with a one-character edit field (its replacement).
// The page edits its own copy of the map and hands it over when the sheet is applied.
#pragma once
#include "framework.h"

#include "CaptionData.h"

class CCharacterPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CCharacterPage)
public:
    static const int kRows = 32;
    struct Row
    {
        char ch;
        int nCheckID;
        int nEditID;
    };
    // The rows in the page's order: "!" to ":" in the first column, ";" to "~" in the second.
    static const Row s_rows[kRows];

    // Dynamic creation only: a page made this way edits a map of its own.
    CCharacterPage();
    CCharacterPage(CCaptionCharMap& appMap, bool& appActive);
    ~CCharacterPage() override;

    CCaptionCharMap& m_AppMap;
    bool& m_bAppActive;
    CCaptionCharMap m_PageMap; // copied from the application's when the page is made
    int m_bUseReplacements;
    int m_RowChecks[kRows];
    CString m_RowTexts[kRows];

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    // Row check boxes follow the master switch; a row's edit field also its own check.
    void EnableRows();
    void StoreCharMap();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnUseReplacements();
    void OnCheckChar(UINT nID);
    void OnChangeCharEdit(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    static int RowOfControl(UINT nID);

    CCaptionCharMap m_ownMap; // the map of a dynamically created page
    bool m_bOwnActive = false;
};
