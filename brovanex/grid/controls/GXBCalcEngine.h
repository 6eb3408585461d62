// The arithmetic of the drop-down calculator, apart from its window: entry and result
// states, one accumulator and one pending operator evaluated strictly left to right, the
// percent rule, the limits of what fits the display, and the error state.
#pragma once
#include "fw/string.h"

// Button codes (what a pressed button dispatches).
enum {
    GX_CALC_MULTIPLY = 1,
    GX_CALC_ADD = 2,
    GX_CALC_SUBTRACT = 3,
    GX_CALC_DIVIDE = 4,
    GX_CALC_PERCENT = 5,
    GX_CALC_EQUALS = 6,
    GX_CALC_CLEAR = 7,
    GX_CALC_CLEAR_ENTRY = 8,
    GX_CALC_DIGIT0 = 9, // digits 0-9 are codes 9-18
    GX_CALC_POINT = 19,
    GX_CALC_BACKSPACE = 20
};

// One button of the calculator's block, in layout order.
struct GXCalcButtonDef
{
    const char* pszLabel; // null: the label comes from the "=" string resource
    int nCode;
    int nUnits; // width in button units
    const char* pszKeys; // typed characters that press it
    int nVirtKey; // key-down code that presses it, 0 none
    bool bNewRow;
    COLORREF crText;
};

class CGXBCalcEngine
{
public:
    enum { StateCaptured = 0x01, StateLeadByte = 0x02, StatePreset = 0x04, StateError = 0x08 };

    CGXBCalcEngine();
    virtual ~CGXBCalcEngine();

    // Dispatches one button code; FALSE when the code is unknown or refused (in error,
    // an entry that does not read as a number).
    BOOL HandleCode(int nCode);
    // The button whose typed keys hold ch (compared lower-case), or whose key-down code is
    // nVirtKey; -1 for none.
    static int FindButtonForChar(char ch);
    static int FindButtonForKey(int nVirtKey);
    static const GXCalcButtonDef* GetButtons(int& nCount);

    // Starts over with d as the accumulator, shown formatted.
    void SetValue(double d);
    double GetValue() const { return m_dValue; }
    BOOL IsError() const { return (m_nState & StateError) != 0; }
    // The digits that fit the display (at least 1); the decimals follow (at most as many).
    void SetDisplayCapacity(int nDigits);
    // The text the display shows: the entry with its point, "0." when empty; in error the
    // given error text.
    CString GetDisplayText(LPCTSTR pszErrorText) const;
    // Clears everything; with bKeepPreset a value set before the window existed stays.
    void Reset(BOOL bKeepPreset);

    int m_nState;
    double m_dValue;
    int m_nPendingOp;
    BOOL m_bNewEntry;
    int m_nMaxDecimals;
    int m_nDisplayDigits;
    CString m_strDisplay;

protected:
    // Called where the user is told a key was refused.
    virtual void OnBeep() { }
    // Called when the display changed.
    virtual void OnDisplayChanged() { }

private:
    BOOL OnDigit(int nDigit);
    BOOL OnPoint();
    BOOL OnBackspace();
    BOOL OnOperator(int nOp);
    void ClearAll();
    void ClearEntry();
    void ShowValue(double d);
    void EnterError();
};
