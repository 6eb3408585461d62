// The core reaches the factory and the cell controls only through these functions. The
// control classes live in controls/; a build without them (the window-free parts of the
// core, or before the controls exist) has no controls: the grid then draws backgrounds,
// borders and lines only.
#include "core/GXGridCoreControls.h"
#include "core/GXGridCore.h"
#include "core/GXLibraryState.h"
#include "core/GXStylesMap.h"

#if __has_include("controls/GXControl.h") && __has_include("controls/GXControlFactory.h")
#include "controls/GXControl.h"
#include "controls/GXControlFactory.h"
#define GX_HAVE_CONTROLS 1
#else
#define GX_HAVE_CONTROLS 0
#endif

#if GX_HAVE_CONTROLS

void GXInstallGridFeaturesOf(CGXGridCore* pGrid)
{
    if (CGXControlFactory* pFactory = GXGetLibraryState().m_pControlFactory)
        pFactory->InstallGridFeatures(pGrid);
}

void GXRegisterFactoryControls(CGXStylesMap* pStylesMap)
{
    if (CGXControlFactory* pFactory = GXGetLibraryState().m_pControlFactory) {
        pFactory->RegisterControlIds(pStylesMap);
        pFactory->RegisterControlAttributes(pStylesMap);
    }
}

CGXControl* GXCreateCellControl(WORD nId, CGXGridCore* pGrid)
{
    CGXControlFactory* pFactory = GXGetLibraryState().m_pControlFactory;
    return pFactory != nullptr ? pFactory->CreateCellControl(nId, pGrid) : nullptr;
}

void GXDeleteCellControl(CGXControl* pControl) { delete pControl; }

void GXControlDraw(CGXControl* pControl, CDC* pDC, const RECT& rect, ROWCOL nRow, ROWCOL nCol,
                   const CGXStyle& style, const CGXStyle* pStandard)
{
    pControl->Draw(pDC, CRect(rect), nRow, nCol, style, pStandard);
}

BOOL GXControlIsActive(CGXControl* pControl) { return pControl != nullptr && pControl->IsActive(); }
void GXControlInit(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol) { pControl->Init(nRow, nCol); }
BOOL GXControlStore(CGXControl* pControl) { return pControl->Store(); }
void GXControlHide(CGXControl* pControl) { pControl->Hide(); }
void GXControlReset(CGXControl* pControl) { pControl->Reset(); }
BOOL GXControlRefresh(CGXControl* pControl) { return pControl->Refresh(); }
BOOL GXControlValidate(CGXControl* pControl) { return pControl->ValidateCellValue(); }

BOOL GXControlGetModify(CGXControl* pControl) { return pControl->GetModify(); }
void GXControlSetModify(CGXControl* pControl, BOOL bModified) { pControl->SetModify(bModified); }
void GXControlSetActive(CGXControl* pControl, BOOL bActive) { pControl->SetActive(bActive); }
BOOL GXControlGetEditText(CGXControl* pControl, CString& strText)
{
    return pControl->GetEditText(strText);
}
void GXControlSetEditText(CGXControl* pControl, const CString& strText)
{
    pControl->SetEditText(strText);
}
BOOL GXControlEndEditing(CGXControl* pControl) { return pControl->OnEndEditing(); }
CWnd* GXControlWindow(CGXControl* pControl) { return pControl->GetWnd(); }
BOOL GXControlStartEditing(CGXControl* pControl) { return pControl->OnStartEditing(); }
BOOL GXControlCellLeft(CGXControl* pControl, ROWCOL nNewRow, ROWCOL nNewCol)
{
    return pControl->NotifyCellLeft(nNewRow, nNewCol);
}

BOOL GXControlWriteCellText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText,
                            UINT nFlags, const CGXStyle* pOldStyle)
{
    return pControl->WriteCellText(nRow, nCol, CString(pszText), nFlags, pOldStyle);
}

BOOL GXControlWriteCellStyle(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                             GXModifyType mt, UINT nFlags, const CGXStyle* pOldStyle)
{
    return pControl->WriteCellStyle(nRow, nCol, pStyle, mt, nFlags, pOldStyle);
}

void GXControlScrollMessage(CGXControl* pControl, UINT nMessage)
{
    if (pControl != nullptr)
        pControl->OnScrollMessage(nMessage);
}

#else

void GXInstallGridFeaturesOf(CGXGridCore*) { }
void GXRegisterFactoryControls(CGXStylesMap*) { }
CGXControl* GXCreateCellControl(WORD, CGXGridCore*) { return nullptr; }
void GXDeleteCellControl(CGXControl*) { }
void GXControlDraw(CGXControl*, CDC*, const RECT&, ROWCOL, ROWCOL, const CGXStyle&, const CGXStyle*)
{ }
BOOL GXControlIsActive(CGXControl*) { return FALSE; }
void GXControlInit(CGXControl*, ROWCOL, ROWCOL) { }
BOOL GXControlStore(CGXControl*) { return FALSE; }
void GXControlHide(CGXControl*) { }
void GXControlReset(CGXControl*) { }
BOOL GXControlRefresh(CGXControl*) { return FALSE; }
BOOL GXControlValidate(CGXControl*) { return TRUE; }
BOOL GXControlWriteCellText(CGXControl*, ROWCOL, ROWCOL, LPCTSTR, UINT, const CGXStyle*)
{
    return FALSE;
}
BOOL GXControlWriteCellStyle(CGXControl*, ROWCOL, ROWCOL, const CGXStyle*, GXModifyType, UINT,
                             const CGXStyle*)
{
    return FALSE;
}

void GXControlScrollMessage(CGXControl*, UINT) { }
BOOL GXControlGetModify(CGXControl*) { return FALSE; }
void GXControlSetModify(CGXControl*, BOOL) { }
void GXControlSetActive(CGXControl*, BOOL) { }
BOOL GXControlGetEditText(CGXControl*, CString& strText)
{
    strText.Empty();
    return FALSE;
}
void GXControlSetEditText(CGXControl*, const CString&) { }
BOOL GXControlEndEditing(CGXControl*) { return TRUE; }
CWnd* GXControlWindow(CGXControl*) { return nullptr; }
BOOL GXControlStartEditing(CGXControl*) { return FALSE; }
BOOL GXControlCellLeft(CGXControl*, ROWCOL, ROWCOL) { return TRUE; }

#endif
