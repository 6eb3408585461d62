// The standard command line: the file to open or print and the framework's switches.
#include "fw/win.h"

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE), m_nShellCommand(FileNew)
{ }

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(lpszParam);
    else
        ParseParamNotFlag(lpszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(LPCSTR pszParam)
{
    if (lstrcmpiA(pszParam, "pt") == 0) {
        m_nShellCommand = FilePrintTo;
    } else if (lstrcmpiA(pszParam, "p") == 0) {
        m_nShellCommand = FilePrint;
    } else if (lstrcmpiA(pszParam, "Unregister") == 0 || lstrcmpiA(pszParam, "Unregserver") == 0) {
        m_nShellCommand = AppUnregister;
    } else if (lstrcmpiA(pszParam, "dde") == 0) {
        m_nShellCommand = FileDDE;
    } else if (lstrcmpiA(pszParam, "Embedding") == 0) {
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (lstrcmpiA(pszParam, "Automation") == 0) {
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    } else if (lstrcmpiA(pszParam, "nologo") == 0) {
        m_bShowSplash = FALSE;
    }
}

void CCommandLineInfo::ParseParamNotFlag(LPCSTR pszParam)
{
    // The file first; after /pt the printer, driver and port.
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (!bLast)
        return;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
    if (m_bRunEmbedded || m_bRunAutomated)
        m_bShowSplash = FALSE;
}
