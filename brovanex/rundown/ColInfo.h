// The rundown's column information: which columns are shown and how wide, the titles of
// the two free columns, two show options and the number of rows. It heads the show file.
#pragma once
#include "BrovanexApi.h"
#include "fw/core.h"

class BROVANEX_API CColInfo : public CObject
{
    DECLARE_DYNAMIC(CColInfo)

public:
    CColInfo();
    CColInfo(const CColInfo& other);
    CColInfo& operator=(const CColInfo& other);
    virtual ~CColInfo();

    // The show defaults: "#", Talent and Slug shown, script separators on.
    void SetDefaults();

    // The 21 longs as 32-bit values in member order, then the two titles; no tag, schema
    // or version. Loading refuses a row count that the rest of the archive cannot hold.
    virtual void Serialize(CArchive& ar);

    long UseSegmentNumbering;
    long UseScriptSeparator;
    long ShowPageNo;
    long ShowTalent;
    long ShowMisc1;
    long ShowMisc2;
    long ShowSlug;
    long ShowERT;
    long ShowSOT;
    long ShowTTL;
    long ShowCume;
    long WidthPageNo;
    long WidthTalent;
    long WidthMisc1;
    long WidthMisc2;
    long WidthSlug;
    long WidthERT;
    long WidthSOT;
    long WidthTTL;
    long WidthCume;
    long RowCount; // rows of the show: the number of row records after this header
    CString Misc1Title;
    CString Misc2Title;

    static const int LongCount = 21;

private:
    static long CColInfo::*const s_Longs[LongCount];
};
