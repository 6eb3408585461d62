// Dialog data exchange: a window's DoDataExchange moves values between its controls and
// its members with the DDX_ functions and checks them with the DDV_ functions. With
// m_bSaveAndValidate the values go from the controls to the members; a value that does
// not parse or fails its check shows the framework's message, puts the focus back on the
// control at fault and ends the exchange (CDataExchange::Fail throws a CUserException,
// which UpdateData catches). Every member the failed exchange had stored already is put
// back as it was, so a failed exchange changes nothing.
#pragma once
#include "fw/stdids.h"
#include "fw/wnd.h"

#include <functional>
#include <vector>

class FW_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    ~CDataExchange();

    BOOL m_bSaveAndValidate; // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd; // the window whose controls are exchanged
    HWND m_hWndLastControl; // the control last prepared (the one a failure is about)
    BOOL m_bEditLastControl; // it takes text: a failure selects all of it

    // The control nIDC of the window; a missing control is a programming error
    // (CNotSupportedException).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts back what this exchange stored, focuses the last control and throws a
    // CUserException. The message has been shown by then.
    [[noreturn]] void Fail();

    // Stores value in rMember, remembering the old value for Fail.
    template<class T>
    void Store(T& rMember, const T& value)
    {
        T old = rMember;
        m_rollback.push_back([&rMember, old]() { rMember = old; });
        rMember = value;
    }

private:
    std::vector<std::function<void()>> m_rollback;
    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;
};

// Shows a framework prompt (nIDPrompt from the framework's string table, %1 and %2
// replaced) as an exclamation box through the message-box seam.
FW_API void AFXAPI AfxDataExchangeMessage(UINT nIDPrompt, LPCSTR lpsz1 = nullptr,
                                          LPCSTR lpsz2 = nullptr);

// Text of edit controls (and of combo boxes' edit fields).
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
FW_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// Buttons: a check box's state (0, 1, 2); the index of the checked radio button of the
// group that starts at nIDC (-1 when none is checked).
FW_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
FW_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Lists. The String forms select the first entry that begins with the value (case-
// insensitive) and read the selected entry's text; the Exact forms select only an
// equal entry; the Index forms exchange the selection's index (-1 none).
FW_API void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
FW_API void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
FW_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
FW_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
FW_API void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
FW_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// A scroll bar's and a track bar's position.
FW_API void AFXAPI DDX_Scroll(CDataExchange* pDX, int nIDC, int& value);
FW_API void AFXAPI DDX_Slider(CDataExchange* pDX, int nIDC, int& value);

// Binds a control object to control nIDC (subclassing it) on the first exchange.
FW_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Validation, right after the DDX_ call of the same control. While loading, DDV_MaxChars
// limits the text the control takes; the range checks only act while saving.
FW_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
FW_API void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
FW_API void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
FW_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
FW_API void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
FW_API void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
FW_API void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
FW_API void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal,
                                   float maxVal);
FW_API void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal,
                                    double maxVal);
