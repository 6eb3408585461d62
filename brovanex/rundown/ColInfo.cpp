#include "ColInfo.h"
#include "FileInfo.h"

IMPLEMENT_DYNAMIC(CColInfo, CObject)

namespace {
// The header counts the row records that follow it. A count below 0, or more rows than
// the rest of the archive could hold even at their smallest, is foreign data: refuse it
// now rather than when the rows run out.
void CheckRowCount(CArchive& ar, long rowCount)
{
    if (rowCount < 0)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    ar.EnsureAvailable((ULONGLONG)rowCount * (ULONGLONG)CFileInfo::MinRecordBytes);
}
} // namespace

// The stored order of the longs.
long CColInfo::*const CColInfo::s_Longs[CColInfo::LongCount] = {
    &CColInfo::UseSegmentNumbering,
    &CColInfo::UseScriptSeparator,
    &CColInfo::ShowPageNo,
    &CColInfo::ShowTalent,
    &CColInfo::ShowMisc1,
    &CColInfo::ShowMisc2,
    &CColInfo::ShowSlug,
    &CColInfo::ShowERT,
    &CColInfo::ShowSOT,
    &CColInfo::ShowTTL,
    &CColInfo::ShowCume,
    &CColInfo::WidthPageNo,
    &CColInfo::WidthTalent,
    &CColInfo::WidthMisc1,
    &CColInfo::WidthMisc2,
    &CColInfo::WidthSlug,
    &CColInfo::WidthERT,
    &CColInfo::WidthSOT,
    &CColInfo::WidthTTL,
    &CColInfo::WidthCume,
    &CColInfo::RowCount,
};

CColInfo::CColInfo() { SetDefaults(); }

CColInfo::CColInfo(const CColInfo& other) : CObject() { *this = other; }

CColInfo& CColInfo::operator=(const CColInfo& other)
{
    for (int i = 0; i < LongCount; i++)
        this->*s_Longs[i] = other.*s_Longs[i];
    Misc1Title = other.Misc1Title;
    Misc2Title = other.Misc2Title;
    return *this;
}

CColInfo::~CColInfo() { }

void CColInfo::SetDefaults()
{
    UseSegmentNumbering = 0;
    UseScriptSeparator = 1;
    ShowPageNo = 1;
    ShowTalent = 1;
    ShowMisc1 = 0;
    ShowMisc2 = 0;
    ShowSlug = 1;
    ShowERT = 0;
    ShowSOT = 0;
    ShowTTL = 0;
    ShowCume = 0;
    WidthPageNo = 30;
    WidthTalent = 75;
    WidthMisc1 = 75;
    WidthMisc2 = 75;
    WidthSlug = 155;
    WidthERT = 55;
    WidthSOT = 55;
    WidthTTL = 55;
    WidthCume = 55;
    RowCount = 0;
    Misc1Title = "Misc1";
    Misc2Title = "Misc2";
}

void CColInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        for (int i = 0; i < LongCount; i++)
            ar << (LONG)(this->*s_Longs[i]);
        ar << Misc1Title << Misc2Title;
        return;
    }

    // Read into a copy so that a record that fails leaves this one as it was.
    CColInfo loaded;
    for (int i = 0; i < LongCount; i++) {
        LONG value = 0;
        ar >> value;
        loaded.*s_Longs[i] = value;
    }
    ar >> loaded.Misc1Title >> loaded.Misc2Title;
    CheckRowCount(ar, loaded.RowCount);
    *this = loaded;
}
