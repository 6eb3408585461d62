// The application's services: the parsed command line, the recent-file list, the wait
// cursor and OLE start-up.
#pragma once
#include "fw/app.h"

class CMenu;

// The standard command line: a file to open (or print), and the switches /p, /pt,
// /dde, /Automation, /Embedding, /Unregister and /nologo.
class FW_API CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // One argument (lpszParam without the leading '-' or '/' when bFlag); bLast on the last one.
    virtual void ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    enum {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(LPCSTR pszParam);
    void ParseParamNotFlag(LPCSTR pszParam);
    void ParseLast(BOOL bLast);
};

// The most recently used files, newest first, kept in the profile as entries "File1",
// "File2" ... of a section, and shown on the File menu in place of ID_FILE_MRU_FILE1.
class FW_API CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = 48);
    virtual ~CRecentFileList();

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    // Moves (or adds) the file to the front; the full path is kept.
    virtual void Add(LPCSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The menu text of entry nIndex: the file name, shortened to fit, relative to lpszCurDir.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    // Puts the entries on the menu in place of the first MRU item (or greys it when empty).
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

protected:
    int m_nSize;
    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // the first MRU item's text, shown greyed when the list is empty
};

// The hourglass for as long as the object lives (through the application's DoWaitCursor).
class FW_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};

// Initialises OLE for the application's thread (undone when the application ends);
// FALSE when it cannot be initialised.
FW_API BOOL AFXAPI AfxOleInit();
FW_API void AFXAPI AfxOleTerm(BOOL bJustRevoke = FALSE);
// Control containment: the system's controls need nothing more here.
FW_API void AFXAPI AfxEnableControlContainer();
