// The currency number format: a money amount (a magnitude and a separate negative flag)
// turned into display text by the sign patterns, grouping and fixed digit counts, and
// display text read back. Window-free: the currency edit window owns one
// (CGXBCurrencyEdit::Format), the currency cell builds short-lived copies from a style.
#pragma once
#include "fw/string.h"

class CGXBCurrencyFormat
{
public:
    // bInitializeFromLocale: the user's locale settings (Windows only) or the plain defaults.
    explicit CGXBCurrencyFormat(BOOL bInitializeFromLocale = FALSE);
    CGXBCurrencyFormat(const CGXBCurrencyFormat& other);
    CGXBCurrencyFormat& operator=(const CGXBCurrencyFormat& other);
    virtual ~CGXBCurrencyFormat();

    // Empty text is 0. Fails (leaving dMagnitude and bNegative alone) on unbalanced
    // parentheses, text without digits, digits outside the number, a second decimal
    // separator, or a value too large for a double.
    virtual BOOL ParseValue(LPCTSTR pszText, double& dMagnitude, BOOL& bNegative) const;
    // dMagnitude is taken as its absolute value; NaN and infinity show as 0.
    virtual void FormatValue(double dMagnitude, CString& strText, BOOL bNegative) const;
    // Position of the last cChar (0: the decimal separator) in pszText, or -1.
    virtual int FindDecimalSeparator(LPCTSTR pszText, TCHAR cChar = 0) const;
    // First and last position of the number in a display text; both -1 when it has none.
    virtual BOOL FindNumberSpan(LPCTSTR pszText, int& nFirst, int& nLast) const;
    virtual void Assign(const CGXBCurrencyFormat& other);
    virtual BOOL IsEqual(const CGXBCurrencyFormat& other) const;
    virtual BOOL IsDifferent(const CGXBCurrencyFormat& other) const;

    void SetBackgroundColor(COLORREF cr);
    void SetNegativeColor(COLORREF cr);
    void SetPositiveColor(COLORREF cr);
    BOOL GetBackgroundColor(COLORREF& cr) const;
    BOOL GetNegativeColor(COLORREF& cr) const;
    BOOL GetPositiveColor(COLORREF& cr) const;

    // The settings as they are used: digit counts and pattern indexes clamped to their
    // ranges; separators that are digits, signs ("-", "(" or ")") or equal to each other give
    // "," and "."; a sign as fill character gives a blank.
    int GetPositiveFormat() const;
    int GetNegativeFormat() const;
    int GetIntegerDigits() const; // -1 (no fixed width) or 0..GX_CURRENCY_MAX_INTEGER_DIGITS
    int GetFractionDigits() const; // 0..GX_CURRENCY_MAX_FRACTION_DIGITS
    TCHAR GetThousandSeparator() const; // 0: no grouping
    TCHAR GetDecimalSeparator() const; // the character shown (a blank for 0)
    TCHAR GetFillChar() const;
    int GetGroupSize() const; // the first number of m_strGrouping, 0 for none

    // Text helpers of the edit window.
    static int CountDigits(LPCTSTR pszText);
    static int RemoveThousandSeparators(CString& strText, TCHAR cSeparator);
    static int KeepDigitsOnly(CString& strText);

    enum { ColorBackground = 1, ColorNegative = 2, ColorPositive = 4 };

    BOOL m_bLeadingZero;
    BOOL m_bDecimalSeparatorLine;
    BOOL m_bKeepTrailingDigits;
    BOOL m_bPadBeforeGrouping;
    CString m_strCurrencySymbol;
    CString m_strGrouping;
    TCHAR m_cThousandSeparator;
    TCHAR m_cDecimalSeparator;
    TCHAR m_cFillChar;
    COLORREF m_crBackground;
    COLORREF m_crNegative;
    COLORREF m_crPositive;
    COLORREF m_crSeparatorLine;
    int m_nColorFlags;
    int m_nPositiveFormat;
    int m_nNegativeFormat;
    int m_nIntegerDigits;
    int m_nFractionDigits;

private:
    void SetPlainDefaults();
    void ReadLocale();
    void EffectiveSeparators(TCHAR& cThousand, TCHAR& cDecimal) const;
};

const int GX_CURRENCY_MAX_INTEGER_DIGITS = 40;
const int GX_CURRENCY_MAX_FRACTION_DIGITS = 15;
