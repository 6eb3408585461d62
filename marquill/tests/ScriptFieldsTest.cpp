// Slide-show instruction fields and the field protection while typing: instructions stand on
// lines of their own with their code; keys that would damage a field become safe edits;
// pasted text comes in without instruction fields.
#include "ScriptTestSupport.h"

#include "MarquillResource.h"

namespace {

const char kStart[] = "\xABStart\xBB";

class ScriptFields : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override
    {
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    // The text, then a Start instruction inserted with the caret at `at`.
    void TextWithStart(const std::string& text, long at)
    {
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel(text.c_str());
        view->SetSelPair(at, at);
        Command(IDM_PP_START);
    }
    const CRichDocument& Doc() { return view->GetTextControl()->Core().Document(); }
    CMyTXWordsView* view = nullptr;
};

} // namespace

TEST_F(ScriptFields, InstructionsStandOnTheirOwnLine)
{
    struct Case
    {
        const char* text;
        long at;
        const char* expected;
        long caret; // where the caret stands afterwards: on the field
    } cases[] = {
        // Mid-line: the line is split, the field between the halves.
        {"Top story here", 4, "Top \n\xABStart\xBB\nstory here", 6},
        // At the start of an empty line: the field there, a line feed after it.
        {"One\n\nTwo", 4, "One\n\xABStart\xBB\n\nTwo", 5},
        // At the start of the text.
        {"", 0, "\xABStart\xBB\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TextWithStart(c.text, c.at);
        EXPECT_EQ(ViewText(view), c.expected);
        ASSERT_EQ(Doc().Fields().size(), 1u);
        const CRichField& f = Doc().Fields()[0];
        EXPECT_EQ(f.kind, TXFIELD_INSTRUCTION);
        EXPECT_EQ(f.data, 2u);
        // The field's text is exactly the instruction: the prompter gets exactly «Start».
        EXPECT_EQ(richtext::Utf16ToAnsi(Doc().Text().substr(f.start, f.length)), kStart);
        EXPECT_EQ(Doc().FormatAt(f.start).color, RGB(255, 0, 0));
        EXPECT_EQ(Caret(view), c.caret);
        view->SendTx(TXM_FIELDDELETE, f.id, 1);
    }
}

TEST_F(ScriptFields, TheFiveCommandsAndWhenTheyAreOffered)
{
    const struct
    {
        UINT id;
        const char* text;
        DWORD code;
    } commands[] = {{IDM_PP_START, "Start", 2},
                    {IDM_PP_NEXT, "Next", 4},
                    {IDM_PP_CLOSE, "Close", 8},
                    {IDM_PP_PREVIOUS, "Previous", 16}};
    for (const auto& c : commands) {
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel("");
        EXPECT_TRUE(Enabled(view, c.id));
        Command(c.id);
        ASSERT_EQ(Doc().Fields().size(), 1u) << c.text;
        EXPECT_EQ(Doc().Fields()[0].data, c.code);
        EXPECT_EQ(ViewText(view), std::string("\xAB") + c.text + "\xBB\n");
        // The caret inside the field: no instruction goes there.
        view->SetSelPair(2, 2);
        EXPECT_FALSE(Enabled(view, c.id));
    }
    // Load: the chosen path exactly between the brackets, spaces and all.
    view->GetTextControl()->SetSel(0, -1);
    view->GetTextControl()->ReplaceSel("");
    ModalAnswers answers([](const AFX_MODAL_REQUEST&) {
        return AFX_MODAL_REPLY::Answer(IDOK, "C:\\Shows\\Late news\\opening slides.ppt");
    });
    Command(IDM_PP_LOAD);
    EXPECT_EQ(ViewText(view),
              "\xAB"
              "C:\\Shows\\Late news\\opening slides.ppt\xBB\n");
    ASSERT_EQ(Doc().Fields().size(), 1u);
    EXPECT_EQ(Doc().Fields()[0].data, 1u);
    // Without the presentation program none of them is offered.
    view->SetSelPair(0, 0);
    m_app.m_bPowerPointAvailable = 0;
    for (UINT id : {IDM_PP_LOAD, IDM_PP_START, IDM_PP_NEXT, IDM_PP_CLOSE, IDM_PP_PREVIOUS})
        EXPECT_FALSE(Enabled(view, id));
}

TEST_F(ScriptFields, BookmarksAloneAreNoInstructions)
{
    TextWithStart("Headlines", 0);
    EXPECT_TRUE(view->HasInstructionFields());
    view->SendTx(TXM_FIELDDELETE, Doc().Fields()[0].id, 1);
    view->SetSelPair(0, 0);
    const DWORD id = static_cast<DWORD>(
        view->SendTx(TXM_FIELDINSERT, TXFIELD_TARGET, reinterpret_cast<LPARAM>("")));
    char name[] = "Sport";
    TXFIELDSETTYPE type = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, name, 6};
    ASSERT_TRUE(view->SendTx(TXM_FIELDSETTYPE, id, reinterpret_cast<LPARAM>(&type)));
    EXPECT_FALSE(view->HasInstructionFields());
}

TEST_F(ScriptFields, TypingOverAFieldChangesNothingOfIt)
{
    TextWithStart("Before\nAfter", 7);
    ASSERT_EQ(ViewText(view), "Before\n\xABStart\xBB\nAfter");
    // Characters typed inside the field go after it, past a blank; the field stays whole.
    view->SetSelPair(9, 9);
    TypeText(view, "x");
    ASSERT_EQ(Doc().Fields().size(), 1u);
    const CRichField& f = Doc().Fields()[0];
    EXPECT_EQ(richtext::Utf16ToAnsi(Doc().Text().substr(f.start, f.length)), kStart);
    EXPECT_EQ(f.start, 7u);
    // Over a selection across the field: the field keeps all of its text.
    view->SetSelPair(3, 10);
    TypeText(view, "y");
    ASSERT_EQ(Doc().Fields().size(), 1u);
    EXPECT_EQ(richtext::Utf16ToAnsi(Doc().Text().substr(Doc().Fields()[0].start, 7)), kStart);
}

TEST_F(ScriptFields, KeysAroundAFieldKeepItOnItsOwnLine)
{
    // Enter just before the field: a line feed, the caret stays before it.
    TextWithStart("Before\nAfter", 7);
    view->SetSelPair(7, 7);
    PressKey(view, VK_RETURN);
    EXPECT_EQ(ViewText(view), "Before\n\n\xABStart\xBB\nAfter");
    EXPECT_EQ(Caret(view), 7);

    // A letter typed just before a field that starts a line: onto a line of its own.
    view->SetSelPair(8, 8);
    TypeText(view, "Q");
    EXPECT_EQ(ViewText(view), "Before\n\nQ\n\xABStart\xBB\nAfter");

    // Backspace just after the field: the caret moves left, the field stays.
    const long fieldEnd = static_cast<long>(Doc().Fields()[0].end());
    view->SetSelPair(fieldEnd, fieldEnd);
    PressKey(view, VK_BACK);
    EXPECT_EQ(Doc().Fields().size(), 1u);
    EXPECT_EQ(ViewText(view), "Before\n\nQ\n\xABStart\xBB\nAfter");

    // Left inside the field: just before it; Right: just after it.
    const long start = static_cast<long>(Doc().Fields()[0].start);
    view->SetSelPair(start + 3, start + 3);
    PressKey(view, VK_LEFT);
    EXPECT_EQ(Caret(view), start);
    view->SetSelPair(start + 3, start + 3);
    PressKey(view, VK_RIGHT);
    EXPECT_EQ(Caret(view), fieldEnd);

    // Delete just before the line feed that precedes the field does nothing.
    view->SetSelPair(start - 1, start - 1);
    const std::string before = ViewText(view);
    PressKey(view, VK_DELETE);
    EXPECT_EQ(ViewText(view), before);

    // Delete inside the field removes it.
    view->SetSelPair(start + 3, start + 3);
    PressKey(view, VK_DELETE);
    EXPECT_TRUE(Doc().Fields().empty());
}

TEST_F(ScriptFields, ABreakGroupGoesAsAWhole)
{
    // "\BRKT", a time and "BRKT": three fields with consecutive ids.
    view->GetTextControl()->SetSel(0, -1);
    view->GetTextControl()->ReplaceSel("Lead\n");
    for (const char* text : {"\xAB\\BRKT\xBB",
                             "\xAB"
                             "00:02:00\xBB",
                             "\xAB"
                             "BRKT\xBB"}) {
        const long end = static_cast<long>(Doc().Length());
        view->SetSelPair(end, end);
        ASSERT_NE(view->SendTx(TXM_FIELDINSERT, TXFIELD_BREAKPART, reinterpret_cast<LPARAM>(text)),
                  0);
        view->InsertText("\n");
    }
    ASSERT_EQ(Doc().Fields().size(), 3u);
    for (int which = 0; which < 3; ++which) {
        SCOPED_TRACE(which);
        CRichDocument saved = Doc();
        const CRichField& f = Doc().Fields()[which];
        view->SetSelPair(static_cast<long>(f.start) + 2, static_cast<long>(f.start) + 2);
        PressKey(view, which == 1 ? VK_BACK : VK_DELETE);
        EXPECT_TRUE(Doc().Fields().empty());
        view->GetTextControl()->Core().SetDocument(saved);
    }
}

TEST_F(ScriptFields, PasteLeavesInstructionFieldsOut)
{
    TextWithStart("Alpha\nOmega", 6);
    ASSERT_EQ(ViewText(view), "Alpha\n\xABStart\xBB\nOmega");
    view->SetSelPair(0, static_cast<long>(Doc().Length()));
    view->SendTx(WM_COPY);
    view->GetTextControl()->SetSel(0, -1);
    view->GetTextControl()->ReplaceSel("[]");
    view->SetSelPair(1, 1);
    Command(ID_EDIT_PASTE);
    EXPECT_TRUE(Doc().Fields().empty());
    EXPECT_EQ(ViewText(view), "[Alpha\nOmega]");
    EXPECT_EQ(Caret(view), 1); // at the start of the pasted text
}

TEST_F(ScriptFields, PasteKeepsHyperlinksAndImages)
{
    TextWithStart("Alpha\nOmega", 6);
    CTextControlCore& core = view->GetTextControl()->Core();
    core.SetSel(static_cast<long>(Doc().Length()), -1);
    ASSERT_NE(core.InsertHyperlink(u"site", u"http://example.org"), 0u);
    CRichObject image;
    image.data = "data"; // an object holds any bytes
    image.kind = CRichObject::kObject;
    image.format = CRichObject::kFileData;
    ASSERT_NE(core.InsertObject(image), 0u);
    view->SetSelPair(0, static_cast<long>(Doc().Length()));
    view->SendTx(WM_COPY);
    view->GetTextControl()->SetSel(0, -1);
    view->GetTextControl()->ReplaceSel("[]");
    view->SetSelPair(1, 1);
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(Doc().Fields().size(), 2u);
    EXPECT_EQ(Doc().Fields()[0].type, TXFIELDTYPE_LINK);
    EXPECT_EQ(Doc().Fields()[1].type, TXFIELDTYPE_EMBEDDED);
    EXPECT_EQ(Doc().Text(), u"[Alpha\nOmegasite\uFFFC]");
}
