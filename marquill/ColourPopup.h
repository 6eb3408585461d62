// The palette under a colour picker: 40 named colours in 8 columns and a custom cell that
// opens the colour dialog. Mouse and keys move the hot cell; Enter or a click inside ends
// with the hot colour, Escape or a click outside with the colour it opened on. It tells the
// picker that owns it through the picker notifications and deletes itself when it closes.
#pragma once
#include "framework.h"

// Notifications of a colour picker: to the picker's parent with WPARAM the colour and
// LPARAM the picker's id, and from the popup to its picker with WPARAM the colour.
#define CPN_SELCHANGE 0x7E9
#define CPN_DROPDOWN 0x7EA
#define CPN_CLOSEUP 0x7EB
#define CPN_SELENDOK 0x7EC
#define CPN_SELENDCANCEL 0x7ED

struct ColourTableEntry
{
    COLORREF crColour;
    const char* szName;
};

class CColourPopup : public CWnd
{
public:
    static const int kColours = 40;
    static const int kColumns = 8;
    static const ColourTableEntry s_colours[kColours];

    // Opens at point (screen coordinates) on crColour, owned by pParentWnd (the picker).
    CColourPopup(CPoint point, COLORREF crColour, CWnd* pParentWnd, LPCSTR szCustomText = nullptr);
    ~CColourPopup() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The cell a point of the client area falls in: (-2, -2) the custom cell, (-1, -1) none.
    void HitTest(CPoint point, int& row, int& column) const;
    CRect CellRect(int row, int column) const;
    int Rows() const { return m_nRows; }
    COLORREF ChosenColour() const { return m_crChosen; }
    // The hot cell (-1, -1 none; -2, -2 the custom cell).
    int HotRow() const { return m_nHotRow; }
    int HotColumn() const { return m_nHotColumn; }

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnPaint();
    void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    BOOL Create(CPoint point);
    void SetWindowSize(CPoint point);
    void CreateToolTips();
    void ChangeHot(int row, int column);
    void DrawCell(CDC* pDC, int row, int column);
    void EndSelection(int nMessage);
    COLORREF HotColour() const;

    int m_nRows;
    int m_nCellSize;
    int m_nMargin;
    int m_nHotRow, m_nHotColumn;
    COLORREF m_crInitial, m_crChosen;
    bool m_bCustom;
    CString m_strCustomText;
    CRect m_rectCustom;
    CRect m_rectWindow;
    CFont m_font;
    CToolTipCtrl m_toolTips;
    CWnd* m_pPicker;
    bool m_bEnded;
};
