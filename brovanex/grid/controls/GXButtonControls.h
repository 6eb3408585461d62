// The window-less button cells: push buttons, radio-button groups and check boxes, each in
// a plain and an "Ex" variant that edits a cached value until the cell is stored.
#pragma once
#include "controls/GXControl.h"

class CGXButton;

class CGXPushbutton : public CGXControl
{
    GX_DECLARE_CONTROL(CGXPushbutton)
public:
    explicit CGXPushbutton(CGXGridCore* pGrid);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    void DrawCurrentCellFrame(CDC* pDC, const CRect& rect) override;

    CGXButton* GetButton() const { return m_pButton; }

protected:
    CGXButton* m_pButton; // owned through the child list
};

class CGXRadioButton : public CGXControl
{
    GX_DECLARE_CONTROL(CGXRadioButton)
public:
    CGXRadioButton(CGXGridCore* pGrid, BOOL bDraw3dFrame);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;

    // The choices of a style's choice list (empty lines skipped).
    static void GetChoices(const CGXStyle& style, CStringArray& choices);
    // The rectangle of choice n's button in a cell's inner rectangle (the style's font
    // selected into pDC); its text follows at the button's left + 15.
    virtual CRect GetButtonRect(CDC* pDC, const CRect& rectInner, const CGXStyle& style, int n);
    // The choice under a point (button or text), -1 for none.
    int HitChoice(CDC* pDC, const CRect& rectInner, const CGXStyle& style, CPoint point);
    int GetChoiceCount() const { return m_nChoices; }

protected:
    virtual BOOL IsHorizontal(const CGXStyle&) { return FALSE; }
    // Selects the choice: the plain control writes the cell, the Ex control its cache.
    virtual void SelectChoice(int nChoice);
    int CurrentIndex();
    int RowHeight(CDC* pDC);

    BOOL m_bDraw3dFrame;
    int m_nChoices; // found at the last drawing
};

// What the "Ex" button cells share: they edit a cached value. A change starts editing and
// writes the value into the loaded style, so the cell shows it; Delete empties it; Store
// writes it into the cell and ends the editing.
template<class TBase>
class CGXCachedValueEditing : public TBase
{
public:
    using TBase::TBase;

    void SetActive(BOOL bActive) override { m_bActive = bActive; }
    BOOL IsActive() override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() override { return m_bModified; }
    BOOL Store() override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

protected:
    void WriteCachedValue(LPCTSTR pszValue);

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
};

class CGXRadioButtonEx : public CGXCachedValueEditing<CGXRadioButton>
{
    GX_DECLARE_CONTROL(CGXRadioButtonEx)
public:
    CGXRadioButtonEx(CGXGridCore* pGrid, BOOL bDraw3dFrame);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CRect GetButtonRect(CDC* pDC, const CRect& rectInner, const CGXStyle& style, int n) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

    static void AddUserAttributes(CGXStylesMap* pStylesMap);

protected:
    BOOL IsHorizontal(const CGXStyle& style) override;
    void SelectChoice(int nChoice) override;

    CStringArray m_texts; // the choice texts of the last layout
};

// Check box state bits (GetState).
#define GX_CHECK_CURRENT 1
#define GX_CHECK_GREY 2
#define GX_CHECK_CHECKED 4
#define GX_CHECK_UNCHECKED 8

class CGXCheckBox : public CGXControl
{
    GX_DECLARE_CONTROL(CGXCheckBox)
public:
    CGXCheckBox(CGXGridCore* pGrid, BOOL bDraw3dFrame = FALSE, UINT nBitmapResourceId = 0,
                UINT nPrintResourceId = 0);
    ~CGXCheckBox() override;

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL MouseMove(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChildButtonClicked(CGXChild* pChild) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    void OnCancelMode() override;
    void OnSystemColorsChange() override;

    virtual int GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual void DrawCheckBox(CDC* pDC, const CRect& rect, int nState, UINT nAlign,
                              LPCTSTR pszLabel);
    virtual CRect ComputeCheckBoxRect(CDC* pDC, const CRect& rect, LPCTSTR pszLabel, UINT nAlign);
    virtual COLORREF MapImageColor(COLORREF cr, BOOL bPrint);
    virtual void LoadImages();

    static void AddUserAttributes(CGXStylesMap* pStylesMap);
    // The value a style's cell shows checked and unchecked ("1" and "0" by default).
    static CString CheckedValue(const CGXStyle& style);
    static CString UncheckedValue(const CGXStyle& style);
    BOOL IsPressed() const { return m_bPressed; }

protected:
    // The value the next toggle writes, from the current one.
    CString NextValue(const CString& strValue, const CGXStyle& style);
    virtual void WriteToggledValue(const CString& strValue);
    CRect BoxRectOfBoundCell();
    void FreeImages();

    BOOL m_bDraw3dFrame;
    HGLOBAL m_hImage, m_hPrintImage;
    UINT m_nImageId, m_nPrintImageId;
    int m_nBoxSize;
    BOOL m_bPressed;
    CRect m_rectBox;
};

class CGXCheckBoxEx : public CGXCachedValueEditing<CGXCheckBox>
{
    GX_DECLARE_CONTROL(CGXCheckBoxEx)
public:
    CGXCheckBoxEx(CGXGridCore* pGrid, BOOL bDraw3dFrame = FALSE, UINT nBitmapResourceId = 0,
                  UINT nPrintResourceId = 0);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

protected:
    void WriteToggledValue(const CString& strValue) override;
};
