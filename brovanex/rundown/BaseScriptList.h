// The rows of a show in show order, with the numbering of scripts and the cumulative
// times. The list holds pointers only: the view that owns it deletes the rows.
#pragma once
#include "BrovanexApi.h"
#include "FileInfo.h"
#include "GridNotify.h"
#include "fw/core.h"

class BROVANEX_API BaseScriptList : public CObList
{
public:
    BaseScriptList();
    virtual ~BaseScriptList();

    // The window (the rundown grid view) that is told to rebuild after each change.
    void SetMessageHWnd(RundownWindow window);

    // Every row's Cume: the running sum of TTLs up to and including the row, empty on
    // the end-of-show row and every row after it. Notifies the grid.
    void CalcCummTime();
    // Scripts numbered 1, 2, 3 ... up to the end of show. Notifies the grid.
    void IntReNum();
    // Scripts numbered ..., the letter advancing at every break. Notifies the grid.
    void SegReNum();
    // Position := 1, 2, 3 ... in list order.
    void UpdatePosition();
    // Deletes the row with this record number, renumbers positions and notifies.
    void DeleteSelectedScript(long recNo);
    // Moves the rows at the given positions, in the array's order, behind the row at the
    // target position (0: to the head), then renumbers positions and cumulative times.
    void MoveRows(CDWordArray* positions, long target);
    // Puts a new end-of-show row at the head of the list.
    void AddEOS();

    CFileInfo* GetRow(POSITION& pos) { return (CFileInfo*)GetNext(pos); }

private:
    void SendGridMessage(long wParam, long lParam);
    long GetTime(const CString& text) const;
    // Unlinks the first row whose field holds value and hands it over; NULL when none does.
    CFileInfo* TakeRow(long CFileInfo::*field, long value);

    RundownWindow m_hMsgWnd;
};
