// The prompter engine's data classes: the record a host hands over for each entry of a
// prompt run, the paragraph, the formatted text run that the readers produce and line
// breaking cuts, the laid-out line and the laid-out form of a paragraph. They carry no
// behaviour beyond construction, copying, accessors and deleting what they own; all but
// qelstring are CObjects so the framework's typed pointer lists can hold them.
#pragma once
#include <string>

#include "fw/core.h"
#include "qelstring.h"
#include "SelvatraApi.h"

// Paragraph flag bits (a run carries the flags of its paragraph). Paragraph numbers of the
// prompter's paragraph list are ordinals times 100.
enum PromptType : int {
    PT_NONE = 0,
    PT_BREAK = 0x1, // paragraph of a break banner (first paragraph of the text only)
    PT_SCRIPT = 0x2, // paragraph of a script
    PT_INSTRUCTION = 0x4, // slide-show instruction: the paragraph ends a text-control field
    PT_BOOKMARK = 0x400, // a bookmark ends in this paragraph
    PT_NOT_ANNOUNCED = 0x1000, // record not yet announced (set and cleared while scrolling)
    PT_CAPTION_DUE = 0x2000, // caption still to be sent (set and cleared while scrolling)
    PT_START_MARKER = 0x4000, // first script of the run
    PT_STOP_MARKER = 0x8000 // end-of-show stop marker
};
inline PromptType operator|(PromptType a, PromptType b) { return PromptType(int(a) | int(b)); }
inline PromptType operator&(PromptType a, PromptType b) { return PromptType(int(a) & int(b)); }
inline PromptType operator~(PromptType a) { return PromptType(~int(a)); }
inline PromptType& operator|=(PromptType& a, PromptType b) { return a = a | b; }
inline PromptType& operator&=(PromptType& a, PromptType b) { return a = a & b; }

// How a run's text is measured, drawn and captioned.
enum eStringType : int {
    ST_UNICODE = -1, // RTF \u characters: UTF-16 calls, captioned as UTF-8
    ST_PLAIN = 0, // plain text: measured as UTF-16, drawn and captioned like code-page text
    ST_CODEPAGE = 1 // RTF bytes and \'hh: the ANSI code page
};

// Style bits of a run.
enum eFormatTypes : int {
    FT_NONE = 0,
    FT_BOLD = 1,
    FT_ITALIC = 2,
    FT_STRIKE = 4,
    FT_UNDERLINE = 8
};

// Record types a host hands over (any other value is loaded as a script).
enum { RT_SCRIPT = 0, RT_BREAK = 1, RT_END_OF_SHOW = 2 };

class prmptFormatedText;

// ---------------------------------------------------------------------------------------
// One entry of a prompt run. Created by the host, owned and deleted by the engine.
class SELVATRA_API prmptRecord : public CObject
{
    DECLARE_DYNAMIC(prmptRecord)

public:
    prmptRecord();
    // Copies the host's fields; the engine's three state bytes start clear, and a negative
    // length becomes -1.
    prmptRecord(const prmptRecord& src);
    prmptRecord& operator=(const prmptRecord&) = delete;
    virtual ~prmptRecord();

    CTimeSpan m_tsLength; // break length, or the row's total time; -1 by default
    std::string m_strNote;
    CTime m_tmTime; // host time stamp (a lone script: 1 Jan 1980 00:00:00)
    LONG m_lRecordId; // the engine finds records by it
    LONG m_lRecordNo; // running record number
    CString m_strName; // slug
    CString m_strText; // page number
    LONG m_lReserved;
    short m_nType; // RT_SCRIPT, RT_BREAK, RT_END_OF_SHOW
    qelstring m_strScript; // left empty by the host; the engine asks for the text

    // State bytes of the engine's record list; never copied.
    BYTE m_bPrompting; // the record being prompted
    BYTE m_bInParagraphList; // its script is in the paragraph list
    BYTE m_bRundownMark; // kept while the rundown is re-read

    CTimeSpan GetLength() const { return m_tsLength; }
    void SetLength(CTimeSpan length) { m_tsLength = length; }
    const std::string& GetNote() const { return m_strNote; }
    void SetNote(const std::string& note) { m_strNote = note; }
    CTime GetTime() const { return m_tmTime; }
    void SetTime(CTime time) { m_tmTime = time; }
    LONG GetRecordId() const { return m_lRecordId; }
    void SetRecordId(LONG id) { m_lRecordId = id; }
    LONG GetRecordNo() const { return m_lRecordNo; }
    void SetRecordNo(LONG no) { m_lRecordNo = no; }
    const CString& GetName() const { return m_strName; }
    void SetName(LPCSTR name) { m_strName = name; }
    const CString& GetText() const { return m_strText; }
    void SetText(LPCSTR text) { m_strText = text; }
    LONG GetReserved() const { return m_lReserved; }
    void SetReserved(LONG value) { m_lReserved = value; }
    short GetType() const { return m_nType; }
    void SetType(short type) { m_nType = type; }
    const qelstring& GetScript() const { return m_strScript; }
    void SetScript(const std::string& script) { m_strScript = script; }
};

// ---------------------------------------------------------------------------------------
// The list of formatted runs (block size 10). It does not delete its runs; the paragraph
// or line that holds it does.
class SELVATRA_API prmptFormatedPtrList : public CTypedPtrList<CObList, prmptFormatedText*>
{
public:
    prmptFormatedPtrList() : CTypedPtrList<CObList, prmptFormatedText*>(10) { }
    // Deletes every run and empties the list (for the owners).
    void DeleteAll();
};

// ---------------------------------------------------------------------------------------
// One paragraph of a prompted script: a copy of its record plus its runs, which it owns.
class SELVATRA_API prmptParagraph : public prmptRecord
{
    DECLARE_DYNAMIC(prmptParagraph)

public:
    prmptParagraph();
    explicit prmptParagraph(const prmptRecord& record);
    virtual ~prmptParagraph();

    BYTE m_bListFlag; // used by the paragraph list
    LONG m_lListValue; // used by the paragraph list
    prmptFormatedPtrList m_lstText;
};

// ---------------------------------------------------------------------------------------
// One formatted text run: a stretch of text with uniform formatting.
class SELVATRA_API prmptFormatedText : public CObject
{
    DECLARE_DYNAMIC(prmptFormatedText)

public:
    prmptFormatedText();
    // Every field, in this order; the text is copied (null gives no text).
    prmptFormatedText(const wchar_t* text, eStringType stringType, int charSet, int style,
                      COLORREF color, int paragraph, int order, PromptType promptType,
                      CTimeSpan length, int field, const std::string& instruction, BYTE rtlChar,
                      BYTE rtlPara);
    prmptFormatedText(const prmptFormatedText& src); // deep copy of the text
    prmptFormatedText& operator=(const prmptFormatedText& src);
    virtual ~prmptFormatedText();

    BYTE m_bRtlChar; // the run's characters run right to left
    BYTE m_bRtlPara; // the paragraph runs right to left
    wchar_t* m_pText; // owned, zero-terminated UTF-16; null until set
    int m_nCharSet; // font character set; -1 when the source gave none
    eStringType m_eStringType;
    int m_nWidth; // measured width in pixels (set by line breaking)
    std::string m_strFont;
    int m_nStyle; // eFormatTypes bits
    COLORREF m_crColor;
    int m_nParagraph; // paragraph number within the script
    int m_nOrder; // ordering key
    PromptType m_ePromptType; // flags of the paragraph
    int m_nField; // instruction code of a text-control field; 0 otherwise
    qelstring m_strInstruction; // text of a text-control field (slide-show instruction)
    CTimeSpan m_tsLength; // copied from the record

    const wchar_t* GetText() const { return m_pText; }
    // Length of the text in UTF-16 units (0 when there is none).
    int GetTextLength() const;
    // Takes over a buffer allocated with new wchar_t[] (the old text is freed).
    void SetText(wchar_t* text);
    // Copies count units of text (a terminator is added).
    void CopyText(const wchar_t* text, int count);

    BYTE GetRtlChar() const { return m_bRtlChar; }
    void SetRtlChar(BYTE value) { m_bRtlChar = value; }
    BYTE GetRtlPara() const { return m_bRtlPara; }
    void SetRtlPara(BYTE value) { m_bRtlPara = value; }
    int GetCharSet() const { return m_nCharSet; }
    void SetCharSet(int charSet) { m_nCharSet = charSet; }
    eStringType GetStringType() const { return m_eStringType; }
    void SetStringType(eStringType type) { m_eStringType = type; }
    int GetWidth() const { return m_nWidth; }
    void SetWidth(int width) { m_nWidth = width; }
    const std::string& GetFont() const { return m_strFont; }
    void SetFont(const std::string& font) { m_strFont = font; }
    int GetStyle() const { return m_nStyle; }
    void SetStyle(int style) { m_nStyle = style; }
    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF color) { m_crColor = color; }
    int GetParagraph() const { return m_nParagraph; }
    void SetParagraph(int paragraph) { m_nParagraph = paragraph; }
    int GetOrder() const { return m_nOrder; }
    void SetOrder(int order) { m_nOrder = order; }
    PromptType GetPromptType() const { return m_ePromptType; }
    void SetPromptType(PromptType type) { m_ePromptType = type; }
    int GetField() const { return m_nField; }
    void SetField(int field) { m_nField = field; }
    const qelstring& GetInstruction() const { return m_strInstruction; }
    void SetInstruction(const std::string& text) { m_strInstruction = text; }
    CTimeSpan GetLength() const { return m_tsLength; }
    void SetLength(CTimeSpan length) { m_tsLength = length; }
};

// ---------------------------------------------------------------------------------------
// One laid-out display line: its pieces (owned) and, once drawn, its bitmap (owned).
class SELVATRA_API tagFormatedLine : public CObject
{
    DECLARE_DYNAMIC(tagFormatedLine)

public:
    tagFormatedLine();
    virtual ~tagFormatedLine();
    tagFormatedLine(const tagFormatedLine&) = delete;
    tagFormatedLine& operator=(const tagFormatedLine&) = delete;

    prmptFormatedPtrList m_lstText;
    CObject* m_pBitmap; // null until drawing gives the line one
    int m_nTop;
    int m_nReserved;
    int m_nWidth; // the sum of the pieces' widths
};

// ---------------------------------------------------------------------------------------
// The laid-out form of one paragraph: its lines (owned), height and markers.
class SELVATRA_API prmptCBitmap : public CObject
{
    DECLARE_DYNAMIC(prmptCBitmap)

public:
    prmptCBitmap();
    virtual ~prmptCBitmap();
    prmptCBitmap(const prmptCBitmap&) = delete;
    prmptCBitmap& operator=(const prmptCBitmap&) = delete;

    // Deletes every line and sets the height back to 0.
    void DeleteLines();

    BYTE m_bStopMarker; // the paragraph carries PT_STOP_MARKER
    BYTE m_bStartMarker; // the paragraph carries PT_START_MARKER
    POSITION m_posParagraph; // its paragraph in the prompter's paragraph list
    int m_nHeight; // sum of the lines' heights in pixels
    CTypedPtrList<CObList, tagFormatedLine*> m_lstLines;
};
