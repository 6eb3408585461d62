// The rich-text document, view and document manager in a small multiple-document program:
// files open by what their bytes are, saves keep the format and go through the safe save,
// the save dialog chooses the format, and the editing commands reach the text control.
#include <gtest/gtest.h>

#include "framework.h"

#include <fstream>
#include <sstream>

#include "DocViewTestRes.h"
#include "richtext/Codepage.h"
#include "richtext/TXBars.h"
#include "richtext/DocumentFormats.h"
#include "richtext/TXDoc.h"
#include "richtext/TXDocManager.h"
#include "richtext/TXHyperlinkDialog.h"
#include "richtext/TXTableDialog.h"
#include "richtext/RichObject.h"
#include "richtext/TXParagraphDialog.h"
#include "richtext/TXView.h"
#include "richtext/TXViewIds.h"

namespace {

class CTestTxApp : public CWinApp
{
public:
    CTestTxApp() : CWinApp("Rich Text Test") { }
};

class TxProgram
{
public:
    TxProgram()
    {
        manager = new CTXDocManager;
        app.m_pDocManager = manager;
        for (int f : {TXFORMAT_NATIVE, TXFORMAT_RTF, TXFORMAT_HTML, TXFORMAT_TEXT})
            manager->AddFileFormat(f, 0);
        pTemplate = new CMultiDocTemplate(IDR_TEST_TXTYPE, RUNTIME_CLASS(CTXDoc),
                                          RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CTXView));
        app.AddDocTemplate(pTemplate);
        frame = new CMDIFrameWnd;
        if (frame->LoadFrame(IDR_TEST_TXFRAME)) {
            app.m_pMainWnd = frame;
            frame->ShowWindow(SW_SHOW);
        } else {
            frame = nullptr;
        }
    }
    ~TxProgram()
    {
        app.CloseAllDocuments(TRUE);
        if (frame && ::IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
    }
    CTXDoc* Open(const std::string& path)
    {
        return static_cast<CTXDoc*>(app.OpenDocumentFile(path.c_str()));
    }
    // A command as the menu sends it: through the main frame to the active view.
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }

    CTestTxApp app;
    CTXDocManager* manager;
    CMultiDocTemplate* pTemplate;
    CMDIFrameWnd* frame;
};

std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    return std::string(dir) + "txdocview_" + name;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string DocText(CTXDoc* doc)
{
    return richtext::Utf16ToAnsi(doc->GetTextControl()->Core().Document().Text());
}

// A document of the given text in the given format.
std::string Encode(const std::string& text, int format)
{
    CRichDocument doc;
    doc.Append(richtext::AnsiToUtf16(text), CRichCharFormat());
    std::string bytes, error;
    richtext::SaveDocument(doc, format, bytes, error);
    return bytes;
}

// Answers the modal windows (file dialogs and the font dialog) of one test.
class ModalAnswers
{
public:
    explicit ModalAnswers(AFX_MODAL_ANSWERER answerer)
    {
        m_previous = AfxSetModalAnswerer(std::move(answerer));
    }
    ~ModalAnswers() { AfxSetModalAnswerer(m_previous); }

private:
    AFX_MODAL_ANSWERER m_previous;
};

} // namespace

TEST(TXDocView, FilesOpenByWhatTheirBytesAre)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    // The extension says one thing, the content another: the content decides.
    struct Case
    {
        const char* name;
        int format;
    } cases[] = {
        {"rtf_in.txt", TXFORMAT_RTF},
        {"native_in.rtf", TXFORMAT_NATIVE},
        {"html_in.tx", TXFORMAT_HTML},
        {"text_in.rtf", TXFORMAT_TEXT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = TempPath(c.name);
        WriteFile(path, Encode("Good evening.\nThe news.", c.format));
        CTXDoc* doc = program.Open(path);
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->GetFileFormat(), c.format);
        EXPECT_EQ(DocText(doc), "Good evening.\nThe news.");
        EXPECT_FALSE(doc->IsModified());
        doc->OnCloseDocument();
        ::DeleteFileA(path.c_str());
    }
}

TEST(TXDocView, SaveKeepsTheFormatAndAFailedSaveKeepsTheOldFile)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    const std::string path = TempPath("keep.rtf");
    WriteFile(path, Encode("First take.", TXFORMAT_RTF));
    CTXDoc* doc = program.Open(path);
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    control->SetSel(0, -1);
    control->ReplaceSel("Second take.");
    control->SyncWithCore(true);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_FALSE(doc->IsModified());
    const std::string saved = ReadFile(path);
    EXPECT_EQ(saved.compare(0, 5, "{\\rtf"), 0);
    CRichDocument back;
    std::string error;
    ASSERT_TRUE(richtext::ReadRtf(saved, back, error)) << error;
    EXPECT_EQ(richtext::Utf16ToAnsi(back.Text()), "Second take.");

    // A target that cannot be replaced: the save fails, says so, and the file stays.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    control->SetSel(0, -1);
    control->ReplaceSel("Third take.");
    control->SyncWithCore(true);
    EXPECT_FALSE(doc->OnSaveDocument(path.c_str()));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ReadFile(path), saved);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    doc->SetModifiedFlag(FALSE);
    doc->OnCloseDocument();
    ::DeleteFileA(path.c_str());
}

TEST(TXDocView, SaveAsTakesTheFormatOfTheChosenName)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetFileFormat(), TXFORMAT_NATIVE);
    doc->GetTextControl()->ReplaceSel("Weather at ten.");
    const std::string path = TempPath("saved_as.htm");
    ::DeleteFileA(path.c_str());
    int dialogs = 0;
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        if (r.nKind == afxModalFileDialog) {
            ++dialogs;
            return AFX_MODAL_REPLY::Answer(IDOK, path.c_str());
        }
        return AFX_MODAL_REPLY::Answer(IDCANCEL);
    });
    ASSERT_TRUE(doc->DoSave(nullptr, TRUE));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(doc->GetFileFormat(), TXFORMAT_HTML);
    EXPECT_EQ(std::string(doc->GetPathName()), path);
    const std::string saved = ReadFile(path);
    EXPECT_NE(saved.find("<html"), std::string::npos);
    EXPECT_NE(saved.find("Weather at ten."), std::string::npos);
    doc->OnCloseDocument();
    ::DeleteFileA(path.c_str());
}

TEST(TXDocView, EditingCommandsReachTheTextControl)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    // Typing marks the document changed.
    for (char c : std::string("Rain, rain and more rain"))
        control->SendMessage(WM_CHAR, (WPARAM)(unsigned char)c, 0);
    EXPECT_TRUE(doc->IsModified());

    program.Command(ID_EDIT_SELECT_ALL);
    program.Command(ID_EDIT_CUT);
    EXPECT_EQ(DocText(doc), "");
    program.Command(ID_EDIT_UNDO);
    EXPECT_EQ(DocText(doc), "Rain, rain and more rain");
    program.Command(ID_EDIT_REDO);
    EXPECT_EQ(DocText(doc), "");
    program.Command(ID_EDIT_UNDO);

    CTXView* view = doc->GetTXView();
    control->SetSel(0, 0);
    ASSERT_TRUE(view->FindText("rain", TRUE, FALSE, TRUE));
    long a, b;
    control->GetSel(a, b);
    EXPECT_EQ(a, 6);
    EXPECT_EQ(b, 10);
    EXPECT_FALSE(view->FindText("snow", FALSE, FALSE, TRUE));
    // Whole words only: "rain" inside "drained" does not count.
    control->SetSel(0, -1);
    control->ReplaceSel("rain drained rain");
    EXPECT_EQ(view->ReplaceAll("RAIN", "sun", FALSE, TRUE), 2);
    EXPECT_EQ(DocText(doc), "sun drained sun");

    // The character dialog's choice formats the selection.
    control->SetSel(0, 3);
    ModalAnswers answers([](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalCommonDialog)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        CFontDialog* dialog = static_cast<CFontDialog*>(r.pObject);
        lstrcpyA(dialog->m_lf.lfFaceName, "Courier New");
        dialog->m_lf.lfWeight = FW_BOLD;
        dialog->m_cf.iPointSize = 180;
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    program.Command(ID_TX_FORMAT_CHAR);
    const CRichCharFormat& f = control->Core().Document().FormatAt(0);
    EXPECT_EQ(f.face, "Courier New");
    EXPECT_TRUE(f.bold);
    EXPECT_EQ(f.halfPoints, 36);
    EXPECT_FALSE(control->Core().Document().FormatAt(4).bold);
    doc->SetModifiedFlag(FALSE);
}

TEST(TXDocView, TheBarsShowTheCaretAndFormatTheSelection)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    CTXButtonBar buttons;
    ASSERT_TRUE(buttons.Create(program.frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 59396));
    CTXStatusBar status;
    ASSERT_TRUE(status.Create(program.frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 59397, 5,
                              "Page: %4u\nLine: %4lu\nCol: %4u"));
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    control->ConnectToolBar(&buttons, &status);
    control->ReplaceSel("Weather\nSport and more");
    control->SetSel(14, 14);
    EXPECT_EQ(std::string(status.GetPaneText(1)), "Page:    1");
    EXPECT_EQ(std::string(status.GetPaneText(2)), "Line:    2");
    EXPECT_EQ(std::string(status.GetPaneText(3)), "Col:    7");

    // The boxes follow the caret's format; choosing in them formats the selection.
    EXPECT_EQ(buttons.GetControl(), control);
    EXPECT_EQ(std::string(buttons.GetFaceText()), "Arial");
    EXPECT_EQ(std::string(buttons.GetSizeText()), "12");
    control->SetSel(8, 13);
    buttons.ChooseFace("Courier New");
    buttons.ChooseSize(20);
    const CRichDocument& d = control->Core().Document();
    EXPECT_EQ(d.FormatAt(8).face, "Courier New");
    EXPECT_EQ(d.FormatAt(12).halfPoints, 40);
    EXPECT_EQ(d.FormatAt(13).face, "Arial");
    // A size box holding no number changes nothing.
    buttons.m_wndSize.SetWindowText("big");
    buttons.ChooseFace("Courier New");
    EXPECT_EQ(d.FormatAt(12).halfPoints, 40);
    // The style buttons' commands reach the active view.
    program.Command(ID_TX_BOLD);
    EXPECT_TRUE(d.FormatAt(8).bold);
    EXPECT_FALSE(d.FormatAt(7).bold);
    doc->SetModifiedFlag(FALSE);
    control->ConnectToolBar(nullptr, nullptr);
}

TEST(TXDocView, ParagraphCommandsFormatTheSelectedParagraphs)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    control->ReplaceSel("Headline\nStory\nEnd");
    const CRichDocument& d = control->Core().Document();

    // The alignment buttons: the caret's paragraph, and the check on the one in force.
    control->SetSel(10, 10);
    program.Command(ID_TX_ALIGN_CENTER);
    EXPECT_EQ(TXALIGN_CENTER, d.ParaFormat(1).align);
    EXPECT_EQ(TXALIGN_LEFT, d.ParaFormat(0).align);
    struct Probe : CCmdUI
    {
        int checked = -1;
        void SetCheck(int n) override { checked = n; }
        void Enable(BOOL) override { }
    } probe;
    probe.m_nID = ID_TX_ALIGN_CENTER;
    probe.DoUpdate(doc->GetTXView(), FALSE);
    EXPECT_EQ(1, probe.checked);

    // The paragraph dialog: what it shows, and what was changed in it reaches every
    // paragraph of the selection (the rest of their formats stay).
    CString shownLeft;
    int shownAlign = -1;
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalDialog)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        return AFX_MODAL_REPLY::Script([&](CWnd* dialog) {
            dialog->GetDlgItemText(CTXParagraphDialog::IDC_TXP_LEFT, shownLeft);
            CComboBox* align =
                static_cast<CComboBox*>(dialog->GetDlgItem(CTXParagraphDialog::IDC_TXP_ALIGN));
            shownAlign = align->GetCurSel();
            dialog->SetDlgItemText(CTXParagraphDialog::IDC_TXP_LEFT, "36");
            dialog->SetDlgItemText(CTXParagraphDialog::IDC_TXP_BEFORE, "6");
            static_cast<CComboBox*>(dialog->GetDlgItem(CTXParagraphDialog::IDC_TXP_LINE))
                ->SetCurSel(CTXParagraphDialog::kExactly);
            dialog->SetDlgItemText(CTXParagraphDialog::IDC_TXP_LINEAT, "14");
            dialog->CheckDlgButton(CTXParagraphDialog::IDC_TXP_PAGEBREAK, BST_CHECKED);
            dialog->SendMessage(WM_COMMAND, IDOK, 0);
        });
    });
    control->SetSel(2, 12); // the first two paragraphs
    program.Command(ID_TX_FORMAT_PARAGRAPH);
    EXPECT_EQ("0", std::string(shownLeft));
    EXPECT_EQ(TXALIGN_LEFT, shownAlign); // the first selected paragraph's
    for (size_t line : {0u, 1u}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(720, d.ParaFormat(line).leftIndent);
        EXPECT_EQ(120, d.ParaFormat(line).spaceBefore);
        EXPECT_EQ(-280, d.ParaFormat(line).lineSpacing);
        EXPECT_TRUE(d.ParaFormat(line).pageBreakBefore);
    }
    EXPECT_EQ(TXALIGN_CENTER, d.ParaFormat(1).align) << "unchanged in the dialog";
    EXPECT_EQ(0, d.ParaFormat(2).leftIndent);
    // A number the dialog cannot take keeps it open: nothing changes.
    ModalAnswers bad([](const AFX_MODAL_REQUEST&) {
        return AFX_MODAL_REPLY::Script([](CWnd* dialog) {
            dialog->SetDlgItemText(CTXParagraphDialog::IDC_TXP_RIGHT, "wide");
            dialog->SendMessage(WM_COMMAND, IDOK, 0);
        });
    });
    program.Command(ID_TX_FORMAT_PARAGRAPH);
    EXPECT_EQ(0, d.ParaFormat(0).rightIndent);
    EXPECT_EQ(720, d.ParaFormat(0).leftIndent);

    // A page break, undone in one step; the views and the zoom.
    control->SetSel(15, 15); // the start of "End"
    program.Command(ID_TX_INSERT_PAGEBREAK);
    EXPECT_TRUE(d.ParaFormat(2).pageBreakBefore);
    program.Command(ID_EDIT_UNDO);
    EXPECT_FALSE(d.ParaFormat(2).pageBreakBefore);
    program.Command(ID_TX_VIEW_PAGELAYOUT);
    EXPECT_EQ(TXVIEW_PAGELAYOUT, control->GetViewMode());
    program.Command(ID_TX_ZOOM_200);
    EXPECT_EQ(200, control->GetZoom());
    program.Command(ID_TX_ZOOM_WIDTH);
    EXPECT_EQ(CTXTextControl::TXZOOM_PAGEWIDTH, control->GetZoomFit());
    program.Command(ID_TX_VIEW_NORMAL);
    EXPECT_EQ(TXVIEW_NORMAL, control->GetViewMode());
    doc->SetModifiedFlag(FALSE);
}

TEST(TXDocView, HyperlinkCommandLinksTheSelection)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    control->ReplaceSel("Visit our site today");
    const CRichDocument& d = control->Core().Document();

    // The dialog opens on the selected text; OK without an address says so and stays open.
    CString shownText;
    int notices = 0;
    AFX_MESSAGEBOX_ANSWERER previousBoxes =
        AfxSetMessageBoxAnswerer([&](const AFX_MESSAGEBOX_REQUEST&) { return ++notices, IDOK; });
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalDialog)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        return AFX_MODAL_REPLY::Script([&](CWnd* dialog) {
            dialog->GetDlgItemText(CTXHyperlinkDialog::IDC_TXH_TEXT, shownText);
            dialog->SendMessage(WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(::IsWindow(dialog->m_hWnd)) << "closed without an address";
            dialog->SetDlgItemText(CTXHyperlinkDialog::IDC_TXH_ADDRESS, " http://example.org ");
            dialog->SendMessage(WM_COMMAND, IDOK, 0);
        });
    });
    control->SetSel(10, 14); // "site"
    program.Command(ID_TX_INSERT_HYPERLINK);
    AfxSetMessageBoxAnswerer(previousBoxes);
    EXPECT_EQ("site", std::string(shownText));
    EXPECT_EQ(1, notices);
    ASSERT_EQ(1u, d.Fields().size());
    const CRichField& link = d.Fields()[0];
    EXPECT_EQ(TXFIELDTYPE_LINK, link.type);
    EXPECT_EQ("http://example.org", richtext::Utf16ToAnsi(link.typeText));
    EXPECT_EQ(10u, link.start);
    EXPECT_EQ(4u, link.length);
    EXPECT_TRUE(doc->IsModified());

    // Cancel changes nothing.
    ModalAnswers cancel([](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(IDCANCEL); });
    program.Command(ID_TX_INSERT_HYPERLINK);
    EXPECT_EQ(1u, d.Fields().size());
    doc->SetModifiedFlag(FALSE);
}

TEST(TXDocView, ImageAndObjectCommandsInsertTheChosenFile)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    control->ReplaceSel("Map here");
    const CRichDocument& d = control->Core().Document();

    // A PNG picture of 32 x 16 pixels, a damaged picture, and any file for an object.
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x20\0\0\0\x10\x08\x02\0\0\0", 29);
    const std::string picture = TempPath("map.png"), damaged = TempPath("bad.bmp"),
                      file = TempPath("rundown.xls");
    WriteFile(picture, png);
    WriteFile(damaged, "BM not a bitmap at all");
    WriteFile(file, std::string("sheet\0data", 10));
    std::string chosen;
    int boxes = 0;
    AFX_MESSAGEBOX_ANSWERER previousBoxes =
        AfxSetMessageBoxAnswerer([&](const AFX_MESSAGEBOX_REQUEST&) { return ++boxes, IDOK; });
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalFileDialog)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        return AFX_MODAL_REPLY::Answer(IDOK, chosen.c_str());
    });
    struct Step
    {
        UINT command;
        const std::string* path;
        bool inserted;
        BYTE kind;
        bool fixed;
    } steps[] = {
        {ID_TX_INSERT_IMAGE_CHAR, &picture, true, CRichObject::kImage, false},
        {ID_TX_INSERT_IMAGE_FIXED, &picture, true, CRichObject::kImage, true},
        {ID_TX_INSERT_IMAGE_CHAR, &damaged, false, 0, false},
        {ID_TX_INSERT_OBJECT_CHAR, &file, true, CRichObject::kObject, false},
        {ID_TX_INSERT_OBJECT_FIXED, &file, true, CRichObject::kObject, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(*step.path);
        chosen = *step.path;
        const size_t before = d.Fields().size();
        const int boxesBefore = boxes;
        control->SetSel(4, 4);
        program.Command(step.command);
        if (!step.inserted) {
            EXPECT_EQ(before, d.Fields().size());
            EXPECT_EQ(boxesBefore + 1, boxes) << "the user hears why";
            continue;
        }
        ASSERT_EQ(before + 1, d.Fields().size());
        const CRichField* f = CTXLayout::EmbeddedAt(d, 4);
        ASSERT_NE(nullptr, f);
        EXPECT_EQ(step.kind, f->object->kind);
        EXPECT_EQ(step.fixed, f->object->fixed);
        if (step.kind == CRichObject::kImage) {
            EXPECT_EQ(png, f->object->data);
            EXPECT_EQ(480, f->object->width); // 32 pixels at 96 an inch
        } else {
            EXPECT_EQ(std::string("sheet\0data", 10), f->object->data);
            EXPECT_EQ("txdocview_rundown.xls", richtext::Utf16ToAnsi(f->object->name));
        }
    }
    AfxSetMessageBoxAnswerer(previousBoxes);
    doc->SetModifiedFlag(FALSE);
    for (const std::string* p : {&picture, &damaged, &file})
        ::DeleteFileA(p->c_str());
}

TEST(TXDocView, TableCommandsMakeFormatAndDeleteRows)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    CTXTextControl* control = doc->GetTextControl();
    control->ReplaceSel("Before\nAfter");
    const CRichDocument& d = control->Core().Document();
    int boxes = 0;
    AFX_MESSAGEBOX_ANSWERER previousBoxes =
        AfxSetMessageBoxAnswerer([&](const AFX_MESSAGEBOX_REQUEST&) { return ++boxes, IDOK; });

    // Insert: rows and columns from the dialog; a number out of range keeps it open.
    std::function<void(CWnd*)> script;
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalDialog)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        return AFX_MODAL_REPLY::Script(script);
    });
    script = [&](CWnd* dialog) {
        dialog->SetDlgItemText(CTXTableDialog::IDC_TXT_SECOND, "64");
        dialog->SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(::IsWindow(dialog->m_hWnd));
        dialog->SetDlgItemText(CTXTableDialog::IDC_TXT_FIRST, "3");
        dialog->SetDlgItemText(CTXTableDialog::IDC_TXT_SECOND, "4");
        dialog->SendMessage(WM_COMMAND, IDOK, 0);
    };
    control->SetSel(7, 7); // the start of "After"
    program.Command(ID_TX_TABLE_INSERT);
    EXPECT_EQ(1, boxes);
    ASSERT_EQ(5u, d.LastLine() + 1);
    for (size_t line = 1; line <= 3; ++line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(std::vector<int>({2160, 4320, 6480, 8640}), d.ParaFormat(line).cells);
    }
    // The row is one line whose cells start at their columns.
    const CTXLayout& layout = control->Layout();
    const CTXLine& row = layout.Lines()[layout.LineOf(d.LineStart(1))];
    ASSERT_EQ(5u, row.cellEdges.size());
    EXPECT_LT(row.cellEdges[1], row.x[1]) << "the second cell's text starts inside it";
    EXPECT_TRUE(row.borders);

    // Attributes: the caret's row shows its width; the chosen width and borders reach the
    // selected rows.
    CString shown;
    script = [&](CWnd* dialog) {
        dialog->GetDlgItemText(CTXTableDialog::IDC_TXT_FIRST, shown);
        dialog->SetDlgItemText(CTXTableDialog::IDC_TXT_FIRST, "72");
        dialog->CheckDlgButton(CTXTableDialog::IDC_TXT_BORDERS, BST_UNCHECKED);
        dialog->SendMessage(WM_COMMAND, IDOK, 0);
    };
    control->SetSel(static_cast<long>(d.LineStart(1)), static_cast<long>(d.LineStart(2)));
    program.Command(ID_TX_TABLE_ATTR);
    EXPECT_EQ("108", std::string(shown));
    for (size_t line : {1u, 2u}) {
        EXPECT_EQ(std::vector<int>({1440, 2880, 4320, 5760}), d.ParaFormat(line).cells);
        EXPECT_FALSE(d.ParaFormat(line).borders);
    }
    EXPECT_TRUE(d.ParaFormat(3).borders) << "a row outside the selection keeps its own";
    // Outside a table the attributes say so.
    control->SetSel(0, 0);
    program.Command(ID_TX_TABLE_ATTR);
    EXPECT_EQ(2, boxes);

    // Grid lines toggle; deleting lines takes the selected rows.
    EXPECT_TRUE(control->GridLinesShown());
    program.Command(ID_TX_TABLE_GRIDLINES);
    EXPECT_FALSE(control->GridLinesShown());
    control->SetSel(static_cast<long>(d.LineStart(2)), static_cast<long>(d.LineStart(3)));
    program.Command(ID_TX_TABLE_DELROWS);
    EXPECT_EQ(u"Before\n\a\a\a\nAfter", d.Text());
    AfxSetMessageBoxAnswerer(previousBoxes);
    doc->SetModifiedFlag(FALSE);
}

namespace {

std::vector<std::string> TextsOf(HENHMETAFILE page)
{
    std::vector<std::string> texts;
    for (const CPageText& t : CPageDevice::TextsOf(page))
        texts.push_back((LPCSTR)t.strText);
    return texts;
}

TEST(TXDocView, PrintsAndPreviewsItsTextInPagesOnThePageDevice)
{
    TxProgram program;
    ASSERT_NE(program.frame, nullptr);
    program.app.OnFileNew();
    CTXDoc* doc = static_cast<CTXDoc*>(program.frame->GetActiveFrame()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    std::string script;
    for (int i = 1; i <= 120; i++)
        script += "Story line " + std::to_string(i) + (i < 120 ? "\n" : "");
    doc->GetTextControl()->ReplaceSel(script.c_str());
    CPageDevice device;
    CPageDevice* previous = AfxSetPageDevice(&device);
    UINT from = 0, to = 0; // the print dialog's range, 0: all pages
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& request) {
        if (CPrintDialog* pd = dynamic_cast<CPrintDialog*>(request.pObject)) {
            if (from != 0) {
                pd->m_pd.Flags |= PD_PAGENUMS;
                pd->m_pd.nFromPage = (WORD)from;
                pd->m_pd.nToPage = (WORD)to;
            }
            return AFX_MODAL_REPLY::Answer(IDOK);
        }
        return AFX_MODAL_REPLY::Answer(IDCANCEL);
    });

    // Every line once, in order, over several pages of 12-point text at 300 dpi.
    program.Command(ID_FILE_PRINT);
    int pages = device.GetPageCount();
    ASSERT_GE(pages, 2);
    std::vector<std::string> all;
    std::vector<std::string> firsts;
    for (int p = 0; p < pages; p++) {
        std::vector<std::string> texts = TextsOf(device.GetPage(p));
        ASSERT_FALSE(texts.empty());
        firsts.push_back(texts.front());
        all.insert(all.end(), texts.begin(), texts.end());
    }
    ASSERT_EQ(all.size(), 120u);
    for (int i = 0; i < 120; i++)
        EXPECT_EQ(all[i], "Story line " + std::to_string(i + 1));
    std::vector<CPageText> first = device.GetPageTexts(0);
    EXPECT_NEAR(first[0].rectBounds.left, 300, 30); // an inch in from the edge
    EXPECT_NEAR(first[1].rectBounds.top - first[0].rectBounds.top, 55, 15); // 12 points

    // Page 2 alone.
    from = to = 2;
    program.Command(ID_FILE_PRINT);
    ASSERT_EQ(device.GetPageCount(), 1);
    EXPECT_EQ(TextsOf(device.GetPage(0)).front(), firsts[1]);

    // The preview shows the same pages.
    program.Command(ID_FILE_PRINT_PREVIEW);
    CWnd* pane = program.frame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(pane->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    CPreviewView* preview = static_cast<CPreviewView*>(pane);
    EXPECT_EQ(TextsOf(preview->GetPageImage(2)).front(), firsts[1]);
    EXPECT_EQ(preview->GetPageImage(pages + 1), nullptr);
    program.Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_FALSE(
        program.frame->GetDlgItem(AFX_IDW_PANE_FIRST)->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    AfxSetPageDevice(previous);
    doc->SetModifiedFlag(FALSE);
}

} // namespace
