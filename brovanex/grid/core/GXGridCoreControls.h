// The core's calls into the control factory and the cell controls, kept in one place.
#pragma once
#include "core/GXDefs.h"

class CGXGridCore;
class CGXControl;
class CGXStyle;
class CGXStylesMap;
class CDC;
class CWnd;

// The factory's per-grid features, control names and attributes, and controls.
void GXInstallGridFeaturesOf(CGXGridCore* pGrid);
void GXRegisterFactoryControls(CGXStylesMap* pStylesMap);
CGXControl* GXCreateCellControl(WORD nId, CGXGridCore* pGrid);

// The operations of a cell control the core uses.
void GXDeleteCellControl(CGXControl* pControl);
void GXControlDraw(CGXControl* pControl, CDC* pDC, const RECT& rect, ROWCOL nRow, ROWCOL nCol,
                   const CGXStyle& style, const CGXStyle* pStandard);
BOOL GXControlIsActive(CGXControl* pControl);
void GXControlInit(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol);
BOOL GXControlStore(CGXControl* pControl);
void GXControlHide(CGXControl* pControl);
void GXControlReset(CGXControl* pControl);
BOOL GXControlRefresh(CGXControl* pControl);
BOOL GXControlValidate(CGXControl* pControl);
BOOL GXControlWriteCellText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText,
                            UINT nFlags, const CGXStyle* pOldStyle);
BOOL GXControlWriteCellStyle(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                             GXModifyType mt, UINT nFlags, const CGXStyle* pOldStyle);
BOOL GXControlGetModify(CGXControl* pControl);
void GXControlSetModify(CGXControl* pControl, BOOL bModified);
void GXControlSetActive(CGXControl* pControl, BOOL bActive);
BOOL GXControlGetEditText(CGXControl* pControl, CString& strText);
void GXControlSetEditText(CGXControl* pControl, const CString& strText);
BOOL GXControlEndEditing(CGXControl* pControl);
BOOL GXControlStartEditing(CGXControl* pControl);
BOOL GXControlCellLeft(CGXControl* pControl, ROWCOL nNewRow, ROWCOL nNewCol);
// The window a control lays over its cell while it is active (null: none).
CWnd* GXControlWindow(CGXControl* pControl);
// The current cell's control hears of a scroll (WM_VSCROLL or WM_HSCROLL) before it happens.
void GXControlScrollMessage(CGXControl* pControl, UINT nMessage);
