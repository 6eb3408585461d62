// A push button that shows a colour beside a drop-down arrow; a click opens the palette
// (CColourPopup) below it. The parent hears every step through the picker notifications
// (ColourPopup.h): drop-down, selection change, close-up, end OK and end cancel.
#pragma once
#include "ColourPopup.h"

class CColourPicker : public CButton
{
public:
    CColourPicker();
    ~CColourPicker() override;

    COLORREF GetColour() const { return m_crColour; }
    void SetColour(COLORREF crColour);
    // While on, hovering in the palette recolours the button (off by default).
    void SetTrackSelection(BOOL bTracking = TRUE) { m_bTrackSelection = bTracking != FALSE; }
    BOOL GetTrackSelection() const { return m_bTrackSelection; }
    // The palette while it is open, else null.
    CColourPopup* GetPopup() const { return m_pPopup; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnClicked();
    LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetWindowSize();
    void Notify(UINT nMessage, COLORREF crColour);

    COLORREF m_crColour;
    bool m_bTrackSelection;
    CRect m_ArrowRect;
    CColourPopup* m_pPopup;
};
