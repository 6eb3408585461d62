// The script view: its commands, colours, the paste that keeps instruction fields out,
// the context menu, the reading characters and the helpers over the control's messages.
#include "ScriptView.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "MarquillResource.h"
#include "PromptDefs.h" // the prompter-closed message
#include "ReadingTime.h"
#include "ScriptDoc.h"
#include "SetBookmark.h"
#include "SpellCheckHook.h"
#include "TXWords.h"
#include "richtext/TXViewIds.h"

IMPLEMENT_DYNCREATE(CMyTXWordsView, CTXView)

BEGIN_MESSAGE_MAP(CMyTXWordsView, CTXView)
    ON_COMMAND(ID_EDIT_PASTE, &CMyTXWordsView::OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CMyTXWordsView::OnUpdateEnable)
    ON_COMMAND(IDM_BOOKMARK, &CMyTXWordsView::OnBookMark)
    ON_COMMAND(IDM_SPELL_CHECK, &CMyTXWordsView::OnSpellCheckDocument)
    ON_UPDATE_COMMAND_UI(IDM_SPELL_CHECK, &CMyTXWordsView::OnUpdateSpellCheck)
    ON_COMMAND(IDM_PROMPT_NOW, &CMyTXWordsView::OnPromptNow)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(IDM_PROGRAM_SPEEDS, &CMyTXWordsView::OnProgramPrompterSpeeds)
    ON_UPDATE_COMMAND_UI(IDM_PROGRAM_SPEEDS, &CMyTXWordsView::OnUpdateProgramPrompterSpeeds)
    ON_COMMAND(IDM_PP_LOAD, &CMyTXWordsView::OnLoadPowerPoint)
    ON_COMMAND(IDM_PP_START, &CMyTXWordsView::OnStartSlideshow)
    ON_COMMAND(IDM_PP_NEXT, &CMyTXWordsView::OnNextSlide)
    ON_COMMAND(IDM_PP_CLOSE, &CMyTXWordsView::OnCloseSlideshow)
    ON_COMMAND(IDM_PP_PREVIOUS, &CMyTXWordsView::OnPreviousSlide)
    ON_UPDATE_COMMAND_UI(IDM_PP_LOAD, &CMyTXWordsView::OnUpdatePowerPointCommand)
    ON_UPDATE_COMMAND_UI(IDM_PP_START, &CMyTXWordsView::OnUpdatePowerPointCommand)
    ON_UPDATE_COMMAND_UI(IDM_PP_NEXT, &CMyTXWordsView::OnUpdatePowerPointCommand)
    ON_UPDATE_COMMAND_UI(IDM_PP_CLOSE, &CMyTXWordsView::OnUpdatePowerPointCommand)
    ON_UPDATE_COMMAND_UI(IDM_PP_PREVIOUS, &CMyTXWordsView::OnUpdatePowerPointCommand)
    ON_COMMAND(IDM_RESET_PROMPTER_SPEEDS, &CMyTXWordsView::OnResetPrompterSpeeds)
    ON_UPDATE_COMMAND_UI(IDM_RESET_PROMPTER_SPEEDS, &CMyTXWordsView::OnUpdateEnable)
    ON_COMMAND(IDM_TEXT_COLOR, &CMyTXWordsView::OnTextColor)
    ON_COMMAND(IDM_BACK_COLOR, &CMyTXWordsView::OnBackgroundColor)
    ON_COMMAND(IDM_COLOR_COMBO, &CMyTXWordsView::OnColorCombo)
    ON_COMMAND(IDM_DEFAULT_BLACK, &CMyTXWordsView::OnDefaultBlack)
    ON_UPDATE_COMMAND_UI(IDM_TEXT_COLOR, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(IDM_BACK_COLOR, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(IDM_COLOR_COMBO, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(IDM_DEFAULT_BLACK, &CMyTXWordsView::OnUpdateEnable)
    ON_COMMAND(IDM_BOLD, &CMyTXWordsView::OnBold)
    ON_COMMAND(IDM_ITALIC, &CMyTXWordsView::OnItalic)
    ON_COMMAND(IDM_UNDERLINE, &CMyTXWordsView::OnUnderline)
    ON_MESSAGE(WM_PROMPTER_CLOSED, &CMyTXWordsView::OnPrompterClosed)
    // The rich-text view's own commands: handled there, always enabled here.
    ON_UPDATE_COMMAND_UI(ID_TX_VIEW_NORMAL, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_VIEW_PAGELAYOUT, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_VIEW_CENTEREDLAYOUT, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_ZOOM_25, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TX_ZOOM_50, ID_TX_ZOOM_150, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TX_ZOOM_200, ID_TX_ZOOM_PAGE, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_PAGEBREAK, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_TARGET, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_HYPERLINK, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_IMAGE_FIXED, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_IMAGE_CHAR, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_OBJECT_FIXED, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_INSERT_OBJECT_CHAR, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_TABLE_INSERT, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_TABLE_ATTR, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_TABLE_DELROWS, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_FORMAT_CHAR, &CMyTXWordsView::OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TX_FORMAT_PARAGRAPH, &CMyTXWordsView::OnUpdateEnable)
END_MESSAGE_MAP()

CMyTXWordsView::CMyTXWordsView() : m_nCaretParagraph(0), m_crTextColor(0) { }

CMyTXWordsView::~CMyTXWordsView() = default;

CTXWordsDoc* CMyTXWordsView::GetDocument() const { return static_cast<CTXWordsDoc*>(m_pDocument); }

void CMyTXWordsView::OnInitialUpdate()
{
    CTXView::OnInitialUpdate();
    CTXWordsApp* app = GetTXWordsApp();
    if (m_pTextControl && app)
        m_pTextControl->ConnectToolBar(app->m_pButtonBarWnd, app->m_pStatusBarWnd);
    // The ruler starts hidden (the frame's Ruler command shows it).
}

LRESULT CMyTXWordsView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // While prompting the editor is inert. A paint is still validated: an unanswered paint
    // would come back at once and spin the user-interface thread under the prompter.
    CTXWordsApp* app = GetTXWordsApp();
    if (app && app->m_bPrompting && message != WM_NCDESTROY && message != WM_DESTROY) {
        if (message == WM_PAINT)
            ::ValidateRect(m_hWnd, nullptr);
        return 0;
    }
    return CTXView::WindowProc(message, wParam, lParam);
}

void CMyTXWordsView::OnUpdateEnable(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

long CMyTXWordsView::GetReadingCharacters()
{
    const LRESULT length = SendTx(TXM_GETTEXTLENGTH);
    if (length <= 0)
        return 0;
    // The ANSI text may be longer than the UTF-16 length (characters outside the code
    // page become several bytes); the buffer allows for that.
    std::vector<char> text(static_cast<size_t>(length) * 4 + 1);
    SendTx(TXM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return WeightedReadingCharacters(text.data());
}

// ---- helpers over the control's messages ---------------------------------------------

TXPAIR CMyTXWordsView::GetSelPair()
{
    TXPAIR p = {0, 0};
    SendTx(TXM_GETSEL, 0, reinterpret_cast<LPARAM>(&p));
    return p;
}

void CMyTXWordsView::SetSelPair(long anchor, long caret)
{
    TXPAIR p = {static_cast<LONG>(anchor), static_cast<LONG>(caret)};
    SendTx(TXM_SETSEL, 1, reinterpret_cast<LPARAM>(&p));
}

DWORD CMyTXWordsView::FieldAtCaret(UINT msg) { return static_cast<DWORD>(SendTx(msg)); }

bool CMyTXWordsView::FieldPos(DWORD id, long& start, long& end)
{
    TXPAIR p = {0, 0};
    if (!SendTx(TXM_FIELDGETPOS, id, reinterpret_cast<LPARAM>(&p)))
        return false;
    start = p.first;
    end = p.second;
    return true;
}

CString CMyTXWordsView::FieldText(DWORD id)
{
    long start = 0, end = 0;
    if (!FieldPos(id, start, end))
        return CString();
    std::vector<char> text(static_cast<size_t>(end - start + 2) * 4 + 1);
    SendTx(TXM_FIELDGETTEXT, id, reinterpret_cast<LPARAM>(text.data()));
    return CString(text.data());
}

void CMyTXWordsView::InsertText(LPCSTR text)
{
    SendTx(TXM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text));
}

// ---- commands ---------------------------------------------------------------------------

void CMyTXWordsView::OnBookMark()
{
    CSetBookmark dialog(this);
    dialog.DoModal();
}

void CMyTXWordsView::OnSpellCheckDocument()
{
    if (g_pfnSpellCheckScript)
        g_pfnSpellCheckScript(this);
}

void CMyTXWordsView::OnUpdateSpellCheck(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(g_pfnSpellCheckScript != nullptr);
}

void CMyTXWordsView::OnContextMenu(CWnd*, CPoint point)
{
    CRect rect;
    GetWindowRect(&rect);
    if (point.x == -1)
        point.x = rect.left + rect.Width() / 2;
    if (point.y == -1)
        point.y = rect.top + rect.Height() / 2;
    CMenu menu;
    if (!menu.LoadMenu(IDR_SCRIPT_CONTEXT))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup)
        popup->TrackPopupMenu(TPM_CENTERALIGN, point.x, point.y, AfxGetMainWnd());
    menu.DestroyMenu();
}

void CMyTXWordsView::OnProgramPrompterSpeeds()
{
    CTXWordsApp* app = GetTXWordsApp();
    app->m_nSpeedProgramming = app->m_nSpeedProgramming == 0 ? 1 : 0;
}

void CMyTXWordsView::OnUpdateProgramPrompterSpeeds(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(GetTXWordsApp()->m_nSpeedProgramming ? 1 : 0);
}

void CMyTXWordsView::OnResetPrompterSpeeds() { GetTXWordsApp()->OnResetPrompterSpeeds(); }

void CMyTXWordsView::ApplyColor(UINT which, COLORREF color)
{
    TXPAIR p = {which == TXCOLOR_TEXT ? static_cast<LONG>(color) : 0,
                which == TXCOLOR_BACK ? static_cast<LONG>(color) : 0};
    SendTx(TXM_SETSELCOLOR, which, reinterpret_cast<LPARAM>(&p));
}

void CMyTXWordsView::OnTextColor()
{
    TXPAIR colors = {0, 0};
    SendTx(TXM_GETSELCOLORS, 1, reinterpret_cast<LPARAM>(&colors));
    CColorDialog dialog(static_cast<COLORREF>(colors.first), 0, this);
    if (dialog.DoModal() != IDOK)
        return;
    m_crTextColor = dialog.GetColor();
    ApplyColor(TXCOLOR_TEXT, m_crTextColor);
}

void CMyTXWordsView::OnBackgroundColor()
{
    TXPAIR colors = {0, 0};
    SendTx(TXM_GETSELCOLORS, 1, reinterpret_cast<LPARAM>(&colors));
    CColorDialog dialog(static_cast<COLORREF>(colors.first), 0, this);
    if (dialog.DoModal() != IDOK)
        return;
    ApplyColor(TXCOLOR_BACK, dialog.GetColor());
}

void CMyTXWordsView::OnDefaultBlack()
{
    m_crTextColor = 0;
    ApplyColor(TXCOLOR_TEXT, 0);
}

void CMyTXWordsView::OnColorCombo() { ApplyColor(TXCOLOR_TEXT, m_crTextColor); }

void CMyTXWordsView::OnBold()
{
    TXPAIR zero = {0, 0};
    SendTx(TXM_SETSTYLE, TXSTYLE_BOLD, reinterpret_cast<LPARAM>(&zero));
}

void CMyTXWordsView::OnItalic()
{
    TXPAIR zero = {0, 0};
    SendTx(TXM_SETSTYLE, TXSTYLE_ITALIC, reinterpret_cast<LPARAM>(&zero));
}

void CMyTXWordsView::OnUnderline()
{
    TXPAIR zero = {0, 0};
    SendTx(TXM_SETSTYLE, TXSTYLE_UNDERLINE, reinterpret_cast<LPARAM>(&zero));
}

// ---- paste ------------------------------------------------------------------------------

void CMyTXWordsView::SnapSelectionOutOfFields()
{
    TXPAIR sel = GetSelPair();
    long ends[2] = {sel.second, sel.first};
    for (long& end : ends) {
        SetSelPair(end, end);
        const DWORD id = FieldAtCaret(TXM_FIELDATCARET);
        long start = 0, stop = 0;
        if (id && FieldPos(id, start, stop))
            end = start - 1;
    }
    SetSelPair(ends[1], ends[0]);
}

void CMyTXWordsView::DeleteFieldsInSelection()
{
    TXPAIR sel = GetSelPair();
    long lo = std::min(sel.first, sel.second), hi = std::max(sel.first, sel.second);
    SetSelPair(lo, lo);
    DWORD previous = 0;
    DWORD id = static_cast<DWORD>(SendTx(TXM_FIELDNEXT, 0, 0));
    while (id) {
        long start = 0, end = 0;
        // Hyperlinks, images and objects are content of the text, not fields of ours: they stay.
        const CRichField* field = m_pTextControl->Core().Document().FindField(id);
        const bool content =
            field && (field->type == TXFIELDTYPE_LINK || field->type == TXFIELDTYPE_EMBEDDED);
        // The field's start is its offset + 1: offsets in [lo, hi) are starts in (lo, hi].
        if (!content && FieldPos(id, start, end) && start - 1 >= lo && start - 1 < hi) {
            SendTx(TXM_FIELDDELETE, id, 1);
            // The field's own line goes with it: one line feed (the one after it, else the
            // one before). Taking both would glue the lines around it together.
            const long at = start - 1;
            const std::u16string& text = m_pTextControl->Core().Document().Text();
            long lf = -1;
            if (at < static_cast<long>(text.size()) && text[static_cast<size_t>(at)] == u'\n')
                lf = at;
            else if (at > 0 && text[static_cast<size_t>(at - 1)] == u'\n')
                lf = at - 1;
            TXPAIR around = {0, 0};
            if (lf >= 0) {
                SetSelPair(lf, lf + 1);
                SendTx(WM_CLEAR);
                around.second = 1;
            }
            hi -= (end - start + 1) + std::abs(around.second - around.first);
            id = static_cast<DWORD>(SendTx(TXM_FIELDNEXT, previous, 0));
            continue;
        }
        previous = id;
        id = static_cast<DWORD>(SendTx(TXM_FIELDNEXT, id, 0));
    }
    if (hi < lo)
        hi = lo;
    SetSelPair(lo, hi);
}

void CMyTXWordsView::OnEditPaste()
{
    SnapSelectionOutOfFields();
    DeleteFieldsInSelection();
    TXPAIR sel = GetSelPair();
    if (sel.first != sel.second)
        SendTx(WM_CLEAR);
    const long p = GetSelPair().second;
    CTXView::OnEditPaste();
    const TXPAIR after = GetSelPair();
    SetSelPair(p, after.first);
    DeleteFieldsInSelection();
    SetSelPair(p, p);
}
