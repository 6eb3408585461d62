// The bookmarks dialog: the script's targets in a combo box, with Add, Delete and Go To.
#pragma once
#include "framework.h"

class CMyTXWordsView;

// The dialog's combo box: notes that the user typed a name or chose an entry, and enables
// Go To and Delete only while an entry (not typed text) is chosen.
class CBookmarkComboCox : public CComboBox
{
public:
    bool m_bChanged = false; // the user typed or chose something (never cleared)

protected:
    afx_msg void OnEditUpdate();
    afx_msg void OnSelChange();
    void EnableEntryButtons(BOOL enable);
    DECLARE_MESSAGE_MAP()
};

class CSetBookmark : public CDialog
{
public:
    // A name holds at most this many characters (the dialog's buffer with its terminator).
    static constexpr int kMaxNameLength = 99;

    explicit CSetBookmark(CMyTXWordsView* view, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnOK() override;
    void FillList();

    afx_msg void OnAdd();
    afx_msg void OnDelete();
    afx_msg void OnGoTo();

    CMyTXWordsView* m_pView;
    CBookmarkComboCox m_combo;
    long m_nSavedCaret;
    long m_nSavedAnchor;

protected:
    void RestoreView(bool restoreSelection);
    DECLARE_MESSAGE_MAP()
};
