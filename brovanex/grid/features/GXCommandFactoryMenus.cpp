// CGXCommandFactory: the Undo and Redo menu items and the styles of rows and columns saved
// before they are removed.
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "core/GXResourceString.h"
#include "core/GXStyle.h"
#include "features/GXCommandFactory.h"
#include "fw/menu.h"
#include "fw/msgbox.h"

namespace {
// The item's format, built once: the text after the second newline of the command's string
// resource, else the menu item's own text, else the fallback.
void EnsureMenuFormat(CString& strFormat, CCmdUI* pCmdUI, LPCTSTR pszFallback)
{
    if (!strFormat.IsEmpty())
        return;
    CString strRes;
    if (strRes.LoadString(pCmdUI->m_nID)) {
        const int n1 = strRes.Find('\n');
        const int n2 = n1 >= 0 ? strRes.Find('\n', n1 + 1) : -1;
        if (n2 >= 0)
            strFormat = strRes.Mid(n2 + 1);
    }
    if (strFormat.IsEmpty()) {
        char sz[256] = {};
        pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nID, sz, 255, MF_BYCOMMAND);
        strFormat = sz;
    }
    if (strFormat.IsEmpty())
        strFormat = pszFallback;
}

CString FormatMenuText(const CString& strFormat, LPCTSTR pszArg)
{
    CString s(strFormat);
    s.Replace("%1", pszArg);
    return s;
}

LPCTSTR HeadName(CObList& list)
{
    if (list.IsEmpty())
        return "";
    return static_cast<CGXCommand*>(list.GetHead())->GetName();
}

BOOL EditInProgress(CGXGridCore* pGrid)
{
    ROWCOL nRow = 0, nCol = 0;
    if (!pGrid->GetCurrentCell(nRow, nCol) || !pGrid->IsActiveCurrentCell())
        return FALSE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != nullptr && pControl->GetModify();
}
} // namespace

BOOL CGXCommandFactory::UpdateUndoMenu(CGXGridCore* pGrid, CCmdUI* pCmdUI)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr) {
        pCmdUI->Enable(FALSE);
        return FALSE;
    }
    const BOOL bEditing = EditInProgress(pGrid);
    const BOOL bEnable = bEditing || !pParam->m_undoList.IsEmpty();
    if (pCmdUI->m_pMenu != nullptr) {
        EnsureMenuFormat(m_strUndoMenuFormat, pCmdUI, "Undo %1");
        LPCTSTR pszArg =
            bEditing ? (LPCTSTR)pGrid->m_pLibState->m_astrTexts[26] : HeadName(pParam->m_undoList);
        pCmdUI->SetText(FormatMenuText(m_strUndoMenuFormat, pszArg));
    }
    pCmdUI->Enable(bEnable);
    return bEnable;
}

BOOL CGXCommandFactory::UpdateRedoMenu(CGXGridCore* pGrid, CCmdUI* pCmdUI)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr) {
        pCmdUI->Enable(FALSE);
        return FALSE;
    }
    const BOOL bEnable = !pParam->m_redoList.IsEmpty();
    if (pCmdUI->m_pMenu != nullptr) {
        EnsureMenuFormat(m_strRedoMenuFormat, pCmdUI, "Redo %1");
        pCmdUI->SetText(FormatMenuText(m_strRedoMenuFormat, HeadName(pParam->m_redoList)));
    }
    pCmdUI->Enable(bEnable);
    return bEnable;
}

namespace {
// The user decides about a block too large to save: OK removes it without undo, Cancel
// keeps it.
BOOL AskRemoveUnsaved()
{
    CString strMsg;
    GXLoadString(20082, strMsg);
    return AfxMessageBox(strMsg, MB_OKCANCEL) != IDCANCEL;
}

void DeleteSaved(CObArray*& pCells, CObArray*& pLines)
{
    GXDeleteStyleArray(pCells);
    GXDeleteStyleArray(pLines);
    pCells = pLines = nullptr;
}

// Reads the stored styles of rows x cols cells (cell(r, c) gives the grid coordinates) and
// of one line per row (bRowsFirst) or column; shared by the row and the column case.
template<class CellOf, class LineOf>
BOOL SaveStyleBlock(CGXGridCore* pGrid, ROWCOL nLines, ROWCOL nRowCount, ROWCOL nColCount,
                    CObArray*& pCellStyles, CObArray*& pLineStyles, CGXLongOperation* pLongOp,
                    CellOf cellOf, LineOf lineOf)
{
    pCellStyles = pLineStyles = nullptr;
    CGXGridParam* pParam = pGrid->GetParam();
    const WORD wFlags = pParam != nullptr ? pParam->m_wUndoSaveFlags : 0;
    try {
        if (wFlags & 2) {
            // Computed in 64 bits: rows x columns of a large grid overflow 32.
            const ULONGLONG nCells = (ULONGLONG)nRowCount * nColCount;
            if (nCells >= 0x7FFFFFFF || nColCount > 0x7FFF || nRowCount > 0x7FFF)
                return AskRemoveUnsaved();
            pCellStyles = new CObArray;
            pCellStyles->SetSize((INT_PTR)nCells);
            for (ROWCOL r = 0; r < nRowCount; ++r)
                for (ROWCOL c = 0; c < nColCount; ++c) {
                    ROWCOL nRow, nCol;
                    cellOf(r, c, nRow, nCol);
                    CGXStyle* pStyle = pGrid->CreateStyle();
                    if (pGrid->GetStyleRowCol(nRow, nCol, *pStyle, gxCopy,
                                              pGrid->m_nDefaultStoreType))
                        pCellStyles->SetAt((INT_PTR)(c + (ULONGLONG)nColCount * r), pStyle);
                    else
                        pGrid->RecycleStyle(pStyle);
                    if (pLongOp != nullptr) {
                        BOOL bCanceled = FALSE;
                        pLongOp->PumpMessages(bCanceled);
                        if (bCanceled)
                            AfxThrowUserException();
                    }
                }
        }
        if (wFlags & 1) {
            if (nLines >= 0x8000) {
                if (!AskRemoveUnsaved()) {
                    DeleteSaved(pCellStyles, pLineStyles);
                    return FALSE;
                }
                return TRUE;
            }
            pLineStyles = new CObArray;
            pLineStyles->SetSize((INT_PTR)nLines);
            for (ROWCOL i = 0; i < nLines; ++i) {
                ROWCOL nRow, nCol;
                lineOf(i, nRow, nCol);
                CGXStyle* pStyle = pGrid->CreateStyle();
                if (pGrid->GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, -1))
                    pLineStyles->SetAt((INT_PTR)i, pStyle);
                else
                    pGrid->RecycleStyle(pStyle);
            }
        }
    } catch (CUserException* e) {
        e->Delete();
        DeleteSaved(pCellStyles, pLineStyles);
        return FALSE;
    } catch (CMemoryException* e) {
        e->Delete();
        DeleteSaved(pCellStyles, pLineStyles);
        return AskRemoveUnsaved();
    }
    return TRUE;
}
} // namespace

BOOL CGXCommandFactory::CopyRowStyleBlock(CGXGridCore* pGrid, ROWCOL nFirstRow, ROWCOL nRowCount,
                                          ROWCOL nColCount, CObArray*& pCellStyles,
                                          CObArray*& pRowStyles, CGXLongOperation* pLongOp)
{
    return SaveStyleBlock(
        pGrid, nRowCount, nRowCount, nColCount, pCellStyles, pRowStyles, pLongOp,
        [nFirstRow](ROWCOL r, ROWCOL c, ROWCOL& nRow, ROWCOL& nCol) {
            nRow = nFirstRow + r;
            nCol = c;
        },
        [nFirstRow](ROWCOL i, ROWCOL& nRow, ROWCOL& nCol) {
            nRow = nFirstRow + i;
            nCol = 0;
        });
}

BOOL CGXCommandFactory::CopyColStyleBlock(CGXGridCore* pGrid, ROWCOL nFirstCol, ROWCOL nRowCount,
                                          ROWCOL nColCount, CObArray*& pCellStyles,
                                          CObArray*& pColStyles, CGXLongOperation* pLongOp)
{
    return SaveStyleBlock(
        pGrid, nColCount, nRowCount, nColCount, pCellStyles, pColStyles, pLongOp,
        [nFirstCol](ROWCOL r, ROWCOL c, ROWCOL& nRow, ROWCOL& nCol) {
            nRow = r;
            nCol = nFirstCol + c;
        },
        [nFirstCol](ROWCOL i, ROWCOL& nRow, ROWCOL& nCol) {
            nRow = 0;
            nCol = nFirstCol + i;
        });
}
