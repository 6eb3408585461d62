#include "BaseScriptList.h"
#include "RundownTime.h"

BaseScriptList::BaseScriptList() : CObList(10), m_hMsgWnd(NULL) { }

BaseScriptList::~BaseScriptList() { }

void BaseScriptList::SetMessageHWnd(RundownWindow window) { m_hMsgWnd = window; }

void BaseScriptList::SendGridMessage(long wParam, long lParam)
{
    SendRundownGridMessage(m_hMsgWnd, wParam, lParam);
}

long BaseScriptList::GetTime(const CString& text) const { return CRundownTime::Seconds(text); }

void BaseScriptList::CalcCummTime()
{
    long long sum = 0;
    bool afterEndOfShow = false;
    for (POSITION pos = GetHeadPosition(); pos != NULL;) {
        CFileInfo* row = GetRow(pos);
        if (row->RowType == ROW_END_OF_SHOW)
            afterEndOfShow = true;
        if (afterEndOfShow) {
            row->Cume.Empty();
            continue;
        }
        // Breaks and segment rows add their TTL like scripts.
        sum += GetTime(row->TTL);
        row->Cume = CRundownTime::DayTime(sum);
    }
    SendGridMessage(RUNDOWN_GRID_REBUILD, 0);
}

void BaseScriptList::IntReNum()
{
    long counter = 1;
    bool afterEndOfShow = false;
    for (POSITION pos = GetHeadPosition(); pos != NULL;) {
        CFileInfo* row = GetRow(pos);
        if (row->RowType == ROW_END_OF_SHOW)
            afterEndOfShow = true;
        else if (row->RowType == ROW_SCRIPT) {
            if (afterEndOfShow)
                row->PageNo.Empty();
            else
                row->PageNo.Format("%ld", counter++);
        }
    }
    SendGridMessage(RUNDOWN_GRID_REBUILD, 0);
}

void BaseScriptList::SegReNum()
{
    unsigned char letter = 'A';
    long counter = 1;
    bool afterEndOfShow = false;
    for (POSITION pos = GetHeadPosition(); pos != NULL;) {
        CFileInfo* row = GetRow(pos);
        switch (row->RowType) {
        case ROW_BREAK:
            // The next character code, so the letter after "Z" is "[". Code 0 would end
            // the text, so the letters go round to 1 instead.
            if (++letter == 0)
                letter = 1;
            counter = 1;
            break;
        case ROW_END_OF_SHOW:
            afterEndOfShow = true;
            break;
        case ROW_SCRIPT:
            if (afterEndOfShow)
                row->PageNo.Empty();
            else
                row->PageNo.Format("%c-%ld", (char)letter, counter++);
            break;
        default: // segment rows neither number nor change the letter
            break;
        }
    }
    SendGridMessage(RUNDOWN_GRID_REBUILD, 0);
}

void BaseScriptList::UpdatePosition()
{
    long position = 1;
    for (POSITION pos = GetHeadPosition(); pos != NULL;)
        GetRow(pos)->Position = position++;
}

CFileInfo* BaseScriptList::TakeRow(long CFileInfo::*field, long value)
{
    for (POSITION pos = GetHeadPosition(); pos != NULL;) {
        POSITION at = pos;
        CFileInfo* row = GetRow(pos);
        if (row->*field == value) {
            RemoveAt(at);
            return row;
        }
    }
    return NULL;
}

void BaseScriptList::DeleteSelectedScript(long recNo)
{
    delete TakeRow(&CFileInfo::RecNo, recNo);
    UpdatePosition();
    SendGridMessage(RUNDOWN_GRID_REBUILD, 0);
}

void BaseScriptList::MoveRows(CDWordArray* positions, long target)
{
    CObList taken(10);
    if (positions != NULL) {
        for (INT_PTR i = 0; i < positions->GetSize(); i++) {
            if (CFileInfo* row = TakeRow(&CFileInfo::Position, (long)positions->GetAt(i)))
                taken.AddTail(row);
        }
    }

    POSITION before = NULL;
    for (POSITION pos = GetHeadPosition(); pos != NULL;) {
        POSITION at = pos;
        if (GetRow(pos)->Position > target) {
            before = at;
            break;
        }
    }
    for (POSITION pos = taken.GetHeadPosition(); pos != NULL;) {
        CObject* row = taken.GetNext(pos);
        if (before != NULL)
            InsertBefore(before, row);
        else
            AddTail(row);
    }
    taken.RemoveAll();

    UpdatePosition();
    CalcCummTime();
}

void BaseScriptList::AddEOS()
{
    CFileInfo* row = new CFileInfo;
    row->Slug = "{EndOfShow}";
    row->RowType = ROW_END_OF_SHOW;
    row->Position = 1;
    row->SetRecNo();
    row->ERT = "00:00:00";
    row->SOT = "00:00:00";
    AddHead(row);
}
