// The state of one RTF reading pass of the script reader, shared by the run reader and
// the control-word handling (private to the reader).
#pragma once
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include "PromptTextReader.h"
#include "RtfToken.h"

namespace rtf_read {

// Why a run was completed.
enum Completion {
    DONE_NONE,
    DONE_GROUP_AT_TOP, // a group opened at the document's level
    DONE_PARAGRAPH, // \par, \line, \page
    DONE_OTHER,
    DONE_END
};

// Results of CheckrtfControl that the run reader acts on.
enum {
    CTL_NONE = 0,
    CTL_TXFIELDDEF = 1,
    CTL_FIELD = 2,
    CTL_TXFIELDTYPE0 = 4,
    CTL_TXFIELDSTART = 6,
    CTL_TXFIELDEND = 7,
    CTL_BOOKMARK_END = 9,
    CTL_PARAGRAPH = 10,
    CTL_SKIP_NEXT = 11,
    CTL_PNTEXT = 12,
    CTL_LISTTEXT = 13,
    CTL_FIELD_RESULT = 15,
    CTL_SKIP_GROUP = 16,
    CTL_CHAR_FORMAT = 17,
    CTL_GENERATOR = 18
};

// Field states.
enum {
    FIELD_NONE = 0,
    FIELD_INSTRUCTION = 1, // inside \field, before its result
    FIELD_RESULT = 2, // inside \fldrslt
    FIELD_TEXT_CONTROL = 3, // inside a text-control field (slide-show instruction)
    FIELD_TEXT_ENDED = 4 // after \txfieldend, until its run is made
};

// Writer dialects, from the \generator group.
enum { DIALECT_UNKNOWN = -1, DIALECT_MSFTEDIT = 1, DIALECT_WORD = 2 };

const unsigned long kInitialRunCapacity = 512;

typedef std::vector<std::pair<long, int>> DepthStack;

inline int Top(const DepthStack& stack) { return stack.back().second; }

// Changes the entry of this depth, pushing one when the top belongs to an outer group.
inline void SetTop(DepthStack& stack, long depth, int value)
{
    if (stack.back().first == depth)
        stack.back().second = value;
    else
        stack.emplace_back(depth, value);
}

// Drops the entries of groups deeper than depth (the entry of depth 0 stays).
inline void PopDeeper(DepthStack& stack, long depth)
{
    while (stack.size() > 1 && stack.back().first > depth)
        stack.pop_back();
}

inline int AddClamped(int value, int step)
{
    long long sum = static_cast<long long>(value) + step;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

} // namespace rtf_read

// Everything one reading pass keeps between runs.
struct CPromptTextReader::ReadState
{
    const char* pos = nullptr;
    const char* end = nullptr;
    CRtfToken tok;
    bool atEnd = false;

    long depth = 0;
    long fieldDepth = -1; // depth at which the current field lives; -1 when none
    int fieldState = rtf_read::FIELD_NONE;
    int ucSkip = 0; // characters still to skip after a \u
    int ucValue = 1; // \uc; RTF makes 1 the default, so a writer that never says it means 1
    BYTE rtlChar = 0;
    BYTE rtlPara = 0;
    bool skipPending = false; // \* seen: skip the group if the next word is unknown
    int dialect = rtf_read::DIALECT_UNKNOWN;

    rtf_read::DepthStack styles, colors, charSets;
    std::vector<COLORREF> colorTable;

    // The run being built.
    wchar_t* buffer = nullptr;
    unsigned long length = 0;
    unsigned long capacity = 0;
    bool typed = false; // the run holds typed (not neutral) characters
    eStringType type = ST_CODEPAGE;
    std::vector<wchar_t> carry; // characters of the other type that start the next run
    eStringType carryType = ST_CODEPAGE;
    bool split = false; // the run must end now (its next character is in carry)

    // Marks of the current paragraph: they last until the paragraph ends.
    PromptType marks = PT_NONE;
    int fieldCode = 0;
    qelstring fieldText;
    bool instructionPending = false; // an instruction field ended and has no run yet
    bool paragraphHasRun = false;
    prmptFormatedText* lastRun = nullptr; // the paragraph's last run (owned by the list)

    PromptType baseFlags = PT_NONE;
    int paragraph = 0;
    int step = 0;
    int order = 0;
    COLORREF textColor = 0;
    CTimeSpan runLength;

    ~ReadState() { delete[] buffer; }

    bool TextHidden(int showInstructions) const
    {
        return fieldState == rtf_read::FIELD_INSTRUCTION ||
            (fieldState == rtf_read::FIELD_TEXT_CONTROL && !showInstructions);
    }
};

// ---------------------------------------------------------------------------------------
// Small operations on the reading state.

namespace rtf_read {

inline void AppendUnits(CPromptTextReader::ReadState& st, const wchar_t* units, unsigned long count)
{
    CPromptTextReader::CheckFieldLength(st.buffer, st.length + count, st.capacity);
    std::memcpy(st.buffer + st.length, units, count * sizeof(wchar_t));
    st.length += count;
    st.buffer[st.length] = 0;
}

// A typed character: a run holds characters of one string type; a character of the other
// type ends the run and starts the next one.
inline void AppendTyped(CPromptTextReader::ReadState& st, wchar_t ch, eStringType type)
{
    if (st.typed && st.type != type && st.length > 0) {
        st.carry.push_back(ch);
        st.carryType = type;
        st.split = true;
        return;
    }
    st.typed = true;
    st.type = type;
    AppendUnits(st, &ch, 1);
}

} // namespace rtf_read
