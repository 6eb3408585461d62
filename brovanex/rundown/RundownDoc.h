// The show documents the program derives its own from. The show's state and its file
// live in the show view; these documents hold nothing the rundown reads.
#pragma once
#include "BrovanexApi.h"
#include "fw/document.h"

class BROVANEX_API CBaseRundownDoc : public CDocument
{
    DECLARE_DYNCREATE(CBaseRundownDoc)

public:
    CBaseRundownDoc();
    ~CBaseRundownDoc() override;

    BOOL OnNewDocument() override;
    // Shows are read and written by the program's show view, not through the document.
    void Serialize(CArchive& ar) override;

    long m_nShowId;
    CString m_strSegmentLength;
    CString m_strShowEnd;
    CString m_strShowStart;

protected:
    DECLARE_MESSAGE_MAP()
};

class BROVANEX_API CRundownDoc : public CBaseRundownDoc
{
    DECLARE_DYNCREATE(CRundownDoc)

public:
    CRundownDoc();
    ~CRundownDoc() override;

    BOOL OnNewDocument() override;
    void Serialize(CArchive& ar) override;

protected:
    DECLARE_MESSAGE_MAP()
};
