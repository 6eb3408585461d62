// Shell registration of the templates' file types, in the current user's classes
// (HKEY_CURRENT_USER\Software\Classes): the type with its name, icon and open and
// print commands, and each extension pointing at the type.
#include "fw/win.h"

namespace {

BOOL SetRegKey(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszValue, LPCSTR lpszValueName = nullptr)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(hRoot, lpszKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, lpszValueName, 0, REG_SZ, (const BYTE*)lpszValue,
                                    lstrlenA(lpszValue) + 1);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CString GetRegKey(HKEY hRoot, LPCSTR lpszKey)
{
    char szValue[MAX_PATH * 2] = "";
    LONG lSize = sizeof szValue;
    if (::RegQueryValueA(hRoot, lpszKey, szValue, &lSize) != ERROR_SUCCESS)
        return CString();
    return CString(szValue);
}

} // namespace

HKEY AFXAPI AfxGetClassesRoot()
{
    static HKEY hClasses = [] {
        HKEY hKey = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &hKey, nullptr);
        return hKey;
    }();
    return hClasses;
}

void CDocManager::RegisterShellFileTypes(BOOL bCompat)
{
    HKEY hRoot = AfxGetClassesRoot();
    if (hRoot == nullptr)
        return;
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(AfxGetInstanceHandle(), szExe, MAX_PATH);
    CString strOpen = CString("\"") + szExe + "\" \"%1\"";
    CString strPrint = CString("\"") + szExe + "\" /p \"%1\"";

    int nTemplateIndex = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        nTemplateIndex++;
        CString strFileTypeId, strFileTypeName, strFilterExt;
        if (!pTemplate->GetDocString(strFileTypeId, CDocTemplate::regFileTypeId) ||
            strFileTypeId.IsEmpty())
            continue; // not enough to register it
        if (!pTemplate->GetDocString(strFileTypeName, CDocTemplate::regFileTypeName) ||
            strFileTypeName.IsEmpty())
            strFileTypeName = strFileTypeId;
        if (!SetRegKey(hRoot, strFileTypeId, strFileTypeName))
            continue;
        if (bCompat) {
            char szIcon[MAX_PATH + 16];
            wsprintfA(szIcon, "%s,%d", szExe, nTemplateIndex);
            SetRegKey(hRoot, strFileTypeId + "\\DefaultIcon", szIcon);
            SetRegKey(hRoot, strFileTypeId + "\\shell\\print\\command", strPrint);
        }
        SetRegKey(hRoot, strFileTypeId + "\\shell\\open\\command", strOpen);

        // Each extension names the type, unless another program's type holds it.
        pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt);
        CString strExt;
        for (int i = 0; AfxExtractSubString(strExt, strFilterExt, i, ';'); i++) {
            if (strExt.GetLength() < 2 || strExt[0] != '.')
                continue;
            // The user's own classes first, then the machine's (seen merged through the
            // classes root): a type either names is another program's.
            CString strCurrent = GetRegKey(hRoot, strExt);
            if (strCurrent.IsEmpty())
                strCurrent = GetRegKey(HKEY_CLASSES_ROOT, strExt);
            if (strCurrent.IsEmpty() || strCurrent == strFileTypeId) {
                SetRegKey(hRoot, strExt, strFileTypeId);
                if (bCompat)
                    SetRegKey(hRoot, strExt + "\\ShellNew", "", "NullFile");
            }
        }
    }
}

void CDocManager::UnregisterShellFileTypes()
{
    HKEY hRoot = AfxGetClassesRoot();
    if (hRoot == nullptr)
        return;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString strFileTypeId, strFilterExt;
        if (!pTemplate->GetDocString(strFileTypeId, CDocTemplate::regFileTypeId) ||
            strFileTypeId.IsEmpty())
            continue;
        ::RegDeleteTreeA(hRoot, strFileTypeId);
        pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt);
        CString strExt;
        for (int i = 0; AfxExtractSubString(strExt, strFilterExt, i, ';'); i++) {
            if (!strExt.IsEmpty() && GetRegKey(hRoot, strExt) == strFileTypeId)
                ::RegDeleteTreeA(hRoot, strExt);
        }
    }
}
