// Prints how fast the core stores and loads a show-sized archive and parses the
// "HH:MM:SS" texts of a rundown. Figures only; no target is checked here.
#include "fw/core.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    const int nRows = 20000;
    const int nRounds = 10;
    CString fields[9] = {"12",
                         "Anchor",
                         "",
                         "",
                         "Top story of the evening",
                         "00:01:30",
                         "00:00:45",
                         "00:02:15",
                         "C:\\My Documents\\Marquill\\story.mqd"};

    auto start = std::chrono::steady_clock::now();
    ULONGLONG nBytes = 0;
    for (int round = 0; round < nRounds; ++round) {
        CMemFile file(64 * 1024);
        {
            CArchive ar(&file, CArchive::store);
            ar.WriteCount(nRows);
            for (int row = 0; row < nRows; ++row) {
                for (const CString& field : fields)
                    ar << field;
                ar << (LONG)row << (LONG)0 << (LONG)0;
            }
            ar.Close();
        }
        nBytes = file.GetLength();
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        DWORD_PTR nCount = ar.ReadCount();
        CString text;
        LONG n;
        for (DWORD_PTR row = 0; row < nCount; ++row) {
            for (int i = 0; i < 9; ++i)
                ar >> text;
            ar >> n >> n >> n;
        }
    }
    double elapsed = secondsSince(start);
    std::printf("archive: %d rows (%llu bytes) stored and loaded %d times in %.3f s: %.1f MB/s\n",
                nRows, (unsigned long long)nBytes, nRounds, elapsed,
                2.0 * nRounds * (double)nBytes / elapsed / 1e6);

    const int nParses = 200000;
    start = std::chrono::steady_clock::now();
    long long nTotal = 0;
    char text[16];
    for (int i = 0; i < nParses; ++i) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", i / 3600 % 24, i / 60 % 60, i % 60);
        COleDateTime t;
        if (t.ParseDateTime(text, VAR_TIMEVALUEONLY))
            nTotal += t.GetHour() * 3600 + t.GetMinute() * 60 + t.GetSecond();
    }
    elapsed = secondsSince(start);
    std::printf("time texts: %d parsed in %.3f s: %.0f per second (checksum %lld)\n", nParses,
                elapsed, nParses / elapsed, nTotal);
    return 0;
}
