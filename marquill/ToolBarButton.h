// Button objects of the customisable toolbar: a button that drops a menu down from its
// arrow (CToolBarButton), or that carries a child control in its place: an edit, a combo
// box or a progress bar. They are archived with the toolbar's drag items and saved state.
#pragma once
#include "framework.h"

class CToolBarButton : public CObject
{
    DECLARE_SERIAL(CToolBarButton)
public:
    CToolBarButton();
    ~CToolBarButton() override;

    // Archive: command, index, the two reserved ints, style (4 bytes each); text;
    // rectangle (left, top, right, bottom); menu id; extra.
    void Serialize(CArchive& ar) override;

    virtual BOOL HasWindow() const { return FALSE; }
    virtual CWnd* GetControl() { return nullptr; }
    virtual void Enable(BOOL bEnable);
    // Puts the button on the toolbar: a drop-down arrow for a menu button, the control
    // for the others. FALSE when it cannot.
    virtual BOOL AttachToToolBar(CToolBar* pToolBar);
    virtual void SetText(LPCSTR lpszText);
    // The toolbar's TBN_DROPDOWN: the menu drops down under the button. TRUE: handled.
    virtual BOOL OnDropDown(CToolBar* pToolBar, NMTOOLBARA* pNMToolBar, LRESULT* pResult);
    virtual void SaveStateFromToolBar(CToolBar* pToolBar);
    // Fits the control to the button's place on the toolbar.
    virtual void PlaceControl(CToolBar* pToolBar);

    int m_nCommand; // 0: none
    int m_nIndex; // on the toolbar; negative: not known yet
    int m_nReserved1;
    int m_nReserved2;
    int m_nStyle; // the toolbar button's style word
    int m_nMenuID; // low word: a menu whose first popup drops down; 0: none
    CString m_strText;
    CRect m_rect; // the button's item rectangle on the toolbar
    int m_nExtra;

protected:
    // The button's index on the toolbar, looked up by command; a command the toolbar
    // lacks is appended first (no image, the saved style). -1 when that fails.
    int FindOrAppend(CToolBar* pToolBar);
    // Makes the button a separator of the saved width (room for a control) and reads
    // its item rectangle.
    CRect MakeRoom(CToolBar* pToolBar, int nIndex);
    // Creates the control in rect with the toolbar as parent (edit, combo, progress).
    virtual BOOL CreateControl(CToolBar* pToolBar, const CRect& rect);
    // The attach-to-toolbar of the buttons with a control: the place, then the control.
    BOOL AttachControl(CToolBar* pToolBar);
};

class CToolBarEditButton : public CToolBarButton
{
    DECLARE_SERIAL(CToolBarEditButton)
public:
    CToolBarEditButton();
    ~CToolBarEditButton() override;
    void Serialize(CArchive& ar) override;

    BOOL HasWindow() const override { return m_wndEdit.m_hWnd != nullptr; }
    CWnd* GetControl() override { return HasWindow() ? &m_wndEdit : nullptr; }
    BOOL AttachToToolBar(CToolBar* pToolBar) override;

    CEdit m_wndEdit;
    int m_nExtraStyle;
    int m_nHeight;

protected:
    BOOL CreateControl(CToolBar* pToolBar, const CRect& rect) override;
};

class CToolBarComboBoxButton : public CToolBarButton
{
    DECLARE_SERIAL(CToolBarComboBoxButton)
public:
    CToolBarComboBoxButton();
    ~CToolBarComboBoxButton() override;
    void Serialize(CArchive& ar) override;

    BOOL HasWindow() const override { return m_wndCombo.m_hWnd != nullptr; }
    CWnd* GetControl() override { return HasWindow() ? &m_wndCombo : nullptr; }
    BOOL AttachToToolBar(CToolBar* pToolBar) override;
    void SaveStateFromToolBar(CToolBar* pToolBar) override;
    void PlaceControl(CToolBar* pToolBar) override;

    CComboBox m_wndCombo;
    int m_nExtraStyle;
    int m_nDropHeight;
    CStringArray m_items;
    int m_nSelected;

protected:
    BOOL CreateControl(CToolBar* pToolBar, const CRect& rect) override;
};

class CToolBarProgressButton : public CToolBarButton
{
    DECLARE_SERIAL(CToolBarProgressButton)
public:
    CToolBarProgressButton();
    ~CToolBarProgressButton() override;
    void Serialize(CArchive& ar) override;

    BOOL HasWindow() const override { return m_wndProgress.m_hWnd != nullptr; }
    CWnd* GetControl() override { return HasWindow() ? &m_wndProgress : nullptr; }
    BOOL AttachToToolBar(CToolBar* pToolBar) override;

    CProgressCtrl m_wndProgress;
    int m_nExtraStyle;
    int m_nLower;
    int m_nUpper;
    int m_nPos;

protected:
    BOOL CreateControl(CToolBar* pToolBar, const CRect& rect) override;
};
