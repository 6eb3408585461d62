// The document model: editing keeps fields whole, ids follow insertion order, data and
// text survive typing around them.
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "richtext/RichDocument.h"

#include <gtest/gtest.h>

namespace {

CRichCharFormat Plain() { return CRichCharFormat(); }

TEST(RichDocument, FieldIdsFollowInsertionOrderAndAreNeverReused)
{
    CRichDocument d;
    d.Append(W("abc def"), Plain());
    DWORD a = d.InsertField(3, TXFIELD_BREAKPART, W("X"), Plain());
    DWORD b = d.InsertField(0, TXFIELD_BREAKPART, W("Y"), Plain());
    DWORD c = d.InsertField(d.Length(), TXFIELD_BREAKPART, W("Z"), Plain());
    EXPECT_EQ(1u, a);
    EXPECT_EQ(2u, b);
    EXPECT_EQ(3u, c);
    ASSERT_TRUE(d.DeleteField(c, false));
    EXPECT_EQ(4u, d.InsertField(0, TXFIELD_BREAKPART, W("W"), Plain()));
    // The walk follows the document's order, not the ids.
    std::vector<DWORD> walk;
    for (DWORD id = d.NextField(0); id; id = d.NextField(id))
        walk.push_back(id);
    EXPECT_EQ((std::vector<DWORD> {4, 2, 1}), walk);
    EXPECT_TRUE(d.IsConsistent());
}

TEST(RichDocument, EditsCuttingIntoAFieldLeaveItWhole)
{
    struct Case
    {
        const char* what;
        size_t lo, hi;
        const char* insert;
        const char* expectText;
        bool fieldSurvives;
    };
    // Text "one [FIELD] two" with the field over "[FIELD]" (offsets 4..11).
    const Case cases[] = {
        {"delete over the field's start", 2, 6, "", "on[FIELD] two", true},
        {"delete over the field's end", 8, 13, "", "one [FIELD]wo", true},
        {"delete inside the field", 6, 8, "", "one [FIELD] two", true},
        {"typing inside goes after the field", 7, 7, "x", "one [FIELD]x two", true},
        {"delete covering the whole field", 3, 12, "", "onetwo", false},
        {"replace covering the field exactly", 4, 11, "Z", "one Z two", false},
        {"insert right before the field", 4, 4, "x", "one x[FIELD] two", true},
    };
    for (const Case& k : cases) {
        CRichDocument d;
        d.Append(W("one  two"), Plain());
        DWORD id = d.InsertField(4, TXFIELD_INSTRUCTION, W("[FIELD]"), Plain());
        d.SetFieldData(id, 0xCAFE);
        d.Replace(k.lo, k.hi, W(k.insert), Plain());
        EXPECT_EQ(k.expectText, A(d.Text())) << k.what;
        const CRichField* f = d.FindField(id);
        EXPECT_EQ(k.fieldSurvives, f != nullptr) << k.what;
        if (f) {
            EXPECT_EQ("[FIELD]", A(d.Text()).substr(f->start, f->length)) << k.what;
            EXPECT_EQ(0xCAFEu, f->data) << k.what;
        }
        EXPECT_TRUE(d.IsConsistent()) << k.what;
    }
}

TEST(RichDocument, TargetsStayAtTheirPlaceWhileTextChangesAround)
{
    CRichDocument d;
    d.Append(W("abcdef"), Plain());
    CRichField t;
    t.type = TXFIELDTYPE_TARGET;
    t.typeText = u"mark";
    t.start = 3;
    ASSERT_TRUE(d.AddField(t));
    DWORD id = d.FindTarget(W("mark"));
    d.Replace(3, 3, W("XY"), Plain()); // typing at the target: the target stays before it
    EXPECT_EQ(3u, d.FindField(id)->start);
    d.Replace(0, 2, W(""), Plain());
    EXPECT_EQ(1u, d.FindField(id)->start);
    d.Replace(0, 1, W(""), Plain()); // a deletion that ends at the target keeps it
    EXPECT_EQ(0u, d.FindField(id)->start);
    d.Replace(0, 0, W("Q"), Plain()); // typing at the target keeps it first
    EXPECT_EQ(0u, d.FindField(id)->start);

    CRichDocument e;
    e.Append(W("abcdef"), Plain());
    ASSERT_TRUE(e.AddField(t));
    e.Replace(2, 4, W(""), Plain()); // a deletion over it removes it
    EXPECT_TRUE(e.Fields().empty());
    EXPECT_TRUE(e.IsConsistent());
}

TEST(RichDocument, FieldTextChangesAndDeletionKeepingText)
{
    CRichDocument d;
    d.Append(W("ab"), Plain());
    DWORD f1 = d.InsertField(1, TXFIELD_INSTRUCTION, W("<1>"), Plain());
    DWORD f2 = d.InsertField(d.Length(), TXFIELD_INSTRUCTION, W("<2>"), Plain());
    ASSERT_TRUE(d.SetFieldText(f1, W("<one>")));
    EXPECT_EQ("a<one>b<2>", A(d.Text()));
    EXPECT_EQ(7u, d.FindField(f2)->start);
    ASSERT_TRUE(d.DeleteField(f1, true));
    EXPECT_EQ("a<one>b<2>", A(d.Text()));
    EXPECT_EQ(0u, d.FieldAt(3));
    ASSERT_TRUE(d.DeleteField(f2, false));
    EXPECT_EQ("a<one>b", A(d.Text()));
    EXPECT_FALSE(d.DeleteField(f2, false));
    EXPECT_FALSE(d.SetFieldText(f2, W("x")));
}

TEST(RichDocument, LineEndsAreNormalisedAndLinesCounted)
{
    CRichDocument d;
    d.Append(W("a\r\nb\rc\nd"), Plain());
    d.Replace(0, 0, W(std::string("z\0\r\n", 4)), Plain());
    EXPECT_EQ("z\na\nb\nc\nd", A(d.Text()));
    EXPECT_EQ(4u, d.LastLine());
    EXPECT_EQ(2u, d.LineStart(1));
    EXPECT_EQ(1u, d.LineOf(3));
    EXPECT_EQ(2u, d.LineOf(4));
    EXPECT_EQ(d.Length() + 1, d.LineStart(9));
}

TEST(TextControlCore, FieldDataSurvivesTypingAroundIt)
{
    CTextControlCore c;
    Type(c, "Intro line");
    DWORD id = InsertInstruction(c, "\n\xABStart\xBB", 2);
    // Type before the field, after it and into it.
    Select(c, 0, 0);
    Type(c, "Before ");
    Select(c, -1, -1);
    Select(c, static_cast<long>(c.Document().Length()), static_cast<long>(c.Document().Length()));
    Type(c, "After");
    TXPAIR pos = FieldPos(c, id);
    Select(c, pos.first + 2, pos.first + 2);
    Type(c, "!");
    EXPECT_EQ("\n\xABStart\xBB", FieldText(c, id));
    DWORD data = 0;
    ASSERT_TRUE(c.FieldGetData(id, data));
    EXPECT_EQ(2u, data);
    EXPECT_EQ("Before Intro line\n\n\xABStart\xBB!\nAfter", A(c.Document().Text()));
    EXPECT_TRUE(c.Document().IsConsistent());
}

TEST(TextControlCore, BackspaceAndDeleteRemoveAFieldWhole)
{
    CTextControlCore c;
    Type(c, "ab");
    Select(c, 1, 1);
    Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "<F>");
    EXPECT_EQ("a<F>b", A(c.Document().Text()));
    Select(c, 4, 4);
    c.Backspace();
    EXPECT_EQ("ab", A(c.Document().Text()));
    EXPECT_TRUE(c.Document().Fields().empty());
    Select(c, 1, 1);
    Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "<G>");
    Select(c, 1, 1);
    c.DeleteForward();
    EXPECT_EQ("ab", A(c.Document().Text()));
    EXPECT_EQ(1, c.Caret());
}

TEST(TextControlCore, UndoAndRedoRestoreTextFieldsAndSelection)
{
    CTextControlCore c;
    for (char ch : std::string("one two"))
        c.TypeChar(ch);
    DWORD id = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "[F]"));
    c.FieldSetData(id, 9);
    Select(c, 0, 3);
    Send(c, TXM_SETSTYLE, TXSTYLE_BOLD, LPARAM(0));
    EXPECT_TRUE(c.Document().FormatAt(0).bold);

    ASSERT_TRUE(c.Undo()); // bold
    EXPECT_FALSE(c.Document().FormatAt(0).bold);
    ASSERT_TRUE(c.Undo()); // field
    EXPECT_EQ("one two", A(c.Document().Text()));
    ASSERT_TRUE(c.Undo()); // "two" (typing groups by word)
    EXPECT_EQ("one", A(c.Document().Text()));
    ASSERT_TRUE(c.Redo());
    ASSERT_TRUE(c.Redo());
    EXPECT_EQ("one two[F]", A(c.Document().Text()));
    DWORD data = 0;
    ASSERT_TRUE(c.FieldGetData(id, data));
    EXPECT_EQ(9u, data);
    while (c.Undo()) {
    }
    EXPECT_EQ("", A(c.Document().Text()));
    EXPECT_FALSE(c.CanUndo());
}

} // namespace

namespace {

TEST(TextControlCore, CopyAndPasteCarryFormattingAndFieldsWithNewIds)
{
    CTextControlCore c;
    Type(c, "one two three");
    Select(c, 4, 4);
    DWORD f = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "[F]"));
    c.FieldSetData(f, 8);
    Select(c, 0, 3);
    Send(c, TXM_SETSTYLE, TXSTYLE_BOLD, LPARAM(0));
    // "one [F]two three": copy "one [F]t", which cuts no field.
    Select(c, 0, 8);
    CRichDocument clip = c.SelectedDocument();
    EXPECT_EQ("one [F]t", A(clip.Text()));
    ASSERT_EQ(1u, clip.Fields().size());
    // A copy that cuts into a field leaves it out.
    Select(c, 0, 5);
    EXPECT_TRUE(c.SelectedDocument().Fields().empty());

    Select(c, 16, 16);
    c.ReplaceSelWith(clip);
    EXPECT_EQ("one [F]two threeone [F]t", A(c.Document().Text()));
    ASSERT_EQ(2u, c.Document().Fields().size());
    const CRichField& pasted = c.Document().Fields()[1];
    EXPECT_EQ(f + 1, pasted.id);
    EXPECT_EQ(8u, pasted.data);
    EXPECT_EQ(20u, pasted.start);
    EXPECT_TRUE(c.Document().FormatAt(16).bold);
    EXPECT_FALSE(c.Document().FormatAt(19).bold);
    EXPECT_TRUE(c.Document().IsConsistent());
    ASSERT_TRUE(c.Undo());
    EXPECT_EQ("one [F]two three", A(c.Document().Text()));
}

} // namespace
