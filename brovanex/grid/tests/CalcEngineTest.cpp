// The calculator's arithmetic driven by its typed keys: left-to-right evaluation, the
// percent rule, the digit and decimal limits of the display, and the error state.
#include "controls/GXBCalcEngine.h"
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
class CountingCalc : public CGXBCalcEngine
{
public:
    int m_nBeeps = 0;

    // Presses the button of each typed character; fails on a character no button takes.
    void Type(const char* pszKeys)
    {
        for (const char* p = pszKeys; *p != 0; ++p) {
            int nButton = FindButtonForChar(*p);
            ASSERT_GE(nButton, 0) << *p;
            int nCount = 0;
            HandleCode(GetButtons(nCount)[nButton].nCode);
        }
    }
    CString Shown() const { return GetDisplayText("E"); }

protected:
    void OnBeep() override { ++m_nBeeps; }
};
} // namespace

TEST(GridCalculator, KeysAndResults)
{
    struct Case
    {
        int nDisplayDigits;
        const char* pszKeys;
        const char* pszShown;
        int nBeeps;
    } cases[] = {
        {15, "", "0.", 0},
        {15, "007", "7.", 0},
        {15, ".", "0.", 0},
        {15, "..5", "0.5", 0},
        {15, "2+3*4=", "20.", 0}, // no precedence
        {15, "100*5%", "5.", 0},
        {15, "100+5%", "0.", 0},
        {15, "200/4%", "8.", 0}, // after divide too: entry x accumulator / 100
        {15, "10-4=", "6.", 0},
        {15, "7*=", "49.", 0}, // the shown result is the entry
        {15, "12\b3", "13.", 0},
        {15, "12=\b", "12.", 0}, // a result cannot be edited
        {15, "1/3=", "0.33333333333333", 0},
        {10, "1/3=", "0.333333333", 0},
        {15, "2/8=", "0.25", 0},
        {15, "CE", "0.", 0},
        {15, "5+5Ce", "0.", 0},
        {15, "5+5e3=", "8.", 0}, // CE drops the entry, keeps the pending sum
        // Typing limits: 13 integer digits, and what fits the display.
        {15, "99999999999999", "9999999999999.", 1},
        {6, "1234567", "123456.", 1},
        {6, "0.123456", "0.12345", 1},
        {15, "999999999999*100=", "E", 0}, // 14-digit result: error in any display
        {15, "8/0=", "E", 0},
        {15, "8/0=5+", "E", 2},
        {15, "8/0=e", "0.", 0}, // CE leaves the error completely
        {15, "8/0=e7+1=", "8.", 0},
        {15, "8/0=c2", "2.", 0},
    };
    for (const Case& c : cases) {
        CountingCalc calc;
        calc.SetDisplayCapacity(c.nDisplayDigits);
        calc.Type(c.pszKeys);
        EXPECT_STREQ(calc.Shown(), c.pszShown) << c.pszKeys;
        EXPECT_EQ(calc.m_nBeeps, c.nBeeps) << c.pszKeys;
    }
}

TEST(GridCalculator, CapacityAndNonFiniteValues)
{
    CountingCalc calc;
    calc.SetDisplayCapacity(-5); // a display too narrow for one digit still holds one
    EXPECT_EQ(calc.m_nDisplayDigits, 1);
    EXPECT_EQ(calc.m_nMaxDecimals, 1);
    calc.SetDisplayCapacity(0);
    EXPECT_GE(calc.m_nMaxDecimals, 0);
    calc.Type("7");
    EXPECT_STREQ(calc.Shown(), "7.");
    calc.Type("8");
    EXPECT_EQ(calc.m_nBeeps, 1);

    const double bad[] = {std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
    for (double d : bad) {
        CountingCalc wide;
        wide.SetValue(d);
        EXPECT_TRUE(wide.IsError());
        EXPECT_STREQ(wide.Shown(), "E");
        wide.Type("e");
        EXPECT_FALSE(wide.IsError());
    }
    CountingCalc overflow;
    overflow.SetValue(1e300);
    EXPECT_TRUE(overflow.IsError());
    EXPECT_FALSE(overflow.HandleCode(GX_CALC_EQUALS));
    EXPECT_EQ(overflow.m_nBeeps, 1);

    CountingCalc preset;
    preset.SetValue(-12.5);
    EXPECT_STREQ(preset.Shown(), "-12.5");
    preset.Type("*2=");
    EXPECT_STREQ(preset.Shown(), "-25.");
    EXPECT_EQ(preset.GetValue(), -25);
    EXPECT_FALSE(preset.HandleCode(99)); // not a button code
}

TEST(GridCalculator, ButtonTable)
{
    int nCount = 0;
    const GXCalcButtonDef* pButtons = CGXBCalcEngine::GetButtons(nCount);
    ASSERT_EQ(nCount, 20);
    EXPECT_STREQ(pButtons[0].pszLabel, "C");
    EXPECT_EQ(pButtons[nCount - 1].nCode, GX_CALC_EQUALS);
    EXPECT_EQ(pButtons[nCount - 1].nUnits, 4);
    EXPECT_EQ(CGXBCalcEngine::FindButtonForKey(0x0D), nCount - 1); // Enter is "="
    EXPECT_EQ(pButtons[CGXBCalcEngine::FindButtonForKey(0x2E)].nCode, GX_CALC_BACKSPACE);
    EXPECT_EQ(CGXBCalcEngine::FindButtonForChar('x'), -1);
    EXPECT_EQ(pButtons[CGXBCalcEngine::FindButtonForChar('C')].nCode, GX_CALC_CLEAR);
}
