#include "FileInfo.h"

IMPLEMENT_DYNAMIC(CFileInfo, CObject)

long CFileInfo::g_RecNo = 0;

CFileInfo::CFileInfo() : Position(0), BreakSeconds(0), RowType(ROW_SCRIPT), RecNo(0) { }

CFileInfo::~CFileInfo() { }

void CFileInfo::SetRecNo() { RecNo = ++g_RecNo; }

void CFileInfo::Serialize(CArchive& ar)
{
    // The record's integers are 32-bit whatever the size of long on this platform.
    if (ar.IsStoring()) {
        ar << PageNo << Talent << Misc1 << Misc2 << Slug << ERT << SOT << TTL << ScriptPath;
        ar << (LONG)Position << (LONG)BreakSeconds << (LONG)RowType;
    } else {
        ar >> PageNo >> Talent >> Misc1 >> Misc2 >> Slug >> ERT >> SOT >> TTL >> ScriptPath;
        LONG position = 0, breakSeconds = 0, rowType = 0;
        ar >> position >> breakSeconds >> rowType;
        Position = position;
        BreakSeconds = breakSeconds;
        RowType = (rowType >= ROW_BREAK && rowType <= ROW_SEGMENT) ? (int)rowType : ROW_SCRIPT;
    }
}
