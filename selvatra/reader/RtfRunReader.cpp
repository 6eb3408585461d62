// The RTF run reader: reads an RTF script token by token into formatted runs. A run ends
// at a paragraph end, at a group that opens or closes at the document's own level, when a
// text-control field or field result closes, when the character direction changes, at
// \plain, and between code-page and Unicode characters. Group depth 0 is the document's
// own group.
#include <memory>

#include "RtfReadState.h"
#include "TextConversion.h"

using namespace rtf_read;

namespace {

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

// The end of a text-control field: an instruction when it has a code (a field with code 0,
// such as a bookmark whose name was refused, is none); its run is made next.
void EndTextField(CPromptTextReader::ReadState& st)
{
    st.fieldDepth = -1;
    if (st.fieldCode == 0) {
        st.fieldState = FIELD_NONE;
        st.fieldText.clear();
        return;
    }
    st.fieldState = FIELD_TEXT_ENDED;
    st.marks |= PT_INSTRUCTION;
    st.instructionPending = true;
}

// A bookmark that arrived after the paragraph's last run (at the end of a line or of the
// document) still belongs to the paragraph.
void KeepLateBookmark(CPromptTextReader::ReadState& st)
{
    if ((st.marks & PT_BOOKMARK) && st.lastRun)
        st.lastRun->m_ePromptType |= PT_BOOKMARK;
}

void AdvanceParagraph(CPromptTextReader::ReadState& st)
{
    KeepLateBookmark(st);
    st.paragraph = AddClamped(st.paragraph, st.step);
    if (st.paragraphHasRun) {
        st.marks = PT_NONE;
        st.baseFlags &= ~PT_BREAK; // only the first paragraph of a text is the banner
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
    st.lastRun = nullptr;
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

} // namespace

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
    if (m_pFontMap && m_pFontMap->Lookup(m_pFontMap->m_nDefaultFont, family, charSet) &&
        charSet >= 0)
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
        KeepLateBookmark(st);
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
    bool deferred = false; // a formatting word that applies after this run is made
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
                bool leavingField =
                    st.fieldState == FIELD_TEXT_ENDED || st.fieldState == FIELD_RESULT;
                if (st.depth == 0 || leavingField)
                    done = DONE_OTHER;
                DepthFell(st);
                if (done == DONE_NONE)
                    PopAll(st); // otherwise the run takes the closing group's format first
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
                // A field left open (its end marker lost) ends with its paragraph.
                // (one whose text has not begun yet began with a line break: it goes on).
                if (st.fieldState == FIELD_TEXT_CONTROL && !st.fieldText.empty())
                    EndTextField(st);
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
                if (st.fieldState == FIELD_TEXT_CONTROL)
                    EndTextField(st);
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

        default: // a word that is not in the table
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
        run = new prmptFormatedText(st.buffer, st.typed ? st.type : ST_CODEPAGE, Top(st.charSets),
                                    Top(st.styles), static_cast<COLORREF>(Top(st.colors)),
                                    st.paragraph, st.order, st.baseFlags | st.marks, st.runLength,
                                    st.fieldCode, st.fieldText, st.rtlChar, st.rtlPara);
        st.paragraphHasRun = true;
        st.lastRun = run;
        if (st.instructionPending) {
            // The instruction is this run's alone: text after the field is ordinary text.
            st.instructionPending = false;
            st.marks &= ~PT_INSTRUCTION;
            st.fieldCode = 0;
            st.fieldText.clear();
        }
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
