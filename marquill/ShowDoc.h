// CShowDoc: the show's document. The show's state and its file live in the show view.
#pragma once
#include "framework.h"
#include "rundown/RundownDoc.h"

class CShowDoc : public CRundownDoc
{
    DECLARE_DYNCREATE(CShowDoc)
public:
    CShowDoc();
    ~CShowDoc() override;
};
