#include "features/GXSortInfo.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

IMPLEMENT_DYNAMIC(CGXSortInfoArray, CObject)

CGXSortInfoArray::~CGXSortInfoArray() { delete[] m_pData; }

void CGXSortInfoArray::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowNotSupportedException();
    if (nGrowBy != -1)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0) {
        delete[] m_pData;
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (nNewSize > m_nMaxSize) {
        INT_PTR nStep = m_nGrowBy;
        if (nStep <= 0)
            nStep = std::min<INT_PTR>(1024, std::max<INT_PTR>(4, m_nSize / 8));
        const INT_PTR nNewMax = std::max(nNewSize, m_nMaxSize + nStep);
        CGXSortKeyInfo* pNew = new CGXSortKeyInfo[(size_t)nNewMax];
        if (m_nSize > 0)
            memcpy(pNew, m_pData, (size_t)m_nSize * sizeof(CGXSortKeyInfo));
        delete[] m_pData;
        m_pData = pNew;
        m_nMaxSize = nNewMax;
    }
    if (nNewSize > m_nSize)
        memset(m_pData + m_nSize, 0, (size_t)(nNewSize - m_nSize) * sizeof(CGXSortKeyInfo));
    m_nSize = nNewSize;
}

CGXSortKeyInfo& CGXSortInfoArray::operator[](INT_PTR nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        AfxThrowNotSupportedException();
    return m_pData[nIndex];
}

const CGXSortKeyInfo& CGXSortInfoArray::operator[](INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nSize)
        AfxThrowNotSupportedException();
    return m_pData[nIndex];
}

INT_PTR CGXSortInfoArray::Add(const CGXSortKeyInfo& key)
{
    const INT_PTR nIndex = m_nSize;
    SetSize(m_nSize + 1);
    m_pData[nIndex] = key;
    return nIndex;
}

BOOL GXSortTextLooksNumeric(LPCTSTR pszText)
{
    for (LPCTSTR p = pszText; *p != '\0'; ++p)
        if (strchr("0123456789,.-e ", *p) == nullptr)
            return FALSE;
    return TRUE;
}

double GXSortTextToNumber(LPCTSTR pszText)
{
    CString strDigits(pszText);
    strDigits.Remove(',');
    return atof(strDigits);
}
