// The RTF run reader: reads an RTF script token by token into formatted runs. A run ends
// at a paragraph end, at a group that opens or closes at the document's own level, when a
// text-control field or field result closes, when the character direction changes, at
// \plain, and between code-page and Unicode characters. Group depth 0 is the document's
// own group.
#include "PromptTextReader.h"

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "RtfToken.h"
#include "TextConversion.h"

namespace {

// Why a run was completed.
enum Completion
{
    DONE_NONE,
    DONE_GROUP_AT_TOP,   // a group opened at the document's level
    DONE_PARAGRAPH,      // \par, \line, \page
    DONE_OTHER,
    DONE_END
};

// Results of CheckrtfControl that the run reader acts on.
enum
{
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
enum
{
    FIELD_NONE = 0,
    FIELD_INSTRUCTION = 1,   // inside \field, before its result
    FIELD_RESULT = 2,        // inside \fldrslt
    FIELD_TEXT_CONTROL = 3,  // inside a text-control field (slide-show instruction)
    FIELD_TEXT_ENDED = 4     // after \txfieldend, until its run is made
};

// Writer dialects, from the \generator group.
enum
{
    DIALECT_UNKNOWN = -1,
    DIALECT_MSFTEDIT = 1,
    DIALECT_WORD = 2
};

const unsigned long kInitialRunCapacity = 512;

typedef std::vector<std::pair<long, int>> DepthStack;

int Top(const DepthStack& stack)
{
    return stack.back().second;
}

// Changes the entry of this depth, pushing one when the top belongs to an outer group.
void SetTop(DepthStack& stack, long depth, int value)
{
    if (stack.back().first == depth)
        stack.back().second = value;
    else
        stack.emplace_back(depth, value);
}

// Drops the entries of groups deeper than depth (the entry of depth 0 stays).
void PopDeeper(DepthStack& stack, long depth)
{
    while (stack.size() > 1 && stack.back().first > depth)
        stack.pop_back();
}

int AddClamped(int value, int step)
{
    long long sum = static_cast<long long>(value) + step;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

}   // namespace

// Everything one reading pass keeps between runs.
struct CPromptTextReader::ReadState
{
    const char* pos = nullptr;
    const char* end = nullptr;
    CRtfToken tok;
    bool atEnd = false;

    long depth = 0;
    long fieldDepth = -1;     // depth at which the current field lives; -1 when none
    int fieldState = FIELD_NONE;
    int ucSkip = 0;           // characters still to skip after a \u
    int ucValue = 0;          // \uc
    BYTE rtlChar = 0;
    BYTE rtlPara = 0;
    bool skipPending = false; // \* seen: skip the group if the next word is unknown
    int dialect = DIALECT_UNKNOWN;

    DepthStack styles, colors, charSets;
    std::vector<COLORREF> colorTable;
    bool haveColorTable = false;

    // The run being built.
    wchar_t* buffer = nullptr;
    unsigned long length = 0;
    unsigned long capacity = 0;
    bool typed = false;                 // the run holds typed (not neutral) characters
    eStringType type = ST_CODEPAGE;
    std::vector<wchar_t> carry;         // characters of the other type that start the next run
    eStringType carryType = ST_CODEPAGE;
    bool split = false;                 // the run must end now (its next character is in carry)

    // Marks of the current paragraph: they last until the paragraph ends.
    PromptType marks = PT_NONE;
    int fieldCode = 0;
    qelstring fieldText;
    bool instructionPending = false;    // an instruction field ended and has no run yet
    bool paragraphHasRun = false;

    PromptType baseFlags = PT_NONE;
    int paragraph = 0;
    int step = 0;
    int order = 0;
    COLORREF textColor = 0;
    CTimeSpan runLength;

    ~ReadState() { delete[] buffer; }

    bool TextHidden(int showInstructions) const
    {
        return fieldState == FIELD_INSTRUCTION ||
               (fieldState == FIELD_TEXT_CONTROL && !showInstructions);
    }
};

// ---------------------------------------------------------------------------------------
// Small operations on the reading state.
namespace {

void AppendUnits(CPromptTextReader::ReadState& st, const wchar_t* units, unsigned long count)
{
    CPromptTextReader::CheckFieldLength(st.buffer, st.length + count, st.capacity);
    std::memcpy(st.buffer + st.length, units, count * sizeof(wchar_t));
    st.length += count;
    st.buffer[st.length] = 0;
}

// A typed character: a run holds characters of one string type; a character of the other
// type ends the run and starts the next one.
void AppendTyped(CPromptTextReader::ReadState& st, wchar_t ch, eStringType type)
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

void EndField(CPromptTextReader::ReadState& st)
{
    // A text-control field whose group closed before its end is no instruction.
    if (st.fieldState == FIELD_TEXT_CONTROL) {
        st.fieldCode = 0;
        st.fieldText.clear();
    }
    st.fieldState = FIELD_NONE;
    st.fieldDepth = -1;
}

// After the depth fell (a group closed or was skipped): never below 0, the field ends when
// its group closed.
void DepthFell(CPromptTextReader::ReadState& st)
{
    if (st.depth < 0)
        st.depth = 0;
    if (st.fieldDepth >= 0 && st.depth < st.fieldDepth)
        EndField(st);
}

void PopAll(CPromptTextReader::ReadState& st)
{
    PopDeeper(st.styles, st.depth);
    PopDeeper(st.colors, st.depth);
    PopDeeper(st.charSets, st.depth);
}

void AdvanceParagraph(CPromptTextReader::ReadState& st)
{
    st.paragraph = AddClamped(st.paragraph, st.step);
    if (st.paragraphHasRun) {
        st.marks = PT_NONE;
        st.baseFlags &= ~PT_BREAK;   // only the first paragraph of a text is the banner
    } else {
        // A paragraph that made no run hands its bookmark to the next one that does.
        st.marks &= PT_BOOKMARK;
    }
    // A field still open (its text began with a line break) keeps its code and text.
    if (st.fieldState != FIELD_TEXT_CONTROL) {
        st.fieldCode = 0;
        st.fieldText.clear();
    }
    st.instructionPending = false;
    st.paragraphHasRun = false;
}

// Skips the rest of the current group with the reader's own token, so the token's minor
// afterwards is that of the group's closing brace.
void SkipCurrentGroup(CPromptTextReader::ReadState& st)
{
    const long entry = st.depth;
    while (st.depth >= entry) {
        st.pos = ReadToken(st.pos, st.end, st.tok);
        if (st.tok.m_nClass == RTF_EOF) {
            st.atEnd = true;
            break;
        }
        if (st.tok.m_nClass == RTF_GROUP) {
            st.depth += st.tok.m_nMajor == RTF_BEGIN_GROUP ? 1 : -1;
        } else if (st.tok.m_nClass == RTF_CONTROL && st.tok.m_nMinor == RTFK_BIN &&
                   st.tok.m_nParam > 0) {
            long long left = st.end - st.pos;
            st.pos += st.tok.m_nParam < left ? st.tok.m_nParam : left;
        }
    }
    DepthFell(st);
    PopAll(st);
}

// \generator: the group's text names the writer.
void ReadGenerator(CPromptTextReader::ReadState& st)
{
    const long entry = st.depth;
    std::string name;
    while (st.depth >= entry) {
        st.pos = ReadToken(st.pos, st.end, st.tok);
        if (st.tok.m_nClass == RTF_EOF) {
            st.atEnd = true;
            break;
        }
        if (st.tok.m_nClass == RTF_GROUP)
            st.depth += st.tok.m_nMajor == RTF_BEGIN_GROUP ? 1 : -1;
        else if (st.tok.m_nClass == RTF_TEXT && name.size() < 64)
            name += static_cast<char>(st.tok.m_nParam);
    }
    DepthFell(st);
    PopAll(st);
    if (name.compare(0, 8, "Msftedit") == 0)
        st.dialect = DIALECT_MSFTEDIT;
    else if (name.compare(0, 14, "Microsoft Word") == 0)
        st.dialect = DIALECT_WORD;
}

// \txfieldtype0: the text up to the next brace is the field's instruction code in
// hexadecimal. Whichever brace ends it, the rest of the group that gave the code is read
// here too, so the depth comes back to the level the field lives at.
void ReadFieldCode(CPromptTextReader::ReadState& st)
{
    const long wordDepth = st.depth;
    std::string digits;
    bool inCode = true;
    for (;;) {
        st.pos = ReadToken(st.pos, st.end, st.tok);
        if (st.tok.m_nClass == RTF_EOF) {
            st.atEnd = true;
            break;
        }
        if (st.tok.m_nClass == RTF_GROUP) {
            inCode = false;
            st.depth += st.tok.m_nMajor == RTF_BEGIN_GROUP ? 1 : -1;
            // Done when the group that gave the code closed (at the document's level,
            // which has no such group, when a group that followed the code closed).
            if (st.depth < wordDepth || (wordDepth == 0 && st.depth == 0))
                break;
        } else if (st.tok.m_nClass == RTF_TEXT && inCode && digits.size() < 64) {
            digits += static_cast<char>(st.tok.m_nParam);
        }
    }
    DepthFell(st);
    PopAll(st);
    unsigned long code = 0;
    size_t i = 0;
    while (i < digits.size() && digits[i] == ' ')
        ++i;
    for (; i < digits.size(); ++i) {
        int h = HexValue(digits[i]);
        if (h < 0)
            break;
        code = ((code << 4) | static_cast<unsigned long>(h)) & 0xFFFFFFFFul;
    }
    st.fieldCode = static_cast<int>(static_cast<unsigned int>(code));
    st.fieldText.clear();
    st.fieldState = FIELD_TEXT_CONTROL;
    // The field lives in the group around the one that gave its code.
    st.fieldDepth = wordDepth > 0 ? wordDepth - 1 : -1;
}

}   // namespace

// ---------------------------------------------------------------------------------------
prmptFormatedPtrList* CPromptTextReader::BuildFormatList(const std::string& text,
                                                         const ClrRefList* colors,
                                                         unsigned long color, int paragraphStep,
                                                         PromptType flags, CTimeSpan length)
{
    m_crTextColor = static_cast<COLORREF>(color);
    std::unique_ptr<prmptFormatedPtrList> list(new prmptFormatedPtrList);
    ReadState st;
    st.pos = text.data();
    st.end = text.data() + text.size();
    // The document's own brace opens depth 0.
    if (st.pos < st.end && *st.pos == '{')
        ++st.pos;
    st.textColor = static_cast<COLORREF>(color);
    st.step = paragraphStep;
    st.paragraph = paragraphStep;
    st.baseFlags = flags;
    st.runLength = length;
    st.rtlPara = m_settings.m_bPromptRightJust ? 1 : 0;
    st.rtlChar = m_settings.m_bPromptROTL ? 1 : 0;

    int defaultCharSet = 0;
    int family = 0, charSet = 0;
    if (m_pFontMap && m_pFontMap->Lookup(m_pFontMap->m_nDefaultFont, family, charSet) && charSet >= 0)
        defaultCharSet = charSet;
    st.styles.emplace_back(0, FT_NONE);
    st.colors.emplace_back(0, static_cast<int>(st.textColor));
    st.charSets.emplace_back(0, defaultCharSet);

    // The colour table as an array: \cf looks entries up by index all through the script.
    if (colors) {
        st.colorTable.reserve(static_cast<size_t>(colors->GetCount()));
        for (POSITION pos = colors->GetHeadPosition(); pos != nullptr;)
            st.colorTable.push_back(colors->GetNext(pos)->GetColor());
    }
    st.buffer = new wchar_t[kInitialRunCapacity]();
    st.capacity = kInitialRunCapacity;

    try {
        while (!st.atEnd || !st.carry.empty()) {
            if (prmptFormatedText* run = BuildParagraph(st))
                list->AddTail(run);
        }
    } catch (...) {
        list->DeleteAll();
        throw;
    }
    return list.release();
}

prmptFormatedText* CPromptTextReader::BuildParagraph(ReadState& st)
{
    // Characters carried over from the last run start this one.
    st.length = 0;
    st.typed = false;
    st.split = false;
    if (!st.carry.empty()) {
        st.typed = true;
        st.type = st.carryType;
        AppendUnits(st, st.carry.data(), static_cast<unsigned long>(st.carry.size()));
        st.carry.clear();
    }

    Completion done = DONE_NONE;
    bool deferred = false;   // a formatting word that applies after this run is made
    CRtfToken deferredTok;

    while (done == DONE_NONE) {
        if (st.atEnd) {
            done = DONE_END;
            break;
        }
        st.pos = ReadToken(st.pos, st.end, st.tok);
        const CRtfToken& tok = st.tok;
        if (tok.m_nClass == RTF_EOF) {
            st.atEnd = true;
            done = DONE_END;
            break;
        }
        if (st.skipPending) {
            st.skipPending = false;
            if (tok.m_nClass == RTF_UNKNOWN) {
                SkipCurrentGroup(st);
                continue;
            }
        }

        switch (tok.m_nClass) {
        case RTF_GROUP:
            if (tok.m_nMajor == RTF_BEGIN_GROUP) {
                bool atTop = st.depth == 0;
                if (st.depth < LONG_MAX)
                    ++st.depth;
                if (atTop && st.length > 0 && st.fieldState == FIELD_NONE)
                    done = DONE_GROUP_AT_TOP;
            } else {
                --st.depth;
                if (st.depth < 0)
                    st.depth = 0;
                if (Top(st.charSets) == 2 || Top(st.charSets) == -1)
                    st.charSets.back().second = 0;
                bool leavingField = st.fieldState == FIELD_TEXT_ENDED || st.fieldState == FIELD_RESULT;
                if (st.depth == 0 || leavingField)
                    done = DONE_OTHER;
                DepthFell(st);
                if (done == DONE_NONE)
                    PopAll(st);   // otherwise the run takes the closing group's format first
            }
            break;

        case RTF_TEXT:
            if (st.ucSkip > 0) {
                --st.ucSkip;
                break;
            }
            if (st.fieldState == FIELD_TEXT_CONTROL && st.fieldText.size() < 4096)
                st.fieldText += static_cast<char>(tok.m_nParam);
            if (st.TextHidden(m_settings.m_bShowPPInst))
                break;
            CheckrtfText(st);
            break;

        case RTF_CONTROL: {
            if (tok.m_nMinor == RTFK_BIN && tok.m_nParam > 0) {
                long long left = st.end - st.pos;
                st.pos += tok.m_nParam < left ? tok.m_nParam : left;
                break;
            }
            // Words that end the pending run before they take effect.
            if (st.length > 0 && tok.m_nMajor == RTFC_CHAR_ATTR) {
                bool first = false;
                if (tok.m_nMinor == RTFK_PLAIN) {
                    first = true;
                } else if (tok.m_nMinor == RTFK_RTLCH || tok.m_nMinor == RTFK_LTRCH) {
                    BYTE dir = (m_settings.m_bPromptROTL || tok.m_nMinor == RTFK_RTLCH) ? 1 : 0;
                    first = dir != st.rtlChar;
                } else {
                    first = st.dialect == DIALECT_MSFTEDIT && st.depth == 0;
                }
                if (first) {
                    deferred = true;
                    deferredTok = tok;
                    done = DONE_OTHER;
                    break;
                }
            }
            switch (CheckrtfControl(st, tok)) {
            case CTL_PNTEXT:
            case CTL_LISTTEXT:
                if (!m_settings.m_bShowBullets)
                    SkipCurrentGroup(st);
                break;
            case CTL_SKIP_NEXT:
                st.skipPending = true;
                break;
            case CTL_GENERATOR:
                ReadGenerator(st);
                break;
            case CTL_FIELD:
                st.fieldState = FIELD_INSTRUCTION;
                st.fieldDepth = st.depth;
                break;
            case CTL_PARAGRAPH:
                if (st.length > 0 || m_settings.m_bPromptBlankPar || st.instructionPending)
                    done = DONE_PARAGRAPH;
                else
                    AdvanceParagraph(st);
                break;
            case CTL_TXFIELDTYPE0:
                ReadFieldCode(st);
                break;
            case CTL_FIELD_RESULT:
                st.fieldState = FIELD_RESULT;
                break;
            case CTL_TXFIELDEND:
                if (st.fieldState == FIELD_TEXT_CONTROL) {
                    st.fieldState = FIELD_TEXT_ENDED;
                    st.marks |= PT_INSTRUCTION;
                    st.instructionPending = true;
                }
                break;
            case CTL_BOOKMARK_END:
                st.marks |= PT_BOOKMARK;
                SkipCurrentGroup(st);
                break;
            case CTL_SKIP_GROUP:
                SkipCurrentGroup(st);
                break;
            default:
                break;
            }
            if (st.split && done == DONE_NONE)
                done = DONE_OTHER;
            break;
        }

        default:   // a word that is not in the table
            break;
        }
        if (st.split && done == DONE_NONE)
            done = DONE_OTHER;
    }

    // Make the run. An empty run is made for a blank paragraph (when blank paragraphs are
    // kept) and for an instruction field whose text is hidden, so its code is not lost.
    prmptFormatedText* run = nullptr;
    bool make = st.length > 0 || st.instructionPending ||
                (done == DONE_PARAGRAPH && m_settings.m_bPromptBlankPar);
    if (make) {
        if (m_settings.m_bShowPRMPTCAP)
            for (unsigned long i = 0; i < st.length; ++i)
                st.buffer[i] = WideToUpper(st.buffer[i]);
        st.buffer[st.length] = 0;
        run = new prmptFormatedText(
            st.buffer, st.typed ? st.type : ST_CODEPAGE, Top(st.charSets), Top(st.styles),
            static_cast<COLORREF>(Top(st.colors)), st.paragraph, st.order, st.baseFlags | st.marks,
            st.runLength, st.fieldCode, st.fieldText, st.rtlChar, st.rtlPara);
        st.instructionPending = false;
        st.paragraphHasRun = true;
        if (st.fieldState == FIELD_TEXT_ENDED)
            st.fieldState = FIELD_NONE;
    }
    st.length = 0;
    if (st.buffer)
        st.buffer[0] = 0;

    if (deferred)
        CheckrtfControl(st, deferredTok);
    if (run)
        st.order = (done == DONE_GROUP_AT_TOP) ? AddClamped(st.order, 100) : 0;
    if (done == DONE_PARAGRAPH)
        AdvanceParagraph(st);
    PopAll(st);
    return run;
}

void CPromptTextReader::CheckrtfText(ReadState& st)
{
    const CRtfToken& tok = st.tok;
    if (st.ucSkip > 0) {
        --st.ucSkip;
        return;
    }
    if (tok.m_nMajor == RTF_HEX_CHAR || tok.m_nMajor == RTF_PLAIN_CHAR) {
        if (tok.m_nMinor == RTFK_BKMKSTART)
            return;   // a bookmark's name
        if (tok.m_nMinor == RTFK_BKMKEND) {
            st.marks |= PT_BOOKMARK;
            return;
        }
    }
    int byte = tok.m_nParam & 0xFF;
    if (byte == 0 || byte == '\n' || byte == '\r')
        return;
    AppendTyped(st, AnsiByteToWide(static_cast<unsigned char>(byte)), ST_CODEPAGE);
}

int CPromptTextReader::CheckrtfControl(ReadState& st, const CRtfToken& tok)
{
    if (tok.m_nClass != RTF_CONTROL)
        return CTL_NONE;
    const bool hidden = st.TextHidden(m_settings.m_bShowPPInst);
    auto neutral = [&](const wchar_t* units, unsigned long count) {
        if (!hidden)
            AppendUnits(st, units, count);
    };
    auto unicode = [&](wchar_t ch) {
        if (st.fieldState == FIELD_TEXT_CONTROL && st.fieldText.size() < 4096)
            AppendWideAsAnsi(ch, st.fieldText);
        if (!hidden)
            AppendTyped(st, ch, ST_UNICODE);
    };

    switch (tok.m_nMajor) {
    case RTFC_UNICODE:
        if (tok.m_nMinor == RTFK_U) {
            int n = tok.m_nParam;
            // \u takes a signed 16-bit value; anything else is not a character.
            wchar_t ch = (n >= -32768 && n <= 65535) ? static_cast<wchar_t>(n < 0 ? n + 65536 : n)
                                                     : static_cast<wchar_t>(0xFFFD);
            if (ch != 0)
                unicode(ch);
            st.ucSkip = st.ucValue;
        } else if (tok.m_nMinor == RTFK_UC) {
            st.ucValue = tok.m_nParam > 0 ? tok.m_nParam : 0;
        }
        return CTL_NONE;

    case RTFC_DESTINATION:
        switch (tok.m_nMinor) {
        case RTFK_PICT: case RTFK_NEXTGRAPHIC: case RTFK_FOOTNOTE: case RTFK_HEADER:
        case RTFK_HEADERL: case RTFK_HEADERR: case RTFK_HEADERF: case RTFK_FOOTER:
        case RTFK_FOOTERL: case RTFK_FOOTERR: case RTFK_FOOTERF: case RTFK_FTNSEP:
        case RTFK_FTNSEPC: case RTFK_INFO: case RTFK_STYLESHEET: case RTFK_FONTTBL:
        case RTFK_COLORTBL: case RTFK_FLDINST: case RTFK_BKMKSTART: case RTFK_TXFIELDTEXT:
        case RTFK_TXFIELDDATADEF: case RTFK_SHP: case RTFK_LISTTABLE:
        case RTFK_LISTOVERRIDETABLE: case RTFK_PNSECLVL: case RTFK_XMLOPEN: case RTFK_XMLCLOSE:
        case RTFK_XMLNSTBL: case RTFK_RSIDTBL: case RTFK_WGRFFMTFILTER: case RTFK_AFTNSEP:
        case RTFK_AFTNSEPC: case RTFK_LATENTSTYLES:
        // Comments and index and contents entries are never shown either.
        case RTFK_ANNOTATION: case RTFK_ATNID: case RTFK_XE: case RTFK_TC:
            return CTL_SKIP_GROUP;
        case RTFK_FIELD: return CTL_FIELD;
        case RTFK_FLDRSLT: return CTL_FIELD_RESULT;
        case RTFK_BKMKEND: return CTL_BOOKMARK_END;
        case RTFK_TXFIELDDEF: return CTL_TXFIELDDEF;
        case RTFK_TXFIELDSTART: return CTL_TXFIELDSTART;
        case RTFK_TXFIELDEND: return CTL_TXFIELDEND;
        case RTFK_PNTEXT: return CTL_PNTEXT;
        case RTFK_LISTTEXT: return CTL_LISTTEXT;
        case RTFK_GENERATOR: return CTL_GENERATOR;
        default: return CTL_NONE;
        }

    case RTFC_DOC_ATTR:
        return tok.m_nMinor == RTFK_TEMPLATE ? CTL_SKIP_GROUP : CTL_NONE;

    case RTFC_SPECIAL_CHAR:
        switch (tok.m_nMinor) {
        case RTFK_NBSP: case RTFK_CELL: case RTFK_EMSPACE: case RTFK_ENSPACE: case RTFK_QMSPACE:
            neutral(L" ", 1);
            return CTL_NONE;
        case RTFK_OPTHYPHEN: case RTFK_ENDASH: case RTFK_EMDASH:
            neutral(L"-", 1);
            return CTL_NONE;
        case RTFK_NBHYPHEN:
            neutral(L"_", 1);
            return CTL_NONE;
        case RTFK_TAB:
            neutral(L"   ", 3);
            return CTL_NONE;
        case RTFK_PAR: case RTFK_LINE: case RTFK_PAGE:
            return CTL_PARAGRAPH;
        case RTFK_STAR:
            return CTL_SKIP_NEXT;
        // The typographic quotes are characters of their own.
        case RTFK_LQUOTE: unicode(0x2018); return CTL_NONE;
        case RTFK_RQUOTE: unicode(0x2019); return CTL_NONE;
        case RTFK_LDBLQUOTE: unicode(0x201C); return CTL_NONE;
        case RTFK_RDBLQUOTE: unicode(0x201D); return CTL_NONE;
        default:
            return CTL_NONE;
        }

    case RTFC_PARA_ATTR:
        if (tok.m_nMinor == RTFK_PARD || tok.m_nMinor == RTFK_LTRPAR || tok.m_nMinor == RTFK_RTLPAR) {
            BYTE dir = tok.m_nMinor == RTFK_RTLPAR ? 1 : 0;
            st.rtlChar = m_settings.m_bPromptROTL ? 1 : dir;
            st.rtlPara = m_settings.m_bPromptRightJust ? 1 : dir;
        }
        return CTL_NONE;

    case RTFC_CHAR_ATTR: {
        const long depth = st.depth;
        const bool on = tok.m_nParam != 0;
        int style = Top(st.styles);
        switch (tok.m_nMinor) {
        case RTFK_RTLCH:
            st.rtlChar = 1;
            break;
        case RTFK_LTRCH:
            st.rtlChar = m_settings.m_bPromptROTL ? 1 : 0;
            break;
        case RTFK_PLAIN:
            SetTop(st.styles, depth, FT_NONE);
            SetTop(st.colors, depth, static_cast<int>(st.textColor));
            break;
        case RTFK_BOLD:
            SetTop(st.styles, depth, on ? (style | FT_BOLD) : (style & ~FT_BOLD));
            break;
        case RTFK_ITALIC:
            SetTop(st.styles, depth, on ? (style | FT_ITALIC) : (style & ~FT_ITALIC));
            break;
        case RTFK_STRIKE:
            SetTop(st.styles, depth, on ? (style | FT_STRIKE) : (style & ~FT_STRIKE));
            break;
        case RTFK_UL:
            SetTop(st.styles, depth, on ? (style | FT_UNDERLINE) : (style & ~FT_UNDERLINE));
            break;
        case RTFK_ULNONE:
            SetTop(st.styles, depth, style & ~FT_UNDERLINE);
            break;
        case RTFK_F: {
            int family = 0, charSet = 0;
            if (!m_pFontMap || !m_pFontMap->Lookup(tok.m_nParam, family, charSet))
                charSet = 0;
            SetTop(st.charSets, depth, charSet);
            break;
        }
        case RTFK_CF: {
            int index = tok.m_nParam == RTF_NO_PARAM ? 0 : tok.m_nParam;
            COLORREF color;
            if (index == 0 && st.dialect == DIALECT_MSFTEDIT) {
                color = st.textColor;
            } else if (st.colorTable.empty()) {
                color = st.textColor;   // no colour table: the text colour
            } else {
                long long entry = m_settings.m_bColorIndexFromZero ? index : static_cast<long long>(index) - 1;
                color = (entry >= 0 && entry < static_cast<long long>(st.colorTable.size()))
                            ? st.colorTable[static_cast<size_t>(entry)]
                            : st.colorTable.front();
            }
            if (color == m_settings.m_crBack || m_settings.m_bMonoBitmap)
                color = st.textColor;
            SetTop(st.colors, depth, static_cast<int>(color));
            break;
        }
        default:
            break;
        }
        return CTL_CHAR_FORMAT;
    }

    case RTFC_FIELD_ATTR:
        return (tok.m_nMinor == RTFK_TXFIELDTYPE && tok.m_nParam == 0) ? CTL_TXFIELDTYPE0 : CTL_NONE;

    default:
        return CTL_NONE;
    }
}
