// Figures for a 5,000-row show: opening it from its file (read, every script's TTL worked
// out again, cumulative times) and recalculating after one row's time changes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "ShowFile.h"
#include "rundown/BaseScriptList.h"
#include "rundown/RundownTime.h"

namespace {
const int RowCount = 5000;

// Scripts with a break after every tenth, and the end of show last.
void BuildShow(BaseScriptList& list)
{
    for (int i = 0; i < RowCount - 1; i++) {
        CFileInfo* row = new CFileInfo;
        if (i % 11 == 10) {
            row->RowType = ROW_BREAK;
            row->Slug = "{Break}";
            row->BreakSeconds = 120;
            row->TTL = "00:02:00";
        } else {
            row->Talent = "Presenter";
            row->Slug.Format("Story number %d", i);
            row->ERT.Format("00:%02d:%02d", i % 4, i % 60);
            row->SOT = "00:00:20";
            row->TTL = CRundownTime::TotalTime(row->ERT, row->SOT);
            row->ScriptPath.Format("C:\\My Documents\\Marquill\\story%04d.mqd", i);
        }
        list.AddTail(row);
    }
    CFileInfo* eos = new CFileInfo;
    eos->RowType = ROW_END_OF_SHOW;
    eos->Slug = "{EndOfShow}";
    list.AddTail(eos);
    list.UpdatePosition();
}

double Milliseconds(int runs, const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; i++)
        work();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / runs;
}
} // namespace

int main()
{
    const std::string path =
        (std::filesystem::temp_directory_path() / "mq_show_file_bench.shw").string();
    {
        BaseScriptList list;
        BuildShow(list);
        CColInfo header;
        if (!CShowFile::Write(path.c_str(), header, list)) {
            std::printf("the show could not be written to %s\n", path.c_str());
            return 1;
        }
        CShowFile::DeleteRows(list);
    }

    const int runs = 20;
    BaseScriptList list;
    CColInfo header;
    bool failed = false;
    const double openMs = Milliseconds(runs, [&] {
        CShowFile::DeleteRows(list);
        CString error;
        if (!CShowFile::Read(path.c_str(), header, list, error))
            failed = true;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            CShowFile::PrepareLoadedRow(list.GetRow(pos));
        list.CalcCummTime();
    });
    if (failed || list.GetCount() != RowCount) {
        std::printf("the show did not read back\n");
        return 1;
    }

    // One script's SOT changes: its TTL and every cumulative time follow.
    CFileInfo* changed = static_cast<CFileInfo*>(list.GetAt(list.FindIndex(RowCount / 2)));
    int step = 0;
    const double recalcMs = Milliseconds(runs * 5, [&] {
        changed->SOT.Format("00:00:%02d", ++step % 60);
        changed->TTL = CRundownTime::TotalTime(changed->ERT, changed->SOT);
        list.CalcCummTime();
    });

    std::printf("rows: %d (%lld bytes on disk)\n", RowCount,
                (long long)std::filesystem::file_size(path));
    std::printf("open show:                 %8.2f ms\n", openMs);
    std::printf("recalculate after one row: %8.2f ms\n", recalcMs);
    CShowFile::DeleteRows(list);
    std::filesystem::remove(path);
    return 0;
}
