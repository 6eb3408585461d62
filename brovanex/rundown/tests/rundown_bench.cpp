// Figures for a 5,000-row show: numbering, cumulative times, and writing and reading
// its header and row records in memory.
#include <chrono>
#include <cstdio>
#include <functional>

#include "rundown/BaseScriptList.h"
#include "rundown/ColInfo.h"
#include "rundown/FileInfo.h"

namespace {
const int RowCount = 5000;

void FreeRows(BaseScriptList& list)
{
    while (!list.IsEmpty())
        delete (CFileInfo*)list.RemoveHead();
}

// Scripts with a break after every tenth, and the end of show last.
void BuildShow(BaseScriptList& list, CColInfo& header)
{
    for (int i = 0; i < RowCount - 1; i++) {
        CFileInfo* row = new CFileInfo;
        if (i % 11 == 10) {
            row->RowType = ROW_BREAK;
            row->Slug = "{Break}";
            row->BreakSeconds = 120;
            row->TTL = "00:02:00";
        } else {
            row->RowType = ROW_SCRIPT;
            row->Talent = "Presenter";
            row->Slug.Format("Story number %d", i);
            row->ERT.Format("00:%02d:%02d", i % 4, i % 60);
            row->SOT = "00:00:20";
            row->TTL.Format("00:%02d:%02d", i % 4, (i % 60 + 20) % 60);
            row->ScriptPath.Format("C:\\My Documents\\Marquill\\story%04d.mqd", i);
        }
        row->SetRecNo();
        list.AddTail(row);
    }
    CFileInfo* eos = new CFileInfo;
    eos->RowType = ROW_END_OF_SHOW;
    eos->Slug = "{EndOfShow}";
    eos->SetRecNo();
    list.AddTail(eos);
    list.UpdatePosition();
    header.RowCount = (long)list.GetCount();
}

double MicrosecondsPerRun(int runs, const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; i++)
        work();
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / runs;
}
} // namespace

int main()
{
    BaseScriptList list;
    CColInfo header;
    BuildShow(list, header);

    const int runs = 50;
    std::printf("rows: %d\n", RowCount);
    std::printf("IntReNum:     %10.1f us\n", MicrosecondsPerRun(runs, [&] { list.IntReNum(); }));
    std::printf("SegReNum:     %10.1f us\n", MicrosecondsPerRun(runs, [&] { list.SegReNum(); }));
    std::printf("CalcCummTime: %10.1f us\n",
                MicrosecondsPerRun(runs, [&] { list.CalcCummTime(); }));

    CMemFile stored;
    const double writeUs = MicrosecondsPerRun(runs, [&] {
        stored.SetLength(0);
        CArchive ar(&stored, CArchive::store, 4096);
        header.Serialize(ar);
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
            list.GetRow(pos)->Serialize(ar);
        ar.Close();
    });
    const ULONGLONG bytes = stored.GetLength();
    std::printf("write records: %9.1f us (%llu bytes)\n", writeUs, (unsigned long long)bytes);

    const double readUs = MicrosecondsPerRun(runs, [&] {
        stored.SeekToBegin();
        CArchive ar(&stored, CArchive::load, 4096);
        CColInfo loadedHeader;
        loadedHeader.Serialize(ar);
        BaseScriptList loaded;
        for (long i = 0; i < loadedHeader.RowCount; i++) {
            CFileInfo* row = new CFileInfo;
            row->Serialize(ar);
            row->SetRecNo();
            loaded.AddTail(row);
        }
        ar.Close();
        FreeRows(loaded);
    });
    std::printf("read records:  %9.1f us\n", readUs);

    FreeRows(list);
    return 0;
}
