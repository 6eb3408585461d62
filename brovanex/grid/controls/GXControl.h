// CGXControl: the base of every cell control. A grid keeps one control per control id and
// shares it among all cells whose style names that id: the control draws and measures any
// cell statelessly and is bound to one cell at a time (the current cell) for editing.
// The base carries the binding, the editing notifications to the grid, numeric
// validation, clipboard rules for a cell without a window, choice-list searches, the
// child buttons with their mouse and key routing, the current-cell frame and the cell-tip
// hooks. Controls with a window derive from their window class first and from CGXStatic or
// CGXControl second, and override the window-related operations.
#pragma once
#include "core/GXDefs.h"
#include "core/GXStyle.h"
#include "fw/win.h"

class CGXGridCore;
class CGXChild;
class CGXControl;
class CGXStylesMap;
struct GXFindReplaceInfo;

// One static record per control class: its name and its base's record. IsKindOf compares
// records (or their names), so controls can recognise a neighbour kind without run-time
// classes.
struct CGXControlClassRecord
{
    LPCSTR m_lpszClassName;
    const CGXControlClassRecord* m_pBaseClass;
};

#define GX_CONTROL_CLASS(Class) (&Class::class##Class)
#define GX_DECLARE_CONTROL(Class)                                                                  \
public:                                                                                            \
    static const CGXControlClassRecord class##Class;                                               \
    const CGXControlClassRecord* GetControlClass() const override;
#define GX_IMPLEMENT_CONTROL(Class, Base)                                                          \
    const CGXControlClassRecord Class::class##Class = {#Class, &Base::class##Base};                \
    const CGXControlClassRecord* Class::GetControlClass() const { return &Class::class##Class; }

// The cell-tip object a control may carry. The tip kinds and windows come with the cell
// tips; without one a control needs no tip (kind 0x7FFFFFFF).
class CGXCellTipBase
{
public:
    virtual ~CGXCellTipBase() = default;
    virtual DWORD NeedsCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) = 0;
    virtual int GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) = 0;
    virtual void InitTipWnd(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CWnd* pTipWnd) = 0;
};
// Installed by the cell-tip code: makes a control's tip object.
extern CGXCellTipBase* (*GXCreateCellTipOf)(CGXControl* pControl);

// Mouse hit states the grid hands to the mouse operations.
#define GX_HITSTATE_INCELL 0x40 // the button went down in this cell and is still over it

class CGXControl
{
public:
    static const CGXControlClassRecord classCGXControl;

    explicit CGXControl(CGXGridCore* pGrid);
    virtual ~CGXControl();
    CGXControl(const CGXControl&) = delete;
    CGXControl& operator=(const CGXControl&) = delete;

    virtual const CGXControlClassRecord* GetControlClass() const;
    virtual CRuntimeClass* GetWndRuntimeClass();
    virtual CWnd* GetWnd();
    virtual void SetActive(BOOL bActive);
    virtual BOOL IsActive();
    virtual void SetModify(BOOL bModified);
    virtual BOOL GetModify();
    virtual void Init(ROWCOL nRow, ROWCOL nCol);
    virtual void Reset();
    virtual BOOL Store();
    virtual BOOL ValidateCellValue();
    virtual BOOL OnStartEditing();
    virtual BOOL NotifyModified();
    virtual BOOL QueryCancelEdit();
    virtual void OnCanceledEditing();
    virtual BOOL OnEndEditing();
    virtual BOOL NotifyCellLeft(ROWCOL nNewRow, ROWCOL nNewCol);
    virtual BOOL OnDeleteCell();
    // The cell's inner rectangle: borders and 3D frame off.
    virtual CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                              const CGXStyle* pStyle = nullptr);
    virtual CSize AddBorders(CSize size, const CGXStyle& style);
    virtual CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                  const CGXStyle* pStandardStyle, BOOL bHeight);
    virtual BOOL AllowsTextFloat(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                 BOOL bFloatOrFlood);
    virtual BOOL HasValue(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual void DrawCurrentCellFrame(CDC* pDC, const CRect& rect);
    virtual void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);
    virtual BOOL GetEditText(CString& strText);
    virtual void SetEditText(const CString& strText);
    virtual BOOL GetValue(CString& strValue);
    virtual void SetValue(LPCTSTR pszValue);
    // The display text of a value (the style's own value when pszValue is null).
    virtual BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                                   const CGXStyle& style);
    virtual BOOL WriteCellText(ROWCOL nRow, ROWCOL nCol, const CString& strText, UINT nFlags,
                               const CGXStyle* pOldStyle = nullptr);
    virtual BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                                  const CGXStyle& style);
    virtual BOOL WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                                UINT nFlags, const CGXStyle* pOldStyle);
    virtual BOOL GetCellValue(ROWCOL nRow, ROWCOL nCol, CString& strValue);
    virtual BOOL GetChoiceLine(CString& strResult, LPCTSTR pszChoiceList, int nIndex);
    virtual int FindChoiceLine(CString& strResult, LPCTSTR pszText, LPCTSTR pszChoiceList,
                               BOOL bExact);
    virtual void Hide();
    virtual BOOL Refresh();
    // Mouse operations take the grid's hit state (GX_HITSTATE_INCELL ...).
    virtual BOOL MouseMove(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL MouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL LButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL MButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL MButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL MButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL RButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL RButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0);
    virtual BOOL RButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, LRESULT& lResult);
    // Sees the messages the grid's window pre-translates while this control is active;
    // TRUE eats the message (it is neither translated nor dispatched).
    virtual BOOL PreTranslateCellMessage(MSG* pMsg);
    virtual BOOL RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL KeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL InsertTypedText(LPCTSTR pszText, UINT nRepCnt, UINT nFlags);
    virtual BOOL DeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL SysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL Copy();
    virtual BOOL Paste();
    virtual BOOL Cut();
    virtual BOOL CanCut();
    virtual BOOL CanPaste();
    virtual BOOL GetStyleText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CString& strText);
    virtual BOOL FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                          BOOL bSelect);
    virtual void ReplaceSel(LPCTSTR pszText);
    virtual BOOL ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL GetSelectedEditText(CString& strText);
    virtual void OnChildButtonClicked(CGXChild* pChild);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnScrollMessage(UINT nMessage);
    virtual BOOL OnScrollMessageExtra(UINT nMessage, WPARAM wParam, LPARAM lParam);
    virtual void OnSettingsChange(LPCTSTR pszSection);
    virtual void OnSystemColorsChange();
    virtual BOOL IsReadOnly();
    virtual void OnCancelMode();
    virtual DWORD NeedsCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual int GetCellTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual void InitCellTipWnd(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CWnd* pTipWnd);
    virtual BOOL ClickSelectsCoveredOrigin();
    virtual void AddChild(CGXChild* pChild);
    virtual CGXChild* GetChild(int nIndex);
    virtual int GetCount();
    virtual CGXChild* GetActiveChild();
    virtual void SetActiveChild(CGXChild* pChild);
    virtual void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect);
    virtual void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style,
                                BOOL bErase = FALSE);
    virtual void Draw3dFrame(CDC* pDC, const CRect& rect, const CGXStyle& style);
    virtual BOOL ValidateText(const CString& strText);
    virtual BOOL CanPasteText(const CString& strText);
    virtual void OnRejectedText(const CString& strText);
    virtual BOOL OnMarkEditHeaderKey(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);

    // Non-virtual operations.
    CGXGridCore* Grid() const { return m_pGrid; }
    BOOL IsInit() const { return m_bInit; }
    BOOL IsInitRowCol(ROWCOL nRow, ROWCOL nCol) const
    {
        return m_bInit && m_nRow == nRow && m_nCol == nCol;
    }
    ROWCOL GetRow() const { return m_nRow; }
    ROWCOL GetCol() const { return m_nCol; }
    BOOL IsKindOf(const CGXControlClassRecord* pClass) const;
    BOOL IsWindowKindOf(CRuntimeClass* pClass);
    // The cached style of the bound cell (loaded from the grid when none is cached).
    CGXStyle* LoadStyle();
    // Drops the cached style; with bNotify the grid's cached composed style of the cell too.
    void FreeStyle(BOOL bNotify = FALSE);
    // Selects the style's font unless it is the standard style's; the old font or null.
    CFont* LoadFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pStandardStyle);
    void ImplementCellTips();
    void AddExcludedRect(const CRect& rect);
    void ForwardKillFocus(CWnd* pNewWnd);

    // The user attributes the base registers (validation minimum, maximum, message).
    static void AddUserAttributes(CGXStylesMap* pStylesMap);

protected:
    // The cell is the current cell, the grid is not printing and the focus is in the grid
    // window or one of its children.
    BOOL DrawsActiveChildren(ROWCOL nRow, ROWCOL nCol);
    // Invalidates a cell of the grid (the spanned rectangle when bCovered).
    void InvalidateCell(ROWCOL nRow, ROWCOL nCol, BOOL bCovered = FALSE);
    // Places the children for the bound cell before routing the mouse to them.
    void PlaceChildrenForBoundCell();
    // Mouse routing shared by the three buttons.
    BOOL RouteButtonDown(int nButton, UINT nFlags, CPoint point);
    BOOL RouteButtonUp(int nButton, UINT nFlags, CPoint point);
    BOOL RouteButtonDblClk(int nButton, UINT nFlags, CPoint point);
    // A cell drawn as not active: the control's live window, shown over the bound cell, is
    // hidden (not while printing).
    void HideWindowOfInactiveCell(ROWCOL nRow, ROWCOL nCol);
    // A character typed into an edited cell: a printable one goes in as typed text, a
    // control character takes the base control's way.
    BOOL CharAsTypedText(UINT nChar, UINT nRepCnt, UINT nFlags);

    DWORD m_dwFlags;
    CGXGridCore* m_pGrid;
    ROWCOL m_nRow, m_nCol;
    CGXStyle* m_pStyle; // the bound cell's style, owned, loaded lazily
    BOOL m_bInit;
    CPtrList* m_pChildList; // CGXChild*, owned; null until the first AddChild
    CGXChild* m_pActiveChild;
    BOOL m_bLeadByte;
    char m_cLeadByte;
    CGXCellTipBase* m_pCellTip; // owned
};
