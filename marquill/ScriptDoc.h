// CTXWordsDoc: the document of a script window. The rich-text document holds, reads and
// writes the script; this adds the program's decisions: the default format, tiling new
// windows, the warnings about slide-show instructions in a format that cannot keep them,
// the estimated reading time, and the notice to the open show when a script is saved or
// closed.
#pragma once
#include "framework.h"
#include "richtext/TXDoc.h"

class CMyTXWordsView;

class CTXWordsDoc : public CTXDoc
{
    DECLARE_DYNCREATE(CTXWordsDoc)
public:
    CTXWordsDoc();

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    void OnCloseDocument() override;
    BOOL SaveModified() override;
    BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE) override;
    void AttachDocManager() override;

    // The ERT text ("HH:MM:SS") for a weighted character count at the application's speed.
    static CString GetReadingTime(long characters);
    // The weighted character count of the first view; 0 without a view.
    long GetReadingCharacters() const;
    CMyTXWordsView* GetScriptView() const;
    // Leaves this script's path and reading time in the application and tells the open
    // show (message 0x40B to its view) so its rows take the new time.
    void UpdateShowReadingTime();
};

// Message from a script document to the show view: a script was saved or closed.
constexpr UINT WM_SCRIPT_UPDATED = 0x40B;
