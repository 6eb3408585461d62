// Dialog data validation: the DDV_ functions.
#include "fw/win.h"
#include "fw/dataexchange.h"

#include <cfloat>

namespace {

template<class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, UINT nIDPrompt, LPCSTR lpszFormat)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(lpszFormat, minVal);
    strMax.Format(lpszFormat, maxVal);
    AfxDataExchangeMessage(nIDPrompt, strMin, strMax);
    pDX->Fail();
}

} // namespace

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() <= nChars)
            return;
        CString strChars;
        strChars.Format("%d", nChars);
        AfxDataExchangeMessage(AFX_IDP_PARSE_STRING_SIZE, strChars);
        pDX->Fail();
    }
    // Loading: the control takes no more than nChars characters.
    HWND hWndCtrl = pDX->m_hWndLastControl;
    if (hWndCtrl == nullptr || !pDX->m_bEditLastControl)
        return;
    char szClass[16] = "";
    ::GetClassNameA(hWndCtrl, szClass, sizeof szClass);
    UINT nMsg = lstrcmpiA(szClass, "ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
    ::SendMessageA(hWndCtrl, nMsg, (WPARAM)nChars, 0);
}

void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckRange<unsigned>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%u");
}

void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    CheckRange<int>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%d");
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange<int>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%d");
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange<long>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%ld");
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange<unsigned>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%u");
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckRange<unsigned long>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, "%lu");
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    CheckRange<double>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_REAL_RANGE, "%g");
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    CheckRange<double>(pDX, value, minVal, maxVal, AFX_IDP_PARSE_REAL_RANGE, "%g");
}
