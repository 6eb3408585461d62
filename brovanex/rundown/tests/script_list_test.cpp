// The row list: cumulative times, numbering, positions, deletion, moving rows and the
// end-of-show row.
#include <gtest/gtest.h>

#include "ShowBuilder.h"
#include "rundown/RundownTime.h"

typedef std::vector<std::string> Texts;

TEST(ScriptList, CumulativeTimes)
{
    const struct
    {
        const char* name;
        std::string kinds;
        Texts ttls;
        Texts cumes;
    } cases[] = {
        {"scripts then end of show",
         "SSES",
         {"00:01:30", "00:02:00", "", "00:01:00"},
         {"00:01:30", "00:03:30", "", ""}},
        {"breaks and segments add their TTL",
         "SBGS",
         {"00:01:00", "00:02:00", "00:00:30", "00:00:10"},
         {"00:01:00", "00:03:00", "00:03:30", "00:03:40"}},
        {"wraps at 24 hours", "SS", {"23:00:00", "02:00:00"}, {"23:00:00", "01:00:00"}},
        {"unreadable and empty TTLs add nothing",
         "SSSS",
         {"00:01:00", "xx:yy", "", " "},
         {"00:01:00", "00:01:00", "00:01:00", "00:01:00"}},
        {"show opening with the end of show", "ESB", {"", "00:01:00", "00:02:00"}, {"", "", ""}},
    };
    for (const auto& c : cases) {
        TestShow show(c.kinds, c.ttls);
        for (CFileInfo* row : show.Rows())
            row->Cume = "stale";
        show.list.CalcCummTime();
        EXPECT_EQ(show.Column(&CFileInfo::Cume), c.cumes) << c.name;
    }
}

TEST(ScriptList, IntegerNumbering)
{
    const struct
    {
        std::string kinds;
        Texts numbers;
    } cases[] = {
        {"SBS", {"1", "keep", "2"}},
        {"BSGS", {"keep", "1", "keep", "2"}},
        {"SSES", {"1", "2", "keep", ""}}, // scripts after the end of show lose their number
        {"ESS", {"keep", "", ""}},
    };
    for (const auto& c : cases) {
        TestShow show(c.kinds);
        show.list.IntReNum();
        EXPECT_EQ(show.Column(&CFileInfo::PageNo), c.numbers) << c.kinds;
    }
}

// Rows that keep their number, then one script numbered as given.
static Texts KeptThen(size_t kept, const char* last)
{
    Texts numbers(kept, "keep");
    numbers.push_back(last);
    return numbers;
}

TEST(ScriptList, SegmentNumbering)
{
    const struct
    {
        std::string kinds;
        Texts numbers;
    } cases[] = {
        {"SSBSES", {"A-1", "A-2", "keep", "B-1", "keep", ""}},
        {"BSS", {"keep", "B-1", "B-2"}}, // a show opening with a break starts at B
        {"SGSBBS", {"A-1", "keep", "A-2", "keep", "keep", "C-1"}},
        {std::string(25, 'B') + "S", KeptThen(25, "Z-1")},
        {std::string(26, 'B') + "S", KeptThen(26, "[-1")}, // the character after Z
    };
    for (const auto& c : cases) {
        TestShow show(c.kinds);
        show.list.SegReNum();
        EXPECT_EQ(show.Column(&CFileInfo::PageNo), c.numbers) << c.kinds;
    }
}

TEST(ScriptList, UpdatePositionNumbersInListOrder)
{
    TestShow show("SBSE");
    for (CFileInfo* row : show.Rows())
        row->Position = 65000;
    show.list.UpdatePosition();
    EXPECT_EQ(show.Positions(), (std::vector<long> {1, 2, 3, 4}));
}

TEST(ScriptList, MoveRows)
{
    const struct
    {
        std::vector<DWORD> positions;
        long target;
        Texts order;
    } cases[] = {
        {{2, 3}, 0, {"S2", "S3", "S1", "S4", "S5"}},
        {{2, 3}, 99, {"S1", "S4", "S5", "S2", "S3"}},
        {{4, 5}, 1, {"S1", "S4", "S5", "S2", "S3"}}, // rows 4 and 5 dragged onto row 2
        {{1}, 3, {"S2", "S3", "S1", "S4", "S5"}},
        {{3, 1}, 5, {"S2", "S4", "S5", "S3", "S1"}}, // taken rows keep the array's order
        {{9}, 0, {"S1", "S2", "S3", "S4", "S5"}}, // no row at that position
        {{2, 2}, 0, {"S2", "S1", "S3", "S4", "S5"}},
        {{}, 2, {"S1", "S2", "S3", "S4", "S5"}},
    };
    for (const auto& c : cases) {
        TestShow show("SSSSS", {"00:00:10", "00:00:20", "00:00:30", "00:00:40", "00:00:50"});
        CDWordArray positions;
        for (DWORD p : c.positions)
            positions.Add(p);
        show.list.MoveRows(&positions, c.target);
        EXPECT_EQ(show.Column(&CFileInfo::Slug), c.order) << "target " << c.target;
        EXPECT_EQ(show.Positions(), (std::vector<long> {1, 2, 3, 4, 5}));
        // Cumulative times follow the new order.
        long expectedSeconds = 0;
        for (CFileInfo* row : show.Rows()) {
            expectedSeconds += CRundownTime::Seconds(row->TTL);
            EXPECT_STREQ((LPCSTR)row->Cume, (LPCSTR)CRundownTime::DayTime(expectedSeconds));
        }
    }
}

TEST(ScriptList, MoveRowsPlacesANewRowAfterTheTarget)
{
    const struct
    {
        long target;
        Texts order;
    } cases[] = {
        {0, {"S4", "S1", "S2", "E3"}},
        {2, {"S1", "S2", "S4", "E3"}},
        {65000, {"S1", "S2", "E3", "S4"}},
    };
    for (const auto& c : cases) {
        TestShow show("SSE");
        show.Add('S')->Position = ROW_POSITION_UNPLACED;
        CDWordArray positions;
        positions.Add(ROW_POSITION_UNPLACED);
        show.list.MoveRows(&positions, c.target);
        EXPECT_EQ(show.Column(&CFileInfo::Slug), c.order) << c.target;
    }
}

TEST(ScriptList, DeleteSelectedScriptDeletesTheRowAndRenumbers)
{
    TestShow show("SBSE");
    const int alive = CountedRow::Alive;
    const long recNo = show.Rows()[1]->RecNo;

    show.list.DeleteSelectedScript(recNo);
    EXPECT_EQ(CountedRow::Alive, alive - 1);
    EXPECT_EQ(show.Column(&CFileInfo::Slug), (Texts {"S1", "S3", "E4"}));
    EXPECT_EQ(show.Positions(), (std::vector<long> {1, 2, 3}));

    // An unknown record number deletes nothing but still renumbers.
    show.Rows()[0]->Position = 7;
    show.list.DeleteSelectedScript(recNo);
    EXPECT_EQ(CountedRow::Alive, alive - 1);
    EXPECT_EQ(show.Positions(), (std::vector<long> {1, 2, 3}));
}

TEST(ScriptList, DestroyingTheListLeavesTheRowsToTheirOwner)
{
    const int alive = CountedRow::Alive;
    CountedRow* row = new CountedRow;
    {
        BaseScriptList list;
        list.AddTail(row);
    }
    EXPECT_EQ(CountedRow::Alive, alive + 1);
    delete (CFileInfo*)row;
    EXPECT_EQ(CountedRow::Alive, alive);
}

TEST(ScriptList, AddEOSPutsANewEndOfShowRowFirst)
{
    TestShow show;
    const long before = CFileInfo::g_RecNo;
    show.list.AddEOS();
    ASSERT_EQ(show.list.GetCount(), 1);
    CFileInfo* eos = show.Rows()[0];
    EXPECT_STREQ((LPCSTR)eos->Slug, "{EndOfShow}");
    EXPECT_EQ(eos->RowType, ROW_END_OF_SHOW);
    EXPECT_EQ(eos->Position, 1);
    EXPECT_EQ(eos->RecNo, before + 1);
    EXPECT_EQ(CFileInfo::g_RecNo, before + 1);
    EXPECT_STREQ((LPCSTR)eos->ERT, "00:00:00");
    EXPECT_STREQ((LPCSTR)eos->SOT, "00:00:00");
    EXPECT_TRUE(eos->PageNo.IsEmpty() && eos->TTL.IsEmpty() && eos->ScriptPath.IsEmpty());

    show.Add('S');
    show.list.AddEOS();
    EXPECT_EQ(show.Column(&CFileInfo::Slug), (Texts {"{EndOfShow}", "{EndOfShow}", "S2"}));
    EXPECT_EQ(show.Rows()[0]->RecNo, before + 3); // record numbers are never reused
}
