// Slide-show instruction fields: fields on a line of their own, red, whose data is the
// instruction code the prompter carries out.
#include "ScriptView.h"

#include "MarquillResource.h"
#include "TXWords.h"

namespace {
// The instruction brackets of code page 1252.
const char kOpen[] = "\xAB";
const char kClose[] = "\xBB";
enum InstructionCode : DWORD { kLoad = 1, kStart = 2, kNext = 4, kClose8 = 8, kPrevious = 16 };

CString Bracketed(LPCSTR what) { return CString(kOpen) + what + kClose; }
} // namespace

void CMyTXWordsView::OnLoadPowerPoint()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "PowerPoint Files (*.ppt)|*.ppt|PowerPoint Show (*.pps)|*.pps|All Files "
                       "(*.*)|*.*||",
                       this);
    if (dialog.DoModal() != IDOK)
        return;
    InsertInstruction(Bracketed(dialog.GetPathName()), kLoad);
}

void CMyTXWordsView::OnStartSlideshow() { InsertInstruction(Bracketed("Start"), kStart); }
void CMyTXWordsView::OnNextSlide() { InsertInstruction(Bracketed("Next"), kNext); }
void CMyTXWordsView::OnCloseSlideshow() { InsertInstruction(Bracketed("Close"), kClose8); }
void CMyTXWordsView::OnPreviousSlide() { InsertInstruction(Bracketed("Previous"), kPrevious); }

void CMyTXWordsView::OnUpdatePowerPointCommand(CCmdUI* pCmdUI)
{
    CTXWordsApp* app = GetTXWordsApp();
    pCmdUI->Enable(app && app->m_bPowerPointAvailable && FieldAtCaret(TXM_FIELDATCARET) == 0);
}

void CMyTXWordsView::InsertInstruction(const CString& text, DWORD code)
{
    // The field's text is the bracketed instruction alone; the line feeds that give it a
    // line of its own go around it, so the prompter receives exactly the instruction.
    const TXPAIR sel = GetSelPair();
    const long p = sel.second;
    SetSelPair(p, p);
    TXPAIR lineCol = {0, 0};
    const LRESULT known = SendTx(TXM_GETCARETLINECOL, 0, reinterpret_cast<LPARAM>(&lineCol));
    if (!known || lineCol.second != 0) {
        InsertText("\n\n");
        SetSelPair(p + 1, p + 1);
    } else {
        InsertText("\n");
        SetSelPair(p, p);
    }
    const DWORD id = static_cast<DWORD>(
        SendTx(TXM_FIELDINSERT, TXFIELD_INSTRUCTION, reinterpret_cast<LPARAM>((LPCSTR)text)));
    if (id == 0)
        return;
    if (m_pTextControl)
        m_pTextControl->FieldSetDataHelper(id, code);
    long start = p, end = sel.first;
    FieldPos(id, start, end);
    SetSelPair(start - 1, end);
    TXPAIR red = {255, 0};
    SendTx(TXM_SETSELCOLOR, TXCOLOR_TEXT, reinterpret_cast<LPARAM>(&red));
    SetSelPair(start, start);
    m_bChanged = 1;
}

bool CMyTXWordsView::HasInstructionFields()
{
    SendMessage(WM_SETREDRAW, FALSE);
    const TXPAIR sel = GetSelPair();
    SetSelPair(0, 0);
    bool found = false;
    for (DWORD id = static_cast<DWORD>(SendTx(TXM_FIELDNEXT, 0, 0)); id;
         id = static_cast<DWORD>(SendTx(TXM_FIELDNEXT, id, 0))) {
        TXFIELDSETTYPE type = {TXFT_TYPEALL, 0, nullptr, 0};
        if (!SendTx(TXM_FIELDGETTYPE, id, reinterpret_cast<LPARAM>(&type)) ||
            type.nType == TXFIELDTYPE_NONE) {
            found = true;
            break;
        }
    }
    SetSelPair(sel.first, sel.second);
    SendMessage(WM_SETREDRAW, TRUE);
    return found;
}
