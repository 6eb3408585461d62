// The show through the program: a new show and its file, the producer's road (scripts
// added, a break of 1:05:00, times and cumulative times, numbering, rows dragged, a
// script's reading time taken when the script is saved), the show saved, reopened
// byte-identical and saved again changing only what changed; a damaged show file refused
// with the current show and the file untouched; a save that fails said so.
#include "ShowTestSupport.h"

namespace {
std::string FileBytes(const std::string& path) { return ReadBytes(path); }

CString DlgText(CWnd* wnd)
{
    CString text;
    wnd->GetWindowText(text);
    return text;
}

class ShowView : public ShowFixture
{ };
} // namespace

TEST_F(ShowView, ANewShowIsTheEndOfShowRowAndSavesAsItsHeaderAndThatRow)
{
    view->OnNewShow();
    EXPECT_TRUE(view->m_bShowOpen);
    EXPECT_TRUE(view->m_bModified);
    EXPECT_EQ(Slugs(), "{EndOfShow}");
    EXPECT_EQ(view->m_ColInfo.RowCount, 1);
    EXPECT_EQ(view->m_Grid.GetRowCount(), 1u);

    const std::string path = Path("new.shw");
    {
        ModalQueue modal;
        modal.Then(FileAnswer(path));
        ASSERT_TRUE(view->OnSaveShow());
        EXPECT_EQ(modal.m_kinds.size(), 1u);
    }
    EXPECT_FALSE(view->m_bModified);

    CColInfo header = view->m_ColInfo;
    CObList rows;
    rows.AddTail(Row(0));
    const std::string expected = Path("expected.shw");
    ASSERT_TRUE(CShowFile::Write(expected.c_str(), header, rows));
    rows.RemoveAll();
    EXPECT_EQ(FileBytes(path), FileBytes(expected));

    // Closing a saved show saves it again without a question.
    ::DeleteFileA(path.c_str());
    m_boxes.m_texts.clear();
    EXPECT_TRUE(view->CloseShow(MB_YESNOCANCEL));
    EXPECT_TRUE(m_boxes.m_texts.empty());
    EXPECT_EQ(FileBytes(path), FileBytes(expected));
    EXPECT_FALSE(view->m_bShowOpen);
    EXPECT_EQ(view->m_ScriptList.GetCount(), 0);
}

TEST_F(ShowView, AModifiedShowNeverSavedAsksAndCancelKeepsIt)
{
    view->OnNewShow();
    MessageBoxRecorder cancel(IDCANCEL);
    EXPECT_FALSE(view->CloseShow(MB_YESNOCANCEL));
    ASSERT_EQ(cancel.m_texts.size(), 1u);
    EXPECT_EQ(cancel.m_texts[0], "Save Changes to Current Show");
    EXPECT_TRUE(view->m_bShowOpen);

    // New Show is abandoned too.
    const long before = CFileInfo::g_RecNo;
    view->OnNewShow();
    EXPECT_EQ(CFileInfo::g_RecNo, before);

    MessageBoxRecorder no(IDNO);
    EXPECT_TRUE(view->CloseShow(MB_YESNOCANCEL));
    EXPECT_FALSE(view->m_bShowOpen);
}

TEST_F(ShowView, TheProducersRoad)
{
    const std::string lead = WriteScript("Lead.rtf", "The lead story tonight.");
    const std::string weather = WriteScript("Weather.rtf", "Sun all week.");
    const std::string sport = WriteScript("Sport.rtf", "A win at home for the city.");
    view->OnNewShow();

    ModalQueue modal;
    // Three scripts, each behind the row before it.
    modal.Then(FileAnswer(lead)).Then(NewScriptAnswer("Lead", "Anna"));
    ASSERT_EQ(view->FileAddInsert(0, 0, 0, 0), 1);
    modal.Then(FileAnswer(weather)).Then(NewScriptAnswer("Weather", "Ben"));
    ASSERT_EQ(view->FileAddInsert(1, 0, 0, 0), 1);
    modal.Then(FileAnswer(sport)).Then(NewScriptAnswer("Sport", "Cy"));
    ASSERT_EQ(view->FileAddInsert(2, 0, 0, 0), 1);
    EXPECT_EQ(Slugs(), "Lead,Weather,Sport,{EndOfShow}");
    EXPECT_EQ(view->m_ColInfo.RowCount, 4);

    // A break of 1:05:00 behind the weather.
    SelectRows(2, 2);
    view->m_Grid.SetCurrentCell(2, 1);
    modal.Then(BreakAnswer("1:05:00"));
    if (view->GetCurrentGridRow() == 2) {
        view->OnAddBreak();
    } else {
        // Without a current cell the break goes behind the row asked for.
        ASSERT_EQ(modal.Left(), 1u);
        CBreakTime dialog(view);
        ASSERT_EQ(dialog.DoModal(), IDOK);
        view->FileAddInsert(2, 0, 1, CBreakTime::ParseSeconds(dialog.m_strTime));
        view->RefreshRundown(0);
    }
    EXPECT_EQ(Slugs(), "Lead,Weather,{Break},Sport,{EndOfShow}");
    CFileInfo* brk = Row(2);
    EXPECT_EQ(brk->BreakSeconds, 3900);
    EXPECT_STREQ(brk->TTL, "01:05:00");
    EXPECT_EQ(view->m_ColInfo.RowCount, 5);

    // Saving a script gives every row that names it (in any case) its reading time.
    CString upper(weather.c_str());
    upper.MakeUpper();
    m_app.m_strUpdatedScriptPath = upper;
    m_app.m_strUpdatedScriptERT = "00:00:40";
    view->SendMessage(WM_SCRIPT_UPDATED);
    m_app.m_strUpdatedScriptPath = lead.c_str();
    m_app.m_strUpdatedScriptERT = "00:01:10";
    view->SendMessage(WM_SCRIPT_UPDATED);
    Row(3)->SOT = "00:00:30";
    Row(3)->TTL = CBaseGrid::ReCalcTTL(Row(3)->ERT, Row(3)->SOT);
    view->RefreshRundown(0);
    EXPECT_STREQ(Row(1)->ERT, "00:00:40");
    EXPECT_STREQ(Row(0)->TTL, "00:01:10");
    struct
    {
        int row;
        const char* cume;
    } cumes[] = {{0, "00:01:10"}, {1, "00:01:50"}, {2, "01:06:50"}, {3, "01:07:20"}, {4, ""}};
    for (const auto& c : cumes)
        EXPECT_STREQ(Row(c.row)->Cume, c.cume) << c.row;

    // A script's real reading time when it is saved in the editor.
    CTXWordsDoc* doc = Open(sport);
    ASSERT_NE(doc, nullptr);
    doc->OnCloseDocument();
    EXPECT_STREQ(Row(3)->ERT, m_app.m_strUpdatedScriptERT);
    EXPECT_STRNE(Row(3)->ERT, "00:00:00");

    // Number Scripts, plain and by segment.
    view->OnNumberScripts();
    EXPECT_STREQ(Row(0)->PageNo, "1");
    EXPECT_STREQ(Row(1)->PageNo, "2");
    EXPECT_STREQ(Row(3)->PageNo, "3");
    view->m_bUseSegmentNumbering = 1;
    view->OnNumberScripts();
    EXPECT_STREQ(Row(0)->PageNo, "A-1");
    EXPECT_STREQ(Row(1)->PageNo, "A-2");
    EXPECT_STREQ(Row(3)->PageNo, "B-1");

    // The sport dragged to the top.
    SelectRows(4, 4);
    view->m_Grid.MoveRows(4, 4, 1);
    EXPECT_EQ(Slugs(), "Sport,Lead,Weather,{Break},{EndOfShow}");
    EXPECT_EQ(Row(0)->Position, 1);
    EXPECT_STREQ(view->m_Grid.GetValueRowCol(1, (ROWCOL)view->m_Columns.col[COLIDX_SLUG]), "Sport");

    // And with the mouse: Weather dragged by its row header onto Lead, then Lead back onto it.
    auto dragRow = [&](ROWCOL from, ROWCOL to) {
        CGXGridWnd& grid = view->m_Grid;
        const CPoint ptFrom = grid.CalcRectFromRowCol(from, 0).CenterPoint();
        const CPoint ptTo = grid.CalcRectFromRowCol(to, 0).CenterPoint();
        SelectRows(from, from);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFrom.x, ptFrom.y));
        grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptTo.x, ptTo.y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTo.x, ptTo.y));
    };
    dragRow(3, 2);
    EXPECT_EQ(Slugs(), "Sport,Weather,Lead,{Break},{EndOfShow}");
    dragRow(3, 2);
    EXPECT_EQ(Slugs(), "Sport,Lead,Weather,{Break},{EndOfShow}");

    // Saved, reopened and saved again: byte for byte the same.
    const std::string show = Path("evening.shw");
    modal.Then(FileAnswer(show));
    ASSERT_TRUE(view->OnSaveShow());
    const std::string first = FileBytes(show);
    ASSERT_FALSE(first.empty());
    modal.Then(FileAnswer(show));
    view->OnOpenShow();
    EXPECT_EQ(Slugs(), "Sport,Lead,Weather,{Break},{EndOfShow}");
    EXPECT_EQ(view->m_ColInfo.RowCount, 5);
    const std::string again = Path("again.shw");
    modal.Then(FileAnswer(again));
    view->OnSaveShowAs();
    EXPECT_EQ(FileBytes(again), first);

    // One talent changed: only that row's record changes.
    Row(1)->Talent = "Dora";
    ASSERT_TRUE(view->OnSaveShow());
    CColInfo before, after;
    CObList beforeRows, afterRows;
    CString error;
    ASSERT_TRUE(CShowFile::Read(show.c_str(), before, beforeRows, error));
    ASSERT_TRUE(CShowFile::Read(again.c_str(), after, afterRows, error));
    ASSERT_EQ(beforeRows.GetCount(), afterRows.GetCount());
    for (int i = 0; i < (int)beforeRows.GetCount(); i++) {
        CFileInfo* a = static_cast<CFileInfo*>(beforeRows.GetAt(beforeRows.FindIndex(i)));
        CFileInfo* b = static_cast<CFileInfo*>(afterRows.GetAt(afterRows.FindIndex(i)));
        EXPECT_STREQ(b->Talent, i == 1 ? "Dora" : (LPCSTR)a->Talent) << i;
        EXPECT_STREQ(a->Slug, b->Slug);
        EXPECT_STREQ(a->TTL, b->TTL);
        EXPECT_STREQ(a->ScriptPath, b->ScriptPath);
        EXPECT_EQ(a->Position, b->Position);
    }
    CShowFile::DeleteRows(beforeRows);
    CShowFile::DeleteRows(afterRows);
}

TEST_F(ShowView, ADamagedShowFileIsRefusedAndNothingIsSavedOverIt)
{
    const std::string lead = WriteScript("Lead.rtf", "The lead.");
    view->OnNewShow();
    ModalQueue modal;
    modal.Then(FileAnswer(lead)).Then(NewScriptAnswer("Lead", "Anna"));
    ASSERT_EQ(view->FileAddInsert(0, 0, 0, 0), 1);
    const std::string current = Path("current.shw");
    modal.Then(FileAnswer(current));
    ASSERT_TRUE(view->OnSaveShow());

    // A show whose header counts more rows than the file holds.
    const std::string damaged = Path("damaged.shw");
    std::string bytes = FileBytes(current);
    bytes[80] = 9;
    WriteBytes(damaged, bytes);
    m_boxes.m_texts.clear();
    modal.Then(FileAnswer(damaged));
    view->OnOpenShow();
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0].rfind("Unable to read file\n" + damaged, 0), 0u);
    EXPECT_TRUE(view->m_bShowOpen);
    EXPECT_STREQ(view->m_strShowPath, current.c_str());
    EXPECT_EQ(Slugs(), "Lead,{EndOfShow}");

    // Closing saves the current show to its own file, never over the damaged one.
    ASSERT_TRUE(view->CloseShow(MB_YESNOCANCEL));
    EXPECT_EQ(FileBytes(damaged), bytes);
}

TEST_F(ShowView, ASaveThatFailsSaysSoAndTheShowStaysModified)
{
    view->OnNewShow();
    const std::string nowhere = Path("gone\\show.shw");
    ModalQueue modal;
    modal.Then(FileAnswer(nowhere));
    m_boxes.m_texts.clear();
    EXPECT_FALSE(view->OnSaveShow());
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0].rfind("Unable to write file\n", 0), 0u);
    EXPECT_TRUE(view->m_bModified);
    EXPECT_TRUE(view->m_strShowPath.IsEmpty());
}

TEST_F(ShowView, AMissingScriptIsFoundBesideTheShow)
{
    const std::string moved = WriteScript("Moved.rtf", "Here now.");
    CFileInfo row;
    row.Slug = "Moved";
    row.ScriptPath = "C:\\nowhere\\at\\all\\Moved.rtf";
    view->m_strShowFolder = m_folder.c_str();
    m_boxes.m_texts.clear();
    view->CheckScriptFile(&row);
    EXPECT_TRUE(m_boxes.m_texts.empty());
    EXPECT_STREQ(row.ScriptPath, moved.c_str());

    // Nowhere to be found: the user is told and picks nothing, the path is emptied.
    row.ScriptPath = "C:\\nowhere\\Lost.rtf";
    row.Slug = "Lost";
    view->CheckScriptFile(&row);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0],
              "The file for script slugged \"Lost\" could not be found!\nPlease select a different "
              "file.");
    EXPECT_TRUE(row.ScriptPath.IsEmpty());
}

TEST_F(ShowView, BreakTimeTakesOnlyATime)
{
    view->OnNewShow();
    ModalQueue modal;
    modal.Then(AFX_MODAL_REPLY::Script([](CWnd* dlg) {
        dlg->SetDlgItemText(IDC_BREAK_TIME_EDIT, "soon");
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(::IsWindow(dlg->m_hWnd)); // refused, still open
        dlg->SetDlgItemText(IDC_BREAK_TIME_EDIT, "0:01:30");
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }));
    m_boxes.m_texts.clear();
    view->OnAddBreak();
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0], "Enter time as hh:mm:ss");
    EXPECT_EQ(Slugs(), "{Break},{EndOfShow}");
    EXPECT_EQ(Row(0)->BreakSeconds, 90);
}

TEST_F(ShowView, TheRundownBarShowsWithAShowAndItsEdgeIsDragged)
{
    CMainFrame* frame = Frame();
    CRundownBar& bar = frame->m_wndRundownBar;
    EXPECT_FALSE(bar.IsWindowVisible());
    // The rundown toolbar is a bar of its own, not the main toolbar.
    ASSERT_TRUE(frame->m_wndRundownToolBar.GetSafeHwnd());
    EXPECT_NE(frame->m_wndRundownToolBar.GetDlgCtrlID(), frame->m_wndToolBar.GetDlgCtrlID());
    EXPECT_FALSE(frame->m_wndRundownToolBar.IsWindowVisible());

    view->OnNewShow();
    frame->RecalcLayout();
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(frame->m_wndRundownToolBar.IsWindowVisible());
    EXPECT_TRUE(frame->m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(bar.m_nDockBarID, 59422u); // docked at the bottom
    EXPECT_STREQ(DlgText(view), "Rundown");

    // The top edge dragged up by 40 pixels: 40 taller (within the largest size).
    const int before = bar.m_szHorz.cy;
    bar.StartTracking(CPoint(0, 0));
    ASSERT_TRUE(bar.m_bTracking);
    const CPoint origin = bar.m_ptOld;
    bar.TrackTo(origin - CSize(0, 40));
    bar.StopTracking(TRUE);
    EXPECT_EQ(bar.m_szHorz.cy, std::min<int>(before + 40, bar.m_szMaxT.cy));
    const int dragged = bar.m_szHorz.cy;

    // A right-click during a drag puts the height back; it never gets below 32 pixels.
    bar.StartTracking(CPoint(0, 0));
    bar.TrackTo(bar.m_ptOld + CSize(0, 5000));
    EXPECT_EQ(bar.m_szHorz.cy, 32);
    bar.SendMessage(WM_RBUTTONDOWN, 0, 0);
    EXPECT_FALSE(bar.m_bTracking);
    EXPECT_EQ(bar.m_szHorz.cy, dragged);

    ASSERT_TRUE(view->CloseShow(MB_YESNO));
    frame->RecalcLayout();
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(frame->m_wndRundownToolBar.IsWindowVisible());
}
