#include "RundownDoc.h"

IMPLEMENT_DYNCREATE(CBaseRundownDoc, CDocument)

BEGIN_MESSAGE_MAP(CBaseRundownDoc, CDocument)
END_MESSAGE_MAP()

CBaseRundownDoc::CBaseRundownDoc()
    : m_nShowId(-1), m_strSegmentLength("00:30:00"), m_strShowEnd("18:30:00"),
      m_strShowStart("18:00:00")
{ }

CBaseRundownDoc::~CBaseRundownDoc() { }

BOOL CBaseRundownDoc::OnNewDocument() { return CDocument::OnNewDocument() ? TRUE : FALSE; }

void CBaseRundownDoc::Serialize(CArchive&) { }

IMPLEMENT_DYNCREATE(CRundownDoc, CBaseRundownDoc)

BEGIN_MESSAGE_MAP(CRundownDoc, CBaseRundownDoc)
END_MESSAGE_MAP()

CRundownDoc::CRundownDoc() { }

CRundownDoc::~CRundownDoc() { }

BOOL CRundownDoc::OnNewDocument() { return CBaseRundownDoc::OnNewDocument(); }

void CRundownDoc::Serialize(CArchive&) { }
