// The application's settings profile: the registry under
// HKEY_CURRENT_USER\Software\<RegistryKey>\<ProfileName> once SetRegistryKey was called,
// else the .INI file named m_pszProfileName.
#include "fw/win.h"

#include <cstdlib>
#include <cstring>
#include <vector>

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _strdup(lpszRegistryKey ? lpszRegistryKey : "");
    free((void*)m_pszProfileName);
    m_pszProfileName = _strdup(m_pszAppName ? m_pszAppName : "");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

namespace {

// Opens the named key below hParent for reading and writing, creating it if need be;
// null when that fails (or when hParent is null).
HKEY createKey(HKEY hParent, LPCSTR lpszName)
{
    if (hParent == nullptr)
        return nullptr;
    HKEY hKey = nullptr;
    DWORD dw;
    if (::RegCreateKeyExA(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_WRITE | KEY_READ, nullptr, &hKey, &dw) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

} // namespace

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    HKEY hAppKey = nullptr, hSoftKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) ==
        ERROR_SUCCESS) {
        HKEY hCompanyKey = createKey(hSoftKey, m_pszRegistryKey);
        hAppKey = createKey(hCompanyKey, m_pszProfileName);
        if (hCompanyKey != nullptr)
            ::RegCloseKey(hCompanyKey);
        ::RegCloseKey(hSoftKey);
    }
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = createKey(hAppKey, lpszSection);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult =
        ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwCount);
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        char szT[16];
        wsprintfA(szT, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szT, m_pszProfileName);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    LONG lResult =
        ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_DWORD, (LPBYTE)&nValue, sizeof(nValue));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (m_pszRegistryKey == nullptr) {
        if (lpszDefault == nullptr)
            lpszDefault = "";
        // Grow the buffer until the value fits.
        std::vector<char> buffer(4096);
        for (;;) {
            DWORD nLen =
                ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, buffer.data(),
                                           (DWORD)buffer.size(), m_pszProfileName);
            if (nLen < buffer.size() - 1)
                return CString(buffer.data(), (int)nLen);
            buffer.resize(buffer.size() * 2);
        }
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey != nullptr) {
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ)) {
            std::vector<char> buffer(dwCount + 1, '\0');
            lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType,
                                         (LPBYTE)buffer.data(), &dwCount);
            ::RegCloseKey(hSecKey);
            if (lResult == ERROR_SUCCESS)
                return CString(buffer.data()); // stops at the terminator, stored or not
            return lpszDefault;
        }
        ::RegCloseKey(hSecKey);
    }
    return lpszDefault;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    LONG lResult;
    if (lpszEntry == nullptr) {
        // Remove the whole section.
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == nullptr)
            return FALSE;
        lResult = ::RegDeleteTreeA(hAppKey, lpszSection);
        ::RegDeleteKeyA(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    if (lpszValue == nullptr) {
        lResult = ::RegDeleteValueA(hSecKey, lpszEntry);
        if (lResult == ERROR_FILE_NOT_FOUND)
            lResult = ERROR_SUCCESS;
    } else {
        lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                   (DWORD)strlen(lpszValue) + 1);
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr) {
        // The .INI form: two letters per byte, 'A' + high nibble then 'A' + low nibble.
        CString str = GetProfileString(lpszSection, lpszEntry, nullptr);
        if (str.IsEmpty() || str.GetLength() % 2 != 0)
            return FALSE;
        UINT nLen = (UINT)str.GetLength() / 2;
        LPBYTE pData = new BYTE[nLen];
        for (UINT i = 0; i < nLen; i++) {
            char hi = str[(int)(2 * i)], lo = str[(int)(2 * i + 1)];
            if (hi < 'A' || hi > 'P' || lo < 'A' || lo > 'P') {
                delete[] pData;
                return FALSE;
            }
            pData[i] = (BYTE)(((hi - 'A') << 4) | (lo - 'A'));
        }
        *ppData = pData;
        *pBytes = nLen;
        return TRUE;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY) {
        LPBYTE pData = new BYTE[dwCount ? dwCount : 1];
        lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, pData, &dwCount);
        if (lResult == ERROR_SUCCESS) {
            *ppData = pData;
            *pBytes = dwCount;
        } else {
            delete[] pData;
        }
    } else {
        lResult = ERROR_INVALID_DATA;
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr) {
        std::vector<char> text(nBytes * 2 + 1, '\0');
        for (UINT i = 0; i < nBytes; i++) {
            text[2 * i] = (char)('A' + (pData[i] >> 4));
            text[2 * i + 1] = (char)('A' + (pData[i] & 0x0F));
        }
        return WriteProfileString(lpszSection, lpszEntry, text.data());
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}
