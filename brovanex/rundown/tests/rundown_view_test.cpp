// The rundown view on a live grid window: rows written into grid rows with their colours,
// scripts and breaks added through the New Script dialog (answered through the modal
// seam), edits copied back into the rows, dragged rows moved in the row list, and the
// end-of-show row kept out of deletions whichever columns are shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BrovanexResource.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include "modal_support.h"
#include "rundown/RundownView.h"
#include "rundown/ViewPrintPreview.h"
#include "fw/resource_chain.h"
#include "res/GXResource.h"

namespace {
// The derived view of the tests: the callbacks the program fills in, recorded.
class CTestRundownView : public CRundownView
{
public:
    int MakeNewFile(CString* pPath) override
    {
        if (m_strNextFile.IsEmpty())
            return 0;
        *pPath = m_strNextFile;
        return 1;
    }
    int GetFileName(CString& strPath) override { return MakeNewFile(&strPath); }
    void OpenScript(CString& strPath) override { m_opened.push_back((LPCSTR)strPath); }
    void ChangeBreakTime(long nRow) override { m_breakRows.push_back(nRow); }

    CString m_strNextFile;
    std::vector<std::string> m_opened;
    std::vector<long> m_breakRows;
};

class RundownView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_frame.CreateEx(0, AfxRegisterWndClass(0), "rundown", WS_POPUP | WS_VISIBLE, 0, 0, 700,
                         400, nullptr, nullptr);
        m_pDoc = new CRundownDoc;
        m_pDoc->m_bAutoDelete = FALSE; // the fixture deletes it, after the view
        m_pView = new CTestRundownView;
        CCreateContext context;
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 680, 380),
                                    &m_frame, 0xE900, &context));
        m_pView->SendMessage(WM_INITIALUPDATE);
        // Every column, so that each kind of data has its cell.
        CColInfo& info = m_pView->m_ColInfo;
        info.ShowERT = info.ShowSOT = info.ShowTTL = info.ShowCume = 1;
        m_pView->UpdateDisplay(1);
    }
    void TearDown() override
    {
        if (::IsWindow(m_pView->m_hWnd))
            m_pView->DestroyWindow();
        delete m_pDoc;
        m_frame.DestroyWindow();
    }

    CFileInfo* AddRow(int type, const char* slug, const char* sot = "00:00:00",
                      const char* ert = "00:00:30")
    {
        CFileInfo* row = new CFileInfo;
        row->RowType = type;
        row->Slug = slug;
        row->SOT = sot;
        row->ERT = ert;
        if (type == ROW_SCRIPT)
            row->TTL = CBaseGrid::ReCalcTTL(row->ERT, row->SOT);
        if (type == ROW_BREAK) {
            row->BreakSeconds = 90;
            row->TTL = "00:01:30";
        }
        row->SetRecNo();
        m_pView->m_ScriptList.AddTail(row);
        m_pView->m_ScriptList.UpdatePosition();
        m_pView->m_ColInfo.RowCount = (long)m_pView->m_ScriptList.GetCount();
        return row;
    }
    void Refresh() { m_pView->m_ScriptList.CalcCummTime(); }
    CString Cell(ROWCOL row, int index)
    {
        const long col = m_pView->m_Columns.col[index];
        return col < 0 ? CString("<hidden>") : m_pView->m_Grid.GetValueRowCol(row, (ROWCOL)col);
    }
    std::string Slugs()
    {
        std::string slugs;
        for (POSITION pos = m_pView->m_ScriptList.GetHeadPosition(); pos != nullptr;) {
            CFileInfo* row = m_pView->m_ScriptList.GetRow(pos);
            slugs += std::string(slugs.empty() ? "" : ",") + (LPCSTR)row->Slug;
        }
        return slugs;
    }
    void SelectRows(ROWCOL first, ROWCOL last)
    {
        m_pView->m_Grid.GetParam()->m_selRects.DeleteAreas();
        m_pView->m_Grid.GetParam()->m_selRects.AddRange(CGXRange().SetRows(first, last));
    }
    // New Script answered with a title and talent.
    void AnswerNewScript(CModalReplies& modal, const char* title, const char* talent,
                         int button = IDOK)
    {
        modal.Script([=](CWnd* dlg) {
            if (title != nullptr)
                dlg->SetDlgItemText(IDC_NEW_SCRIPT_TITLE, title);
            dlg->SetDlgItemText(IDC_NEW_SCRIPT_TALENT, talent);
            PressButton(dlg, button);
        });
    }

    CWnd m_frame;
    CRundownDoc* m_pDoc = nullptr;
    CTestRundownView* m_pView = nullptr;
};
} // namespace

TEST_F(RundownView, RowsAreWrittenIntoTheGridWithTheirColours)
{
    AddRow(ROW_SCRIPT, "Lead", "00:00:20", "00:00:40");
    AddRow(ROW_BREAK, "{Break}");
    AddRow(ROW_END_OF_SHOW, "{EndOfShow}");
    Refresh();

    CGXGridWnd& grid = m_pView->m_Grid;
    ASSERT_EQ(grid.GetRowCount(), 3u);
    EXPECT_STREQ(Cell(1, COLIDX_SLUG), "Lead");
    EXPECT_STREQ(Cell(1, COLIDX_TTL), "00:01:00");
    EXPECT_STREQ(Cell(1, COLIDX_CUME), "00:01:00");
    EXPECT_STREQ(Cell(2, COLIDX_SLUG), "Break");
    EXPECT_STREQ(Cell(2, COLIDX_TTL), "00:01:30");
    EXPECT_STREQ(Cell(2, COLIDX_CUME), "00:02:30");
    EXPECT_STREQ(Cell(3, COLIDX_SLUG), "End of Show");
    EXPECT_STREQ(Cell(3, COLIDX_CUME), "");

    CGXStyle style;
    grid.ComposeStyleRowCol(2, (ROWCOL)m_pView->m_Columns.col[COLIDX_SLUG], &style);
    EXPECT_EQ(style.GetInterior().GetColor() & 0xFFFFFF, RUNDOWN_BREAK_COLOR);
    EXPECT_EQ(style.GetTextColor() & 0xFFFFFF, 0xFFFFFFu);
    grid.ComposeStyleRowCol(3, 1, &style);
    EXPECT_EQ(style.GetInterior().GetColor() & 0xFFFFFF, RUNDOWN_EOS_COLOR);
    // The record number is in its hidden column.
    EXPECT_EQ(atol(Cell(3, COLIDX_RECNO)),
              static_cast<CFileInfo*>(m_pView->m_ScriptList.GetTail())->RecNo);
    EXPECT_EQ(grid.GetColWidth((ROWCOL)m_pView->m_Columns.col[COLIDX_RECNO]), 0);
}

TEST_F(RundownView, AddedScriptsAndBreaksGoWhereTheyShould)
{
    m_pView->m_ScriptList.AddEOS();
    m_pView->m_ColInfo.RowCount = 1;

    // A new script on a show of the end-of-show row alone goes behind it.
    CModalReplies modal;
    m_pView->m_strNextFile = "C:\\Shows\\Lead story.mqd";
    modal.Script([](CWnd* dlg) {
        EXPECT_STREQ(DlgItemText(dlg, IDC_NEW_SCRIPT_TITLE), "Lead story.mqd");
        dlg->SetDlgItemText(IDC_NEW_SCRIPT_TITLE, "Lead");
        dlg->SetDlgItemText(IDC_NEW_SCRIPT_TALENT, "Anna");
        PressButton(dlg, IDOK);
    });
    m_pView->FileAdd();
    EXPECT_EQ(Slugs(), "{EndOfShow},Lead");
    EXPECT_EQ(m_pView->m_ColInfo.RowCount, 2);
    CFileInfo* lead = static_cast<CFileInfo*>(m_pView->m_ScriptList.GetTail());
    EXPECT_STREQ(lead->Talent, "Anna");
    EXPECT_STREQ(lead->ScriptPath, "C:\\Shows\\Lead story.mqd");
    EXPECT_EQ(lead->Position, 2);
    EXPECT_EQ(m_pView->m_Grid.GetRowCount(), 2u);

    // Inserted after row 1, an existing script; Open In Editor opens it.
    m_pView->m_strNextFile = "C:\\Shows\\Weather.mqd";
    AnswerNewScript(modal, "Weather", "Ben", IDC_NEW_SCRIPT_OPEN);
    ASSERT_EQ(m_pView->FileAddInsert(1, 0, 0, 0), 1);
    EXPECT_EQ(Slugs(), "{EndOfShow},Weather,Lead");
    ASSERT_EQ(m_pView->m_opened.size(), 1u);
    EXPECT_EQ(m_pView->m_opened[0], "C:\\Shows\\Weather.mqd");

    // A break of 90 seconds behind grid row 2: third.
    ASSERT_EQ(m_pView->FileAddInsert(2, 0, 1, 90), 1);
    EXPECT_EQ(Slugs(), "{EndOfShow},Weather,{Break},Lead");
    CFileInfo* brk =
        static_cast<CFileInfo*>(m_pView->m_ScriptList.GetAt(m_pView->m_ScriptList.FindIndex(2)));
    EXPECT_EQ(brk->RowType, ROW_BREAK);
    EXPECT_STREQ(brk->TTL, "00:01:30");
    EXPECT_EQ(m_pView->m_ColInfo.RowCount, 4);

    // Cancelled: the file choice, then the dialog. Nothing changes.
    m_pView->m_strNextFile.Empty();
    EXPECT_EQ(m_pView->FileAddInsert(RUNDOWN_APPEND_ROW, 1, 0, 0), 0);
    m_pView->m_strNextFile = "C:\\Shows\\Sport.mqd";
    AnswerNewScript(modal, "Sport", "Cy", IDCANCEL);
    EXPECT_EQ(m_pView->FileAddInsert(RUNDOWN_APPEND_ROW, 1, 0, 0), 0);
    EXPECT_EQ(Slugs(), "{EndOfShow},Weather,{Break},Lead");
    EXPECT_EQ(m_pView->m_ColInfo.RowCount, 4);
}

TEST_F(RundownView, DeletingNeverTakesTheEndOfShowRowEvenWithTheSlugHidden)
{
    for (int hideSlug = 0; hideSlug < 2; hideSlug++) {
        m_pView->CleanUpShowList();
        m_pView->m_ColInfo.ShowSlug = hideSlug ? 0 : 1;
        m_pView->UpdateDisplay(1);
        AddRow(ROW_SCRIPT, "A");
        AddRow(ROW_SCRIPT, "B");
        AddRow(ROW_END_OF_SHOW, "{EndOfShow}");
        AddRow(ROW_SCRIPT, "C");
        Refresh();
        EXPECT_EQ(m_pView->GetEOSrow(), 3) << hideSlug;

        SelectRows(2, 4);
        m_pView->FileDelete();
        EXPECT_EQ(Slugs(), "A,{EndOfShow}") << hideSlug;
        EXPECT_EQ(m_pView->m_ColInfo.RowCount, 2) << hideSlug;
        EXPECT_EQ(m_pView->m_Grid.GetRowCount(), 2u) << hideSlug;
    }
}

TEST_F(RundownView, EditedCellsReachTheirRowsButReservedSlugsDoNot)
{
    CFileInfo* row = AddRow(ROW_SCRIPT, "Lead", "00:01:30", "00:00:40");
    AddRow(ROW_END_OF_SHOW, "{EndOfShow}");
    Refresh();
    CGXGridWnd& grid = m_pView->m_Grid;
    const ROWCOL sot = (ROWCOL)m_pView->m_Columns.col[COLIDX_SOT];
    const ROWCOL slug = (ROWCOL)m_pView->m_Columns.col[COLIDX_SLUG];

    // The SOT is edited as MMSS and shown again as a time.
    m_pView->BGStartEditing(1, sot);
    EXPECT_STREQ(grid.GetValueRowCol(1, sot), "0130");
    // ... in a masked cell of four digits.
    const CGXStyle& editing = grid.GetCachedCellStyle(1, sot);
    EXPECT_EQ(editing.GetControl(), GX_IDS_CTRL_MASKEDIT);
    ASSERT_TRUE(editing.HasUserAttribute(GX_IDS_UA_MASK));
    EXPECT_STREQ(editing.GetUserAttribute(GX_IDS_UA_MASK).GetValue(), "####");
    EXPECT_EQ(editing.GetMaxLength(), 4);
    m_pView->SetGridValue(&grid, 1, (long)sot, CString("0245"));
    m_pView->BGEndEditing(1, sot);
    EXPECT_STREQ(row->SOT, "00:02:45");
    EXPECT_STREQ(row->TTL, "00:03:25");
    // The cell keeps the masked control, its mask taking the time as it stands.
    const CGXStyle& shown = grid.GetCachedCellStyle(1, sot);
    EXPECT_EQ(shown.GetControl(), GX_IDS_CTRL_MASKEDIT);
    ASSERT_TRUE(shown.HasUserAttribute(GX_IDS_UA_MASK));
    EXPECT_STREQ(shown.GetUserAttribute(GX_IDS_UA_MASK).GetValue(), "&&&&&&&&");
    EXPECT_EQ(shown.GetMaxLength(), 8);

    m_pView->BGStartEditing(1, slug);
    m_pView->SetGridValue(&grid, 1, (long)slug, CString("bReAk"));
    m_pView->BGEndEditing(1, slug);
    EXPECT_STREQ(row->Slug, "Lead");
    m_pView->BGStartEditing(1, slug);
    m_pView->SetGridValue(&grid, 1, (long)slug, CString("Lead story"));
    m_pView->BGEndEditing(1, slug);
    EXPECT_STREQ(row->Slug, "Lead story");

    // A read-only cell (ERT) is not edited.
    m_pView->BGStartEditing(1, (ROWCOL)m_pView->m_Columns.col[COLIDX_ERT]);
    EXPECT_EQ(m_pView->m_bEditing, 0);
}

TEST_F(RundownView, DraggedRowsMoveInTheRowList)
{
    for (const char* slug : {"A", "B", "C", "D", "E"})
        AddRow(ROW_SCRIPT, slug);
    AddRow(ROW_END_OF_SHOW, "{EndOfShow}");
    Refresh();

    struct Case
    {
        ROWCOL from, to, dest;
        long target;
    } cases[] = {{4, 5, 2, 1}, {2, 2, 4, 4}, {1, 2, 4, 5}, {3, 3, 3, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(CMyGridWnd::MoveTarget(c.from, c.to, c.dest), c.target);

    SelectRows(4, 5);
    m_pView->m_Grid.MoveRows(4, 5, 2);
    EXPECT_EQ(Slugs(), "A,D,E,B,C,{EndOfShow}");
    EXPECT_STREQ(Cell(2, COLIDX_SLUG), "D");
    EXPECT_EQ(
        static_cast<CFileInfo*>(m_pView->m_ScriptList.GetAt(m_pView->m_ScriptList.FindIndex(1)))
            ->Position,
        2);
}

TEST_F(RundownView, DoubleClickOpensWhatTheRowNames)
{
    CFileInfo* script = AddRow(ROW_SCRIPT, "Lead");
    script->ScriptPath = "C:\\Shows\\Lead.mqd";
    AddRow(ROW_BREAK, "{Break}");
    AddRow(ROW_END_OF_SHOW, "{EndOfShow}");
    Refresh();
    SelectRows(1, 2);
    m_pView->BGLButtonDblClk(1);
    ASSERT_EQ(m_pView->m_opened.size(), 1u);
    EXPECT_EQ(m_pView->m_opened[0], "C:\\Shows\\Lead.mqd");
    ASSERT_EQ(m_pView->m_breakRows.size(), 1u);
    EXPECT_EQ(m_pView->m_breakRows[0], 2);
}

TEST(RundownViewNames, FileNameAndBreakTime)
{
    EXPECT_STREQ(CBaseRundownView::FileName("a:b*c"), "a_b_c");
    EXPECT_STREQ(CBaseRundownView::FileName("x.y/z\\?<>\"|'\x01\x10"), "x_y_z________\x10");
    EXPECT_STREQ(CBaseRundownView::CalcBreakTime(3900), "01:05:00");
}

TEST_F(RundownView, TheViewCarriesTheLibrarysCursorAndPrintsItsGrid)
{
    // The cursor comes from the library's resources, found through the resource chain.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(IDC_RUNDOWN_CURSOR), RT_GROUP_CURSOR);
    ASSERT_NE(hInst, nullptr);
    EXPECT_NE(m_pView->m_hCursor, nullptr);
    EXPECT_EQ(m_pView->m_hCursor, ::LoadCursorA(hInst, MAKEINTRESOURCE(IDC_RUNDOWN_CURSOR)));
    // Printing is switched on for the rundown's own grid.
    EXPECT_NE(m_pView->m_Grid.PrintImp(), nullptr);
}

TEST(RundownPrintProperties, TwoMoreTokensAndTheBaseTextForTheOthers)
{
    CMyProperties prop;
    ASSERT_GT(prop.m_astrTokens.GetSize(), prop.m_nTokenT);
    EXPECT_STREQ(prop.m_astrTokens[prop.m_nTokenW], "$W");
    EXPECT_STREQ(prop.m_astrTokens[prop.m_nTokenT], "$T");
    EXPECT_NE(prop.m_nTokenW, prop.m_nTokenT);
    struct Case
    {
        int nToken;
        const char* pszText;
    } cases[] = {
        {prop.m_nTokenW, RUNDOWN_TOKEN_W_TEXT},
        {prop.m_nTokenT, "Testing Tokens"},
        {5, ""}, // "$R": the base text, empty while no grid prints with these properties
    };
    for (const Case& c : cases) {
        CString rest = " behind";
        EXPECT_STREQ(prop.SubstTokenText(c.nToken, rest), c.pszText) << c.nToken;
        EXPECT_STREQ(rest, " behind");
    }
}
