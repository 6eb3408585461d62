#include "ShowDoc.h"

IMPLEMENT_DYNCREATE(CShowDoc, CRundownDoc)

CShowDoc::CShowDoc() { }

CShowDoc::~CShowDoc() { }
