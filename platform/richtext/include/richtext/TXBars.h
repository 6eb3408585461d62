// The rich-text control's bars: the button bar (font face and size boxes, bold, italic and
// underline, the paragraphs' alignment) and the status bar (page, line and column of the caret). A text control
// connected to them (CTXTextControl::ConnectToolBar) shows its caret's format and position
// there, and the button bar's choices format the control's selection.
#pragma once
#include "framework.h"
#include "fw/statusbar.h"
#include "fw/toolbar.h"
#include "richtext/RichDocument.h"

class CTXTextControl;

class CTXButtonBar : public CToolBar
{
    DECLARE_DYNAMIC(CTXButtonBar)
public:
    CTXButtonBar();
    ~CTXButtonBar() override;

    // The bar with a font box fontBoxWidth pixels wide, a size box and the style buttons.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID, int fontBoxWidth = 160);

    // The control whose selection the bar formats, and the format its caret has.
    void SetControl(CTXTextControl* control) { m_pControl = control; }
    CTXTextControl* GetControl() const { return m_pControl; }
    void ShowFormat(const CRichCharFormat& format);

    // What the boxes show, and choosing in them as the user does.
    CString GetFaceText() const;
    CString GetSizeText() const;
    void ChooseFace(LPCSTR face);
    void ChooseSize(int points);

    CComboBox m_wndFace;
    CComboBox m_wndSize;

protected:
    void Apply(bool face);
    afx_msg void OnFaceChosen();
    afx_msg void OnSizeChosen();
    DECLARE_MESSAGE_MAP()

    CTXTextControl* m_pControl;
    CRichCharFormat m_shown;
    CFont m_font;
};

class CTXStatusBar : public CStatusBar
{
    DECLARE_DYNAMIC(CTXStatusBar)
public:
    // The message pane (the frame's prompts), then one pane per part of format (newline-
    // separated, each with one number: "Page: %4u"), then keyboard indicators up to panes.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID, int panes, LPCSTR format,
                CFont* font = nullptr);
    void ShowPosition(unsigned page, unsigned long line, unsigned column);

protected:
    std::vector<CString> m_formats;
};

// The button bar's command ids (the style buttons' commands go to the active view).
#define ID_TX_FONTFACE 32807
#define ID_TX_FONTSIZE 32809
#define ID_TX_BOLD 32811
#define ID_TX_ITALIC 32813
#define ID_TX_UNDERLINE 32815
#define ID_TX_ALIGN_LEFT 32817
#define ID_TX_ALIGN_CENTER 32819
#define ID_TX_ALIGN_RIGHT 32821
#define ID_TX_ALIGN_JUSTIFY 32823
