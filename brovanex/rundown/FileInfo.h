// One rundown row: a script, a break, the end of show or a segment, with its record in
// the show file. Rows cross the module boundary as heap objects and are always deleted
// through the virtual destructor.
#pragma once
#include "BrovanexApi.h"
#include "fw/core.h"

enum RundownRowType { ROW_SCRIPT = 0, ROW_BREAK = 1, ROW_END_OF_SHOW = 2, ROW_SEGMENT = 3 };

// A row that was just added and has not been given its place in the list yet.
const long ROW_POSITION_UNPLACED = 65000;

class BROVANEX_API CFileInfo : public CObject
{
    DECLARE_DYNAMIC(CFileInfo)

public:
    CFileInfo();
    virtual ~CFileInfo();

    // The row's record: nine strings, then position, break length and row type as
    // 32-bit values; no tag, schema or version. A stored type outside 1..3 loads as a script.
    virtual void Serialize(CArchive& ar);

    // Hands this row the next record number of the run.
    void SetRecNo();

    CString PageNo; // "#": script or segment number; empty after the end of show
    CString Talent;
    CString Misc1;
    CString Misc2;
    CString Slug; // "{Break}" / "{EndOfShow}" for those rows
    CString ERT; // "HH:MM:SS"
    CString SOT;
    CString TTL; // total time; the break length on a break row
    CString ScriptPath; // empty for breaks and the end of show
    long Position; // 1-based place in the list, ROW_POSITION_UNPLACED when just added
    long BreakSeconds;
    int RowType; // RundownRowType
    CString Cume; // cumulative time; computed, never stored
    long RecNo; // unique within one run; never stored

    // Record numbers handed out so far in this run; never reused.
    static long g_RecNo;

    // Smallest possible record: nine empty strings and three 32-bit values.
    static const long MinRecordBytes = 9 + 3 * 4;

private:
    CFileInfo(const CFileInfo&);
    CFileInfo& operator=(const CFileInfo&);
};
