// The rich-text view: a text control over the whole client, and the editing commands.
#include "richtext/TXView.h"

#include <algorithm>
#include <cctype>

#include "richtext/Codepage.h"
#include "richtext/TXBars.h"
#include "richtext/TXDoc.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"
#include "richtext/TXHyperlinkDialog.h"
#include "richtext/TXTableDialog.h"
#include "richtext/TXParagraphDialog.h"
#include "richtext/TXRulerBar.h"
#include "richtext/TXViewIds.h"

#ifndef EM_REDO
#define EM_REDO (WM_USER + 84)
#endif

namespace {
const UINT kFindMessage = ::RegisterWindowMessageA(FINDMSGSTRINGA);
constexpr UINT kTextControlId = 1;

bool IsWordChar(char16_t c) { return c == '_' || (c < 128 ? std::isalnum(c) != 0 : c > 0xBF); }

char16_t Fold(char16_t c, bool matchCase)
{
    if (matchCase)
        return c;
    if (c >= 'A' && c <= 'Z')
        return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<char16_t>(c + 32);
    return c;
}

// The position of the next (or previous) match of what in text, or npos.
size_t FindIn(const std::u16string& text, const std::u16string& what, size_t from, bool down,
              bool matchCase, bool wholeWord)
{
    if (what.empty() || what.size() > text.size())
        return std::u16string::npos;
    auto matchesAt = [&](size_t p) {
        for (size_t i = 0; i < what.size(); ++i)
            if (Fold(text[p + i], matchCase) != Fold(what[i], matchCase))
                return false;
        if (wholeWord) {
            if (p > 0 && IsWordChar(text[p - 1]))
                return false;
            if (p + what.size() < text.size() && IsWordChar(text[p + what.size()]))
                return false;
        }
        return true;
    };
    const size_t last = text.size() - what.size();
    if (down) {
        for (size_t p = from; p <= last; ++p)
            if (matchesAt(p))
                return p;
    } else {
        for (size_t p = std::min(from, last + 1); p-- > 0;)
            if (matchesAt(p))
                return p;
    }
    return std::u16string::npos;
}
} // namespace

IMPLEMENT_DYNCREATE(CTXView, CView)

BEGIN_MESSAGE_MAP(CTXView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
    ON_COMMAND(ID_EDIT_UNDO, &CTXView::OnEditUndo)
    ON_COMMAND(ID_EDIT_REDO, &CTXView::OnEditRedo)
    ON_COMMAND(ID_EDIT_CUT, &CTXView::OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, &CTXView::OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, &CTXView::OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, &CTXView::OnEditClear)
    ON_COMMAND(ID_EDIT_SELECT_ALL, &CTXView::OnEditSelectAll)
    ON_COMMAND(ID_EDIT_FIND, &CTXView::OnEditFind)
    ON_COMMAND(ID_EDIT_REPLACE, &CTXView::OnEditReplace)
    ON_COMMAND(ID_EDIT_REPEAT, &CTXView::OnEditRepeat)
    ON_REGISTERED_MESSAGE(kFindMessage, &CTXView::OnFindReplace)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CTXView::OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, &CTXView::OnUpdateEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CTXView::OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CTXView::OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, &CTXView::OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CTXView::OnUpdateEditPaste)
    ON_COMMAND(ID_TX_FORMAT_CHAR, &CTXView::OnFormatChar)
    ON_COMMAND(ID_FORMAT_FONT, &CTXView::OnFormatChar)
    ON_COMMAND(ID_TX_INSERT_TARGET, &CTXView::OnInsertTarget)
    ON_COMMAND(ID_TX_INSERT_HYPERLINK, &CTXView::OnInsertHyperlink)
    ON_COMMAND(ID_TX_INSERT_IMAGE_FIXED, &CTXView::OnInsertImageFixed)
    ON_COMMAND(ID_TX_INSERT_IMAGE_CHAR, &CTXView::OnInsertImageChar)
    ON_COMMAND(ID_TX_INSERT_OBJECT_FIXED, &CTXView::OnInsertObjectFixed)
    ON_COMMAND(ID_TX_INSERT_OBJECT_CHAR, &CTXView::OnInsertObjectChar)
    ON_COMMAND(ID_TX_TABLE_INSERT, &CTXView::OnTableInsert)
    ON_COMMAND(ID_TX_TABLE_ATTR, &CTXView::OnTableAttr)
    ON_COMMAND(ID_TX_TABLE_DELROWS, &CTXView::OnTableDelRows)
    ON_COMMAND(ID_TX_TABLE_GRIDLINES, &CTXView::OnTableGridlines)
    ON_UPDATE_COMMAND_UI(ID_TX_TABLE_GRIDLINES, &CTXView::OnUpdateTableGridlines)
    ON_COMMAND(ID_TX_FORMAT_PARAGRAPH, &CTXView::OnFormatParagraph)
    ON_COMMAND(ID_TX_INSERT_PAGEBREAK, &CTXView::OnInsertPagebreak)
    ON_COMMAND_RANGE(ID_TX_ALIGN_LEFT, ID_TX_ALIGN_JUSTIFY, &CTXView::OnAlign)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TX_ALIGN_LEFT, ID_TX_ALIGN_JUSTIFY, &CTXView::OnUpdateAlign)
    ON_COMMAND(ID_TX_VIEW_NORMAL, &CTXView::OnViewNormal)
    ON_COMMAND(ID_TX_VIEW_PAGELAYOUT, &CTXView::OnViewPageLayout)
    ON_COMMAND(ID_TX_VIEW_CENTEREDLAYOUT, &CTXView::OnViewCenteredLayout)
    ON_UPDATE_COMMAND_UI(ID_TX_VIEW_NORMAL, &CTXView::OnUpdateViewMode)
    ON_UPDATE_COMMAND_UI(ID_TX_VIEW_PAGELAYOUT, &CTXView::OnUpdateViewMode)
    ON_UPDATE_COMMAND_UI(ID_TX_VIEW_CENTEREDLAYOUT, &CTXView::OnUpdateViewMode)
    ON_COMMAND_RANGE(ID_TX_ZOOM_25, ID_TX_ZOOM_PAGE, &CTXView::OnViewZoom)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TX_ZOOM_25, ID_TX_ZOOM_PAGE, &CTXView::OnUpdateViewZoom)
    ON_COMMAND_RANGE(ID_TX_BOLD, ID_TX_UNDERLINE, &CTXView::OnStyle)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TX_BOLD, ID_TX_UNDERLINE, &CTXView::OnUpdateStyle)
END_MESSAGE_MAP()

CTXView::CTXView()
    : m_pTextControl(nullptr), m_pRulerBar(nullptr), m_bChanged(0), m_pFindDialog(nullptr),
      m_bMatchCase(FALSE), m_bWholeWord(FALSE), m_bSearchDown(TRUE)
{ }

CTXView::~CTXView()
{
    if (m_pFindDialog && m_pFindDialog->GetSafeHwnd())
        m_pFindDialog->DestroyWindow();
    delete m_pTextControl;
    delete m_pRulerBar;
}

CTXDoc* CTXView::GetDocument() const { return static_cast<CTXDoc*>(m_pDocument); }

LRESULT CTXView::SendTx(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!m_pTextControl || !m_pTextControl->GetSafeHwnd())
        return 0;
    return m_pTextControl->SendMessage(msg, wParam, lParam);
}

int CTXView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    m_pTextControl = new CTXTextControl;
    CRect rect(0, 0, lpcs->cx, lpcs->cy);
    if (!m_pTextControl->Create(this, kTextControlId, rect, this, nullptr,
                                WS_VISIBLE | WS_TABSTOP | WS_VSCROLL)) {
        delete m_pTextControl;
        m_pTextControl = nullptr;
        return -1;
    }
    return 0;
}

void CTXView::OnInitialUpdate()
{
    // Content read before the view was made.
    CRichDocument pending;
    if (GetDocument() && GetDocument()->IsKindOf(RUNTIME_CLASS(CTXDoc)) &&
        GetDocument()->TakePending(pending) && m_pTextControl) {
        m_pTextControl->Core().SetDocument(pending);
        m_pTextControl->Core().SetSel(0, 0);
        m_pTextControl->SetModify(FALSE);
        m_pTextControl->SyncWithCore(false);
    }
    // The ruler lives on the view's frame, hidden until the frame shows it.
    CFrameWnd* frame = GetParentFrame();
    if (!m_pRulerBar && frame) {
        m_pRulerBar = new CTXRulerBar;
        char measure[4] = {};
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, measure, sizeof measure);
        if (!m_pRulerBar->Create(frame, AFX_IDW_CONTROLBAR_FIRST + 30, measure[0] == '0')) {
            delete m_pRulerBar;
            m_pRulerBar = nullptr;
        }
    }
    CView::OnInitialUpdate();
}

void CTXView::OnDraw(CDC*) { }

BOOL CTXView::OnEraseBkgnd(CDC*) { return TRUE; }

void CTXView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_pTextControl && m_pTextControl->GetSafeHwnd())
        m_pTextControl->MoveWindow(0, 0, cx, cy);
}

void CTXView::OnSetFocus(CWnd*)
{
    if (m_pTextControl && m_pTextControl->GetSafeHwnd())
        m_pTextControl->SetFocus();
}

void CTXView::OnTextChanged(CTXTextControl*)
{
    if (GetDocument())
        GetDocument()->CDocument::SetModifiedFlag(TRUE);
}

void CTXView::OnEditUndo() { SendTx(EM_UNDO); }
void CTXView::OnEditRedo() { SendTx(EM_REDO); }
void CTXView::OnEditCut() { SendTx(WM_CUT); }
void CTXView::OnEditCopy() { SendTx(WM_COPY); }
void CTXView::OnEditPaste() { SendTx(WM_PASTE); }

void CTXView::OnEditClear()
{
    if (!m_pTextControl)
        return;
    m_pTextControl->Core().ClearSel();
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnEditSelectAll()
{
    if (m_pTextControl)
        m_pTextControl->SetSel(0, -1);
}

void CTXView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl && m_pTextControl->Core().CanUndo());
}

void CTXView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl && m_pTextControl->Core().CanRedo());
}

void CTXView::OnUpdateNeedSel(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl &&
                   m_pTextControl->Core().SelMin() != m_pTextControl->Core().SelMax());
}

void CTXView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT) ||
                   ::IsClipboardFormatAvailable(CF_UNICODETEXT));
}

BOOL CTXView::FindText(LPCSTR what, BOOL matchCase, BOOL wholeWord, BOOL searchDown)
{
    if (!m_pTextControl || !what || !*what)
        return FALSE;
    CTextControlCore& core = m_pTextControl->Core();
    const std::u16string needle = richtext::AnsiToUtf16(what);
    size_t found;
    {
        std::lock_guard<std::recursive_mutex> g(core.Lock());
        const size_t from = static_cast<size_t>(searchDown ? core.SelMax() : core.SelMin());
        found = FindIn(core.Document().Text(), needle, from, searchDown != FALSE,
                       matchCase != FALSE, wholeWord != FALSE);
    }
    if (found == std::u16string::npos)
        return FALSE;
    m_pTextControl->SetSel(static_cast<long>(found), static_cast<long>(found + needle.size()));
    return TRUE;
}

int CTXView::ReplaceAll(LPCSTR what, LPCSTR with, BOOL matchCase, BOOL wholeWord)
{
    if (!m_pTextControl || !what || !*what)
        return 0;
    CTextControlCore& core = m_pTextControl->Core();
    const std::u16string needle = richtext::AnsiToUtf16(what);
    const std::u16string replacement = richtext::AnsiToUtf16(with ? with : "");
    int count = 0;
    size_t from = 0;
    for (;;) {
        size_t found = FindIn(core.Document().Text(), needle, from, true, matchCase != FALSE,
                              wholeWord != FALSE);
        if (found == std::u16string::npos)
            break;
        core.SetSel(static_cast<long>(found), static_cast<long>(found + needle.size()));
        core.ReplaceSel(replacement);
        // A match inside a field stays (fields keep their text): go past it.
        from = std::max(static_cast<size_t>(core.Caret()), found + 1);
        ++count;
    }
    m_pTextControl->SyncWithCore(count > 0);
    return count;
}

void CTXView::ShowFindDialog(BOOL findOnly)
{
    if (m_pFindDialog && m_pFindDialog->GetSafeHwnd()) {
        m_pFindDialog->SetFocus();
        return;
    }
    if (m_pTextControl && m_pTextControl->Core().SelMin() != m_pTextControl->Core().SelMax())
        m_strFind = m_pTextControl->GetSelText();
    m_pFindDialog = new CFindReplaceDialog;
    DWORD flags = m_bSearchDown ? FR_DOWN : 0;
    if (m_bMatchCase)
        flags |= FR_MATCHCASE;
    if (m_bWholeWord)
        flags |= FR_WHOLEWORD;
    if (!m_pFindDialog->Create(findOnly, m_strFind, m_strReplace, flags, this))
        m_pFindDialog = nullptr; // the dialog deletes itself
}

void CTXView::OnEditFind() { ShowFindDialog(TRUE); }
void CTXView::OnEditReplace() { ShowFindDialog(FALSE); }

void CTXView::OnEditRepeat()
{
    if (m_strFind.IsEmpty() || !FindText(m_strFind, m_bMatchCase, m_bWholeWord, m_bSearchDown))
        ::MessageBeep(MB_OK);
}

LRESULT CTXView::OnFindReplace(WPARAM, LPARAM lParam)
{
    CFindReplaceDialog* dialog = CFindReplaceDialog::GetNotifier(lParam);
    if (!dialog)
        return 0;
    if (dialog->IsTerminating()) {
        m_pFindDialog = nullptr;
        return 0;
    }
    m_strFind = dialog->GetFindString();
    m_strReplace = dialog->GetReplaceString();
    m_bMatchCase = dialog->MatchCase();
    m_bWholeWord = dialog->MatchWholeWord();
    m_bSearchDown = dialog->SearchDown();
    if (dialog->ReplaceAll()) {
        ReplaceAll(m_strFind, m_strReplace, m_bMatchCase, m_bWholeWord);
    } else if (dialog->ReplaceCurrent()) {
        // The selection is replaced when it is the text sought; then the next one is found.
        if (m_pTextControl && m_pTextControl->GetSelText().CompareNoCase(m_strFind) == 0) {
            m_pTextControl->ReplaceSel(m_strReplace);
            m_pTextControl->SyncWithCore(true);
        }
        if (!FindText(m_strFind, m_bMatchCase, m_bWholeWord, TRUE))
            ::MessageBeep(MB_OK);
    } else if (dialog->FindNext()) {
        if (!FindText(m_strFind, m_bMatchCase, m_bWholeWord, m_bSearchDown))
            ::MessageBeep(MB_OK);
    }
    return 0;
}

void CTXView::OnFormatChar()
{
    if (!m_pTextControl)
        return;
    CRichCharFormat current = m_pTextControl->Core().TypingFormat();
    {
        CTextControlCore& core = m_pTextControl->Core();
        std::lock_guard<std::recursive_mutex> g(core.Lock());
        if (core.SelMin() < core.SelMax())
            current = core.Document().FormatAt(static_cast<size_t>(core.SelMin()));
    }
    LOGFONTA lf = {};
    lstrcpynA(lf.lfFaceName, current.face.c_str(), LF_FACESIZE);
    {
        CClientDC dc(this);
        lf.lfHeight = -::MulDiv(current.halfPoints, dc.GetDeviceCaps(LOGPIXELSY), 144);
    }
    lf.lfWeight = current.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = current.italic;
    lf.lfUnderline = current.underline;
    lf.lfStrikeOut = current.strike;
    lf.lfCharSet = current.charset;
    CFontDialog dialog(&lf, CF_SCREENFONTS | CF_EFFECTS, nullptr, this);
    dialog.m_cf.rgbColors = current.color;
    if (dialog.DoModal() != IDOK)
        return;
    CRichCharFormat chosen = current;
    chosen.face = (LPCSTR)dialog.GetFaceName();
    if (dialog.GetSize() > 0)
        chosen.halfPoints = dialog.GetSize() / 5;
    chosen.bold = dialog.m_lf.lfWeight >= FW_BOLD;
    chosen.italic = dialog.m_lf.lfItalic != 0;
    chosen.underline = dialog.m_lf.lfUnderline != 0;
    chosen.strike = dialog.m_lf.lfStrikeOut != 0;
    chosen.color = dialog.GetColor();
    chosen.charset = dialog.m_lf.lfCharSet;
    m_pTextControl->Core().SetSelCharFormat(chosen);
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnInsertTarget()
{
    // A target needs a name of its own: "Target" and the field's number.
    if (!m_pTextControl)
        return;
    const DWORD id = m_pTextControl->Core().InsertField(TXFIELD_TARGET, u"");
    if (id) {
        char name[32];
        wsprintfA(name, "Target%lu", static_cast<unsigned long>(id));
        TXFIELDSETTYPE type = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, name, lstrlenA(name) + 1};
        if (SendTx(TXM_FIELDSETTYPE, id, reinterpret_cast<LPARAM>(&type)))
            m_bChanged = 1;
    }
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnInsertHyperlink()
{
    // The dialog opens on the selected text (a selection of one line); the link replaces it.
    if (!m_pTextControl)
        return;
    CTextControlCore& core = m_pTextControl->Core();
    CTXHyperlinkDialog dialog(this);
    std::u16string selected = core.SelectedText();
    if (selected.find(u'\n') == std::u16string::npos)
        dialog.m_strText = richtext::Utf16ToAnsi(selected).c_str();
    if (dialog.DoModal() != IDOK)
        return;
    const DWORD id = core.InsertHyperlink(richtext::AnsiToUtf16((LPCSTR)dialog.m_strText),
                                          richtext::AnsiToUtf16((LPCSTR)dialog.m_strAddress));
    if (id == 0)
        AfxMessageBox("The hyperlink cannot go here: the selection lies inside a field.",
                      MB_OK | MB_ICONINFORMATION);
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnInsertImageFixed() { InsertFromFile(true, true); }

void CTXView::OnInsertImageChar() { InsertFromFile(true, false); }

void CTXView::OnInsertObjectFixed() { InsertFromFile(false, true); }

void CTXView::OnInsertObjectChar() { InsertFromFile(false, false); }

void CTXView::InsertFromFile(bool image, bool fixed)
{
    if (!m_pTextControl)
        return;
    const char* filter = image
        ? "Pictures (*.bmp;*.dib;*.png;*.jpg;*.jpeg)|*.bmp;*.dib;*.png;*.jpg;*.jpeg|All Files "
          "(*.*)|*.*||"
        : "All Files (*.*)|*.*||";
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter, this);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    std::string bytes, error;
    CRichObject object;
    if (!richtext::ReadFileBytes(path, bytes, error)) {
        AfxMessageBox(CString("The file cannot be read: ") + error.c_str(), MB_OK | MB_ICONSTOP);
        return;
    }
    if (bytes.size() > CRichObject::kMaxData) {
        AfxMessageBox("The file is too large to go into the document.", MB_OK | MB_ICONSTOP);
        return;
    }
    if (image) {
        if (!richtext::ImageFromFile(bytes, object, error)) {
            AfxMessageBox(CString("The picture cannot be inserted: ") + error.c_str(),
                          MB_OK | MB_ICONSTOP);
            return;
        }
    } else {
        object = richtext::ObjectFromFile(std::string(path), bytes);
    }
    object.fixed = fixed;
    m_pTextControl->Core().InsertObject(object);
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnTableInsert()
{
    // The table runs the text's width (six inches), its columns sharing it.
    if (!m_pTextControl)
        return;
    CTXTableDialog dialog(true, this);
    if (dialog.DoModal() != IDOK)
        return;
    if (!m_pTextControl->Core().InsertTable(dialog.m_nRows, dialog.m_nColumns, 8640))
        AfxMessageBox("The table cannot go here.", MB_OK | MB_ICONINFORMATION);
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnTableAttr()
{
    // The rows the selection touches take the width for each of their columns and the borders.
    if (!m_pTextControl)
        return;
    CTextControlCore& core = m_pTextControl->Core();
    const CRichParaFormat at = core.SelParaFormat();
    if (!at.IsTableRow()) {
        AfxMessageBox("Place the caret in a table first.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CTXTableDialog dialog(false, this);
    dialog.m_nWidth = at.cells[0];
    dialog.m_bBorders = at.borders;
    if (dialog.DoModal() != IDOK)
        return;
    const int width = dialog.m_nWidth;
    const bool borders = dialog.m_bBorders != FALSE;
    core.ChangeSelParaFormat([&](CRichParaFormat& p) {
        if (!p.IsTableRow())
            return;
        // Columns past 22 inches do not fit: the row keeps those that do.
        const size_t fit = static_cast<size_t>(CRichParaFormat::kMaxIndent / width);
        p.cells.resize(std::max<size_t>(1, std::min(p.cells.size(), fit)));
        for (size_t i = 0; i < p.cells.size(); ++i)
            p.cells[i] = width * static_cast<int>(i + 1);
        p.borders = borders;
    });
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnTableDelRows()
{
    if (m_pTextControl && m_pTextControl->Core().DeleteTableRows())
        m_pTextControl->SyncWithCore(true);
}

void CTXView::OnTableGridlines()
{
    if (m_pTextControl)
        m_pTextControl->ShowGridLines(!m_pTextControl->GridLinesShown());
}

void CTXView::OnUpdateTableGridlines(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl != nullptr);
    pCmdUI->SetCheck(m_pTextControl && m_pTextControl->GridLinesShown() ? 1 : 0);
}

void CTXView::OnStyle(UINT nID)
{
    if (!m_pTextControl)
        return;
    const UINT style = nID == ID_TX_BOLD ? TXSTYLE_BOLD
        : nID == ID_TX_ITALIC            ? TXSTYLE_ITALIC
                                         : TXSTYLE_UNDERLINE;
    m_pTextControl->Core().ToggleSelStyle(style);
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnUpdateStyle(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl != nullptr);
    if (!m_pTextControl)
        return;
    CTextControlCore& core = m_pTextControl->Core();
    std::lock_guard<std::recursive_mutex> g(core.Lock());
    const CRichCharFormat& f = core.SelMin() < core.SelMax()
        ? core.Document().FormatAt(static_cast<size_t>(core.SelMin()))
        : core.TypingFormat();
    const bool on = pCmdUI->m_nID == ID_TX_BOLD ? f.bold
        : pCmdUI->m_nID == ID_TX_ITALIC         ? f.italic
                                                : f.underline;
    pCmdUI->SetCheck(on ? 1 : 0);
}

namespace {

// The zoom commands: a percentage, or a fit (negative: -1 page width, -2 whole page).
int ZoomOf(UINT id)
{
    switch (id) {
    case ID_TX_ZOOM_25:
        return 25;
    case ID_TX_ZOOM_50:
        return 50;
    case ID_TX_ZOOM_75:
        return 75;
    case ID_TX_ZOOM_100:
        return 100;
    case ID_TX_ZOOM_150:
        return 150;
    case ID_TX_ZOOM_200:
        return 200;
    case ID_TX_ZOOM_300:
        return 300;
    case ID_TX_ZOOM_WIDTH:
        return -CTXTextControl::TXZOOM_PAGEWIDTH;
    case ID_TX_ZOOM_PAGE:
        return -CTXTextControl::TXZOOM_WHOLEPAGE;
    default:
        return 0; // the ids between them that are no zoom
    }
}

BYTE AlignOf(UINT id)
{
    return id == ID_TX_ALIGN_CENTER ? TXALIGN_CENTER
        : id == ID_TX_ALIGN_RIGHT   ? TXALIGN_RIGHT
        : id == ID_TX_ALIGN_JUSTIFY ? TXALIGN_JUSTIFY
                                    : TXALIGN_LEFT;
}

} // namespace

void CTXView::OnFormatParagraph()
{
    if (!m_pTextControl)
        return;
    CTextControlCore& core = m_pTextControl->Core();
    const CRichParaFormat before = core.SelParaFormat();
    CTXParagraphDialog dialog(before, this);
    if (dialog.DoModal() != IDOK)
        return;
    // Only what was changed in the dialog changes in every selected paragraph.
    const CRichParaFormat chosen = dialog.m_format;
    core.ChangeSelParaFormat([&](CRichParaFormat& p) {
        if (chosen.align != before.align)
            p.align = chosen.align;
        if (chosen.leftIndent != before.leftIndent)
            p.leftIndent = chosen.leftIndent;
        if (chosen.rightIndent != before.rightIndent)
            p.rightIndent = chosen.rightIndent;
        if (chosen.firstIndent != before.firstIndent)
            p.firstIndent = chosen.firstIndent;
        if (chosen.spaceBefore != before.spaceBefore)
            p.spaceBefore = chosen.spaceBefore;
        if (chosen.spaceAfter != before.spaceAfter)
            p.spaceAfter = chosen.spaceAfter;
        if (chosen.lineSpacing != before.lineSpacing ||
            chosen.lineMultiple != before.lineMultiple) {
            p.lineSpacing = chosen.lineSpacing;
            p.lineMultiple = chosen.lineMultiple;
        }
        if (chosen.pageBreakBefore != before.pageBreakBefore)
            p.pageBreakBefore = chosen.pageBreakBefore;
    });
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnInsertPagebreak()
{
    if (!m_pTextControl)
        return;
    m_pTextControl->Core().InsertPageBreak();
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnAlign(UINT nID)
{
    if (!m_pTextControl)
        return;
    const BYTE align = AlignOf(nID);
    m_pTextControl->Core().ChangeSelParaFormat([align](CRichParaFormat& p) { p.align = align; });
    m_pTextControl->SyncWithCore(true);
}

void CTXView::OnUpdateAlign(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl != nullptr);
    if (m_pTextControl)
        pCmdUI->SetCheck(m_pTextControl->Core().SelParaFormat().align == AlignOf(pCmdUI->m_nID));
}

void CTXView::OnViewNormal()
{
    if (m_pTextControl)
        m_pTextControl->SetViewMode(TXVIEW_NORMAL);
}

void CTXView::OnViewPageLayout()
{
    if (m_pTextControl)
        m_pTextControl->SetViewMode(TXVIEW_PAGELAYOUT);
}

void CTXView::OnViewCenteredLayout()
{
    if (m_pTextControl)
        m_pTextControl->SetViewMode(TXVIEW_CENTEREDLAYOUT);
}

void CTXView::OnUpdateViewMode(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextControl != nullptr);
    if (!m_pTextControl)
        return;
    const int mode = pCmdUI->m_nID == ID_TX_VIEW_PAGELAYOUT ? TXVIEW_PAGELAYOUT
        : pCmdUI->m_nID == ID_TX_VIEW_CENTEREDLAYOUT        ? TXVIEW_CENTEREDLAYOUT
                                                            : TXVIEW_NORMAL;
    pCmdUI->SetCheck(m_pTextControl->GetViewMode() == mode);
}

void CTXView::OnViewZoom(UINT nID)
{
    const int zoom = ZoomOf(nID);
    if (!m_pTextControl || zoom == 0)
        return;
    if (zoom < 0)
        m_pTextControl->ZoomToFit(-zoom);
    else
        m_pTextControl->SetZoom(zoom);
}

void CTXView::OnUpdateViewZoom(CCmdUI* pCmdUI)
{
    const int zoom = ZoomOf(pCmdUI->m_nID);
    pCmdUI->Enable(m_pTextControl != nullptr && zoom != 0);
    if (!m_pTextControl || zoom == 0)
        return;
    const int fit = m_pTextControl->GetZoomFit();
    pCmdUI->SetCheck(zoom < 0 ? fit == -zoom
                              : fit == CTXTextControl::TXZOOM_FIXED &&
                             m_pTextControl->GetZoom() == zoom);
}
