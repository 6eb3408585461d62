// The currency reader over arbitrary text under settings taken from the first bytes; an
// amount that is read is shown again, and the shown text must read back as the same amount.
#include "controls/GXBCurrencyFormat.h"
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 6)
        return 0;
    static const char thousands[] = {',', '.', ' ', '\'', 0, '5', '-', '(', ')'};
    static const char decimals[] = {'.', ',', 0, ' ', '-', '(', ')'};
    CGXBCurrencyFormat format;
    format.m_nPositiveFormat = (int8_t)data[0];
    format.m_nNegativeFormat = (int8_t)data[1];
    format.m_cThousandSeparator = thousands[data[2] % sizeof thousands];
    format.m_cDecimalSeparator = decimals[data[3] % sizeof decimals];
    format.m_nFractionDigits = (int8_t)data[4];
    format.m_bLeadingZero = data[5] & 1;
    format.m_bPadBeforeGrouping = (data[5] >> 1) & 1;
    format.m_bKeepTrailingDigits = (data[5] >> 2) & 1;
    bool bFixedWidth = (data[5] >> 3) & 1;
    if (bFixedWidth)
        format.m_nIntegerDigits = data[5] >> 4;
    format.m_strGrouping = (data[2] & 0x80) ? "2;0" : "3;0";
    std::string text(reinterpret_cast<const char*>(data + 6), size - 6);
    text = text.c_str(); // up to the first zero byte

    double d = 0;
    BOOL bNegative = FALSE;
    int nFirst, nLast;
    format.FindNumberSpan(text.c_str(), nFirst, nLast);
    format.FindDecimalSeparator(text.c_str());
    if (!format.ParseValue(text.c_str(), d, bNegative))
        return 0;
    if (d < 0 || d != d)
        abort();
    CString shown;
    format.FormatValue(d, shown, bNegative);
    if (bFixedWidth)
        return 0; // a fixed width may cut digits off: nothing to compare
    double dBack = -1;
    BOOL bBack = FALSE;
    if (!format.ParseValue(shown, dBack, bBack))
        abort();
    int nDigits = format.GetFractionDigits();
    int nLength = snprintf(nullptr, 0, "%.*f", nDigits, d);
    std::string rounded((size_t)nLength, '\0');
    snprintf(&rounded[0], rounded.size() + 1, "%.*f", nDigits, d);
    if (dBack != strtod(rounded.c_str(), nullptr) || bBack != bNegative)
        abort();
    return 0;
}
