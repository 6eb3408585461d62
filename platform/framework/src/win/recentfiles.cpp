// The recent-file list: newest first, kept in the profile, shown on the File menu.
#include "fw/win.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nSize(nSize > 0 ? nSize : 1), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{
    m_arrNames = new CString[m_nSize];
}

CRecentFileList::~CRecentFileList() { delete[] m_arrNames; }

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    char szFull[MAX_PATH];
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, szFull, nullptr) == 0)
        lstrcpynA(szFull, lpszPathName, MAX_PATH);
    // The file moves to the front; an entry already there is not listed twice.
    int iMRU = m_nSize - 1;
    for (int i = 0; i < m_nSize; i++) {
        if (lstrcmpiA(m_arrNames[i], szFull) == 0) {
            iMRU = i;
            break;
        }
    }
    for (; iMRU > 0; iMRU--)
        m_arrNames[iMRU] = m_arrNames[iMRU - 1];
    m_arrNames[0] = szFull;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; i++)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    const CString& strPath = m_arrNames[nIndex];
    // Files in the current folder are shown without it.
    if (lpszCurDir != nullptr && nCurDir > 0 && strPath.GetLength() > nCurDir &&
        strPath.Left(nCurDir).CompareNoCase(CString(lpszCurDir, nCurDir)) == 0 &&
        strPath.Mid(nCurDir).FindOneOf("\\/") < 0)
        strName = strPath.Mid(nCurDir);
    else
        strName = strPath;
    if (m_nMaxDisplayLength > 0 && strName.GetLength() > m_nMaxDisplayLength) {
        // "c:\...\name.ext", or the name alone when even that is too long.
        int iName = std::max(strName.ReverseFind('\\'), strName.ReverseFind('/'));
        CString strFile = strName.Mid(iName + 1);
        int iRoot = strName.Find('\\');
        CString strShort = (iRoot >= 0 ? strName.Left(iRoot + 1) : CString()) + "...\\" + strFile;
        if (strShort.GetLength() <= m_nMaxDisplayLength)
            strName = strShort;
        else if (bAtLeastName || strFile.GetLength() <= m_nMaxDisplayLength)
            strName = strFile;
        else
            strName.Empty();
    }
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    if (m_strOriginal.IsEmpty() && pCmdUI->m_pMenu != nullptr)
        pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_arrNames[0].IsEmpty()) {
        // No files: the item keeps its own text, greyed.
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (pCmdUI->m_pMenu == nullptr)
        return;
    CMenu* pMenu = pCmdUI->m_pMenu;
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
        pMenu->DeleteMenu(pCmdUI->m_nID + iMRU, MF_BYCOMMAND);

    char szCurDir[MAX_PATH + 1];
    int nCurDir = (int)::GetCurrentDirectoryA(MAX_PATH, szCurDir);
    if (nCurDir > 0 && szCurDir[nCurDir - 1] != '\\') {
        szCurDir[nCurDir++] = '\\';
        szCurDir[nCurDir] = '\0';
    }
    CString strName;
    for (int iMRU = 0; iMRU < m_nSize; iMRU++) {
        if (!GetDisplayName(strName, iMRU, szCurDir, nCurDir))
            break;
        // '&' in a name is doubled so it shows; "&1 " makes the mnemonic.
        CString strItem;
        char szPrefix[16];
        wsprintfA(szPrefix, "&%d ", (int)((iMRU + 1 + m_nStart) % 10));
        strItem = szPrefix;
        for (int i = 0; i < strName.GetLength(); i++) {
            if (strName[i] == '&')
                strItem += '&';
            strItem += strName[i];
        }
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, strItem);
    }
    // The routing carries on after the inserted items, which are all enabled.
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    char szEntry[64];
    for (int iMRU = 0; iMRU < m_nSize; iMRU++) {
        wsprintfA(szEntry, m_strEntryFormat, iMRU + 1);
        m_arrNames[iMRU] = pApp->GetProfileString(m_strSectionName, szEntry, "");
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    // The section is written whole: entries of a longer old list go.
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    char szEntry[64];
    for (int iMRU = 0; iMRU < m_nSize; iMRU++) {
        if (m_arrNames[iMRU].IsEmpty())
            continue;
        wsprintfA(szEntry, m_strEntryFormat, iMRU + 1);
        pApp->WriteProfileString(m_strSectionName, szEntry, m_arrNames[iMRU]);
    }
}
