// A script written, formatted, given an instruction and a bookmark, saved in our own format
// and as RTF and read back equal; the warnings about instructions in other formats; the
// reading time of a script; File Open and Save As through the script file dialog.
#include "ScriptTestSupport.h"

#include <cstring>
#include <vector>

#include "MarquillResource.h"
#include "richtext/DocumentFormats.h"
#include "richtext/TXBars.h"
#include "richtext/TXViewIds.h"

namespace {

class ScriptDoc : public ScriptFixture
{
protected:
    // A script typed, with a bold word, a Start instruction and a bookmark "Weather".
    CTXWordsDoc* WriteScript()
    {
        CTXWordsDoc* doc = NewScript();
        if (!doc)
            return nullptr;
        CMyTXWordsView* view = doc->GetScriptView();
        TypeText(view, "Good evening.\rHere is the news.");
        view->SetSelPair(0, 4);
        Command(IDM_BOLD);
        view->SetSelPair(13, 13);
        Command(IDM_PP_START);
        // A centred headline, and the news on a page of its own.
        const long here = static_cast<long>(ViewText(view).find("Here"));
        view->SetSelPair(here, here);
        Command(ID_TX_INSERT_PAGEBREAK);
        view->SetSelPair(0, 0);
        Command(ID_TX_ALIGN_CENTER);
        const long end = static_cast<long>(ViewText(view).size());
        view->SetSelPair(end, end);
        ModalAnswers answers([](const AFX_MODAL_REQUEST& r) {
            return AFX_MODAL_REPLY::Script([](CWnd* dialog) {
                dialog->SetDlgItemText(IDC_BOOKMARK_COMBO, "Weather");
                // The edit's change notification, as typing gives it.
                CWnd* combo = dialog->GetDlgItem(IDC_BOOKMARK_COMBO);
                dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOOKMARK_COMBO, CBN_EDITUPDATE),
                                    (LPARAM)combo->m_hWnd);
                dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOOKMARK_ADD, BN_CLICKED),
                                    (LPARAM)::GetDlgItem(dialog->m_hWnd, IDC_BOOKMARK_ADD));
            });
        });
        Command(IDM_BOOKMARK);
        return doc;
    }
};

const CRichDocument& Content(CTXWordsDoc* doc)
{
    return doc->GetScriptView()->GetTextControl()->Core().Document();
}

} // namespace

TEST_F(ScriptDoc, SavedInOurFormatAndAsRtfReadsBackEqual)
{
    CTXWordsDoc* doc = WriteScript();
    ASSERT_NE(doc, nullptr);
    const CRichDocument written = Content(doc);
    ASSERT_EQ(written.Fields().size(), 2u);
    EXPECT_EQ(richtext::Utf16ToAnsi(written.Text()),
              "Good evening.\n\xABStart\xBB\n\nHere is the news.");
    EXPECT_EQ(written.ParaFormat(0).align, TXALIGN_CENTER);
    EXPECT_TRUE(written.ParaFormat(3).pageBreakBefore);

    const std::string mqd = TempPath("news.mqd"), rtf = TempPath("news.rtf");
    MessageBoxRecorder boxes;
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        static int n = 0;
        return AFX_MODAL_REPLY::Answer(IDOK, (n++ % 2 == 0 ? mqd : rtf).c_str());
    });
    ASSERT_TRUE(doc->DoSave(mqd.c_str()));
    EXPECT_EQ(doc->GetFileFormat(), TXFORMAT_NATIVE);
    EXPECT_TRUE(boxes.m_texts.empty()); // our own format keeps instructions: no warning
    doc->SetFileFormat(TXFORMAT_RTF);
    ASSERT_TRUE(doc->OnSaveDocument(rtf.c_str()));
    doc->OnCloseDocument();

    for (const std::string& path : {mqd, rtf}) {
        SCOPED_TRACE(path);
        CTXWordsDoc* back = Open(path);
        ASSERT_NE(back, nullptr);
        const CRichDocument& read = Content(back);
        EXPECT_EQ(read.Text(), written.Text());
        ASSERT_EQ(read.Fields().size(), written.Fields().size());
        for (size_t i = 0; i < read.Fields().size(); ++i) {
            const CRichField &a = read.Fields()[i], &b = written.Fields()[i];
            EXPECT_EQ(a.start, b.start);
            EXPECT_EQ(a.length, b.length);
            EXPECT_EQ(a.kind, b.kind);
            EXPECT_EQ(a.data, b.data);
            EXPECT_EQ(a.type, b.type);
            EXPECT_EQ(a.typeText, b.typeText);
        }
        for (size_t i = 0; i < read.Length(); ++i)
            ASSERT_EQ(read.FormatAt(i), written.FormatAt(i)) << "at " << i;
        EXPECT_TRUE(read.ParaFormats() == written.ParaFormats());
        EXPECT_TRUE(back->GetScriptView()->HasInstructionFields());
        back->OnCloseDocument();
    }
    ::DeleteFileA(mqd.c_str());
    ::DeleteFileA(rtf.c_str());
}

TEST_F(ScriptDoc, InstructionsInAnotherFormatAreWarnedAbout)
{
    CTXWordsDoc* doc = WriteScript();
    ASSERT_NE(doc, nullptr);
    const std::string mqd = TempPath("News.mqd"), rtf = TempPath("News.rtf");
    ASSERT_TRUE(doc->DoSave(mqd.c_str()));
    // Saving as RTF: the first warning names the file, the dialog opens on the name without
    // its extension, and after the save the second warning follows.
    MessageBoxRecorder boxes;
    std::string offered;
    {
        ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
            if (r.nKind == afxModalFileDialog)
                offered = static_cast<CFileDialog*>(r.pObject)->m_ofn.lpstrFile;
            return AFX_MODAL_REPLY::Answer(IDOK, rtf.c_str());
        });
        doc->SetFileFormat(TXFORMAT_RTF);
        ASSERT_TRUE(doc->DoSave(mqd.c_str()));
    }
    ASSERT_EQ(boxes.m_texts.size(), 2u);
    EXPECT_EQ(boxes.m_texts[0],
              " Document \\mqscript_News.mqd contains PowerPoint Instructions\nTo retain "
              "Instruction formatting, you must save this document in the \"*.mqd\" format");
    EXPECT_EQ(boxes.m_texts[1],
              "The document was not save in the \"*.mqd\" format\n The "
              "PowerPoint instruction formatting maybe lost");
    EXPECT_EQ(offered, mqd.substr(0, mqd.size() - 4));
    EXPECT_EQ(std::string(doc->GetPathName()), rtf);
    EXPECT_EQ(ReadBytes(rtf).compare(0, 5, "{\\rtf"), 0);

    // A cancelled Save As keeps the document's own path, extension and all.
    boxes.m_texts.clear();
    {
        ModalAnswers answers(
            [](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(IDCANCEL); });
        EXPECT_FALSE(doc->DoSave(rtf.c_str()));
    }
    EXPECT_EQ(boxes.m_texts.size(), 2u);
    EXPECT_EQ(std::string(doc->GetPathName()), rtf);
    doc->SetModifiedFlag(FALSE);
    doc->OnCloseDocument();
    ::DeleteFileA(mqd.c_str());
    ::DeleteFileA(rtf.c_str());
}

TEST_F(ScriptDoc, ANewScriptWithInstructionsIsThisNewDocument)
{
    CTXWordsDoc* doc = WriteScript();
    ASSERT_NE(doc, nullptr);
    MessageBoxRecorder boxes;
    ModalAnswers answers(
        [](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(IDCANCEL); });
    EXPECT_FALSE(doc->DoSave(nullptr));
    ASSERT_GE(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0].substr(0, 19), " This new document ");
    doc->SetModifiedFlag(FALSE);
}

TEST_F(ScriptDoc, ReadingTimeFollowsTheTextAndIsLeftForTheShow)
{
    CTXWordsDoc* doc = NewScript();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetReadingCharacters(), 0);
    EXPECT_EQ(std::string(CTXWordsDoc::GetReadingTime(0)), "00:00:00");
    TypeText(doc->GetScriptView(), "  " + std::string(600, 'w') + "  ");
    EXPECT_EQ(doc->GetReadingCharacters(), 660);
    m_app.m_nReadingSpeed = 180;
    EXPECT_EQ(std::string(CTXWordsDoc::GetReadingTime(doc->GetReadingCharacters())), "00:00:37");
    // Saving leaves the script's path and time in the application for the show.
    const std::string path = TempPath("ert.mqd");
    ASSERT_TRUE(doc->DoSave(path.c_str()));
    EXPECT_EQ(std::string(m_app.m_strUpdatedScriptPath), path);
    EXPECT_EQ(std::string(m_app.m_strUpdatedScriptERT), "00:00:37");
    doc->OnCloseDocument();
    ::DeleteFileA(path.c_str());
}

namespace {
// The entry names of a dialog filter ("name\0pattern\0...\0\0").
std::vector<std::string> FilterNames(LPCSTR filter)
{
    std::vector<std::string> names;
    for (LPCSTR p = filter; p && *p;) {
        names.push_back(p);
        p += strlen(p) + 1;
        p += strlen(p) + 1;
    }
    return names;
}

// What a file dialog showed when it was answered.
struct ShownDialog
{
    std::vector<std::string> names;
    DWORD index = 0;
    std::string extension;
};
} // namespace

TEST_F(ScriptDoc, FileOpenAndSaveAsAreTheScriptFileDialog)
{
    const std::string news = TempPath("dialog news.rtf");
    {
        std::ofstream(news, std::ios::binary) << "{\\rtf1 Good evening.\\par}";
    }
    // File Open: the open dialog's formats, starting on the one remembered (RTF); the
    // format chosen is remembered.
    m_app.m_nFilterIndex = 3;
    ShownDialog shown;
    auto answer = [&shown](DWORD choose, std::string path) {
        return [&shown, choose, path](const AFX_MODAL_REQUEST& r) {
            CFileDialog* dialog = dynamic_cast<CFileDialog*>(r.pObject);
            if (!dialog)
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            shown.names = FilterNames(dialog->m_ofn.lpstrFilter);
            shown.index = dialog->m_ofn.nFilterIndex;
            shown.extension = dialog->m_ofn.lpstrDefExt ? dialog->m_ofn.lpstrDefExt : "";
            if (choose)
                dialog->m_ofn.nFilterIndex = choose;
            return AFX_MODAL_REPLY::Answer(IDOK, path.c_str());
        };
    };
    {
        ModalAnswers answers(answer(6, news)); // "All Documents"
        Command(ID_FILE_OPEN);
    }
    ASSERT_EQ(shown.names.size(), 6u);
    EXPECT_EQ(shown.names.front(), "Word Document (*.doc)");
    EXPECT_EQ(shown.names.back(), "All Documents (*.*)");
    EXPECT_EQ(shown.index, 3u);
    EXPECT_EQ(shown.extension, "rtf");
    EXPECT_EQ(m_app.m_nFilterIndex, 7);
    CTXWordsDoc* opened = ActiveScript();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(std::string(opened->GetPathName()), news);
    opened->OnCloseDocument();

    // Save As of a new script: the save dialog's formats, starting on our own document
    // type; a name given without an extension takes the chosen format's, and the script
    // is saved in that format.
    CTXWordsDoc* doc = NewScript();
    ASSERT_NE(doc, nullptr);
    TypeText(doc->GetScriptView(), "Here is the news.");
    const std::string bare = TempPath("dialog evening");
    const std::string saved = bare + ".rtf";
    ::DeleteFileA(saved.c_str());
    {
        MessageBoxRecorder boxes;
        ModalAnswers answers(answer(3, bare)); // RTF
        Command(ID_FILE_SAVE_AS);
        EXPECT_TRUE(boxes.m_texts.empty());
    }
    ASSERT_EQ(shown.names.size(), 6u);
    EXPECT_EQ(shown.names.back(), "Unicode Text Document");
    EXPECT_EQ(shown.index, 4u);
    EXPECT_EQ(shown.extension, "mqd");
    EXPECT_EQ(m_app.m_nFilterIndex, 7); // only open dialogs remember
    EXPECT_EQ(std::string(doc->GetPathName()), saved);
    EXPECT_EQ(doc->GetFileFormat(), TXFORMAT_RTF);
    EXPECT_EQ(ReadBytes(saved).compare(0, 5, "{\\rtf"), 0);

    // Saved again, it starts on its own format now.
    {
        ModalAnswers answers(answer(0, saved));
        Command(ID_FILE_SAVE_AS);
    }
    EXPECT_EQ(shown.index, 3u);
    EXPECT_EQ(shown.extension, "rtf");
    doc->OnCloseDocument();
    ::DeleteFileA(saved.c_str());
    ::DeleteFileA(news.c_str());
}
