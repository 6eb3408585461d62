// Makes Brovanex's own resources win over the program's for as long as it lives: the
// program holds resources with the same numbers as some of the library's (the New Script
// dialog). User-interface thread only: the resource handle is process-wide.
#pragma once
#include "BrovanexApi.h"
#include "fw/fwdefs.h"

class BROVANEX_API CLibraryResourceScope
{
public:
    CLibraryResourceScope();
    ~CLibraryResourceScope();
    CLibraryResourceScope(const CLibraryResourceScope&) = delete;
    CLibraryResourceScope& operator=(const CLibraryResourceScope&) = delete;

    // Brovanex's module.
    static HINSTANCE GetLibraryInstance();

private:
    HINSTANCE m_hSaved;
};
