// The prompter window's bookkeeping on top of the engine data model: the scripts and
// paragraphs of the paragraph list, the script information of the off-screen bitmaps and
// the off-screen bitmap descriptors.
#pragma once
#include <windows.h>

#include <atomic>

#include "PromptModel.h"
#include "ScriptParagraphs.h"
#include "SelvatraApi.h"

// A bitmap in the display's format (safe from any thread).
SELVATRA_API HBITMAP NewDisplayBitmap(int width, int height);
// A 32-bit top-down DIB section whose rows are read and written directly through *bits.
SELVATRA_API HBITMAP NewRowBitmap(int width, int height, BYTE** bits);

// The number of the end-of-show paragraph: no script paragraph carries it (script paragraphs
// are numbered 100 times their place in the script).
const int kEndOfShowNumber = 1000000000;

// States of a paragraph's image.
enum { kImageNone = 0, kImageDrawing = 1, kImageReady = 2 };

// One script to be laid out: a copy of its record, its text and its flags.
class SELVATRA_API prmptScript : public prmptRecord
{
public:
    prmptScript() = default;
    explicit prmptScript(const prmptRecord& record) : prmptRecord(record) { }
    std::string m_strText8; // the script's text (RTF or plain)
    int m_nFlags = 0; // kind and marker flags
};

// One paragraph of the script paragraph list: its runs and record (the base), its number
// (100 times its paragraph in the host's script), flags, instruction and laid-out lines.
class SELVATRA_API CPromptParagraph : public CScriptParagraph
{
public:
    CPromptParagraph() = default;
    explicit CPromptParagraph(const prmptRecord& record) : CScriptParagraph(record) { }
    ~CPromptParagraph() override
    {
        if (m_hImage)
            DeleteObject(m_hImage);
    }

    prmptCBitmap m_layout; // laid-out lines
    int m_nLines = 0;
    // The paragraph's lines drawn once, a line height each (NewRowBitmap). Drawn by whoever
    // moves the state from none to drawing; read, and freed from ready, with the lists locked.
    HBITMAP m_hImage = nullptr;
    BYTE* m_pImageBits = nullptr;
    std::atomic<int> m_nImageState {kImageNone};
    bool m_bInWindow = false; // among the paragraphs kept drawn (lists lock)
};

// A line of the virtual sequence of lines: a paragraph's line, or a blank line below the
// last paragraph (blank > 0) or above the first (blank < 0).
struct PromptLineRef
{
    POSITION pos = nullptr;
    int line = 0;
    int blank = 0;
};

// One paragraph (or stretch of blank lines) present in an off-screen bitmap.
class SELVATRA_API tagScriptInfo : public CObject
{
public:
    POSITION m_posParagraph = nullptr; // null for blank lines
    int m_nNumber = 0;
    long m_lRecordId = 0;
    int m_nFlags = 0;
    int m_nTop = 0;
    int m_nBottom = 0;
};

class SELVATRA_API bTagOffBmpInfo : public CObject
{
public:
    HBITMAP m_hBitmap = nullptr;
    BYTE* m_pBits = nullptr; // rows of a 32-bit top-down DIB section
    int m_nStride = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBand = 0;
    int m_nLineStep = 0;
};

// The off-screen frame: the lines from m_top (frame row 0) to m_bottom (the last line), held
// in a ring. Frame row r lies at ring row (m_nBase + r) mod m_nHeight; m_nBase is a whole
// number of lines, so no line is ever split by the wrap.
class SELVATRA_API DDTagOffBmpInfo : public bTagOffBmpInfo
{
public:
    ~DDTagOffBmpInfo() override { ClearScriptInfo(); }
    void ClearScriptInfo()
    {
        while (!m_lstScript.IsEmpty())
            delete m_lstScript.RemoveHead();
    }
    int RingRow(int frameRow) const { return (m_nBase + frameRow) % m_nHeight; }
    BYTE* Row(int frameRow) const
    {
        return m_pBits + size_t(RingRow(frameRow)) * size_t(m_nStride);
    }

    int m_nBase = 0;

    PromptLineRef m_top;
    PromptLineRef m_bottom;
    bool m_bValid = false;
    CTypedPtrList<CObList, tagScriptInfo*> m_lstScript;
};
