// Helpers of the reader tests: read a script and look at its runs as plain values.
#pragma once
#include <string>
#include <vector>

#include "PromptTextReader.h"

// The text colour the tests hand the reader (distinct from every table colour they use).
const COLORREF kTextColor = 0x00112233;

struct RunView
{
    std::string text; // UTF-8
    int type; // eStringType
    int charSet;
    int style;
    COLORREF color;
    int paragraph;
    int order;
    int flags;
    int field;
    std::string instruction;
    int rtlChar;
    int rtlPara;
};

// Reads text with the given settings (text colour kTextColor, step 100, flags PT_SCRIPT).
std::vector<RunView> ReadRuns(const std::string& text,
                              const PromptReaderSettings& settings = PromptReaderSettings(),
                              int step = 100, PromptType flags = PT_SCRIPT);

// "{\rtf1\ansi " + body + "}"
std::string Rtf(const std::string& body);

// The runs' texts joined with '|'.
std::string Texts(const std::vector<RunView>& runs);

// UTF-8 form of zero-terminated UTF-16 units.
std::string ToUtf8(const wchar_t* text);

// Silences the reader's high-bit warnings while it lives.
struct QuietWarnings
{
    QuietWarnings();
    ~QuietWarnings();
};
