// The parameter object of an application's browser grid (the grid whose database columns
// hold OLE object cells). The library keeps it as a plain record of that grid's settings.
#pragma once
#include "core/GXGridParam.h"

class CGXBrowseParam : public CGXGridParam
{
    DECLARE_SERIAL(CGXBrowseParam)
public:
    CGXBrowseParam();
    ~CGXBrowseParam() override;
    CGXBrowseParam(const CGXBrowseParam&) = delete;
    // Copies the base, the three switches, the byte and the limit.
    CGXGridParam& operator=(const CGXGridParam& other) override;
    // The base, a version word (2), the byte and the archived object.
    void Serialize(CArchive& ar) override;

    CDWordArray m_awRowIds, m_awColIds;
    long m_nEditRow = -1, m_nEditCol = -1;
    void* m_pBrowseData = nullptr; // the browser's own, not owned
    long m_nCount1 = 0, m_nCount2 = 0;
    CObject* m_pOwned = nullptr; // owned
    BOOL m_bFlag1 = TRUE;
    BYTE m_byValue = 255;
    BOOL m_bFlag2 = TRUE;
    long m_nLimit = 2147483647;
    CObject* m_pArchived = nullptr; // owned; the object archived with the parameter

    enum { nVersion = 2 };
};
