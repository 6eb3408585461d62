#include "PromptModel.h"

#include <cstring>
#include <utility>

IMPLEMENT_DYNAMIC(prmptRecord, CObject)
IMPLEMENT_DYNAMIC(prmptParagraph, prmptRecord)
IMPLEMENT_DYNAMIC(prmptFormatedText, CObject)
IMPLEMENT_DYNAMIC(tagFormatedLine, CObject)
IMPLEMENT_DYNAMIC(prmptCBitmap, CObject)

// ---------------------------------------------------------------------------------------
prmptRecord::prmptRecord()
    : m_tsLength(-1), m_tmTime(0), m_lRecordId(0), m_lRecordNo(0), m_lReserved(0),
      m_nType(RT_SCRIPT), m_bPrompting(0), m_bInParagraphList(0), m_bRundownMark(0)
{ }

prmptRecord::prmptRecord(const prmptRecord& src)
    : CObject(), m_tsLength(src.m_tsLength.GetTotalSeconds() < 0 ? CTimeSpan(-1) : src.m_tsLength),
      m_strNote(src.m_strNote), m_tmTime(src.m_tmTime), m_lRecordId(src.m_lRecordId),
      m_lRecordNo(src.m_lRecordNo), m_strName(src.m_strName), m_strText(src.m_strText),
      m_lReserved(src.m_lReserved), m_nType(src.m_nType), m_strScript(src.m_strScript),
      m_bPrompting(0), m_bInParagraphList(0), m_bRundownMark(0)
{ }

prmptRecord::~prmptRecord() = default;

// ---------------------------------------------------------------------------------------
void prmptFormatedPtrList::DeleteAll()
{
    while (!IsEmpty())
        delete RemoveHead();
}

// ---------------------------------------------------------------------------------------
prmptParagraph::prmptParagraph() : m_bListFlag(0), m_lListValue(0) { }

prmptParagraph::prmptParagraph(const prmptRecord& record)
    : prmptRecord(record), m_bListFlag(0), m_lListValue(0)
{ }

prmptParagraph::~prmptParagraph() { m_lstText.DeleteAll(); }

// ---------------------------------------------------------------------------------------
namespace {

wchar_t* DuplicateText(const wchar_t* text, size_t count)
{
    wchar_t* copy = new wchar_t[count + 1];
    if (count)
        std::memcpy(copy, text, count * sizeof(wchar_t));
    copy[count] = 0;
    return copy;
}

size_t TextLength(const wchar_t* text)
{
    size_t n = 0;
    if (text)
        while (text[n])
            ++n;
    return n;
}

} // namespace

prmptFormatedText::prmptFormatedText()
    : m_bRtlChar(0), m_bRtlPara(0), m_pText(nullptr), m_nCharSet(-1), m_eStringType(ST_PLAIN),
      m_nWidth(0), m_nStyle(FT_NONE), m_crColor(0), m_nParagraph(0), m_nOrder(0),
      m_ePromptType(PT_NONE), m_nField(0), m_tsLength(-1)
{ }

prmptFormatedText::prmptFormatedText(const wchar_t* text, eStringType stringType, int charSet,
                                     int style, COLORREF color, int paragraph, int order,
                                     PromptType promptType, CTimeSpan length, int field,
                                     const std::string& instruction, BYTE rtlChar, BYTE rtlPara)
    : m_bRtlChar(rtlChar), m_bRtlPara(rtlPara),
      m_pText(text ? DuplicateText(text, TextLength(text)) : nullptr), m_nCharSet(charSet),
      m_eStringType(stringType), m_nWidth(0), m_nStyle(style), m_crColor(color),
      m_nParagraph(paragraph), m_nOrder(order), m_ePromptType(promptType), m_nField(field),
      m_strInstruction(instruction), m_tsLength(length)
{ }

prmptFormatedText::prmptFormatedText(const prmptFormatedText& src)
    : CObject(), m_bRtlChar(src.m_bRtlChar), m_bRtlPara(src.m_bRtlPara),
      m_pText(src.m_pText ? DuplicateText(src.m_pText, TextLength(src.m_pText)) : nullptr),
      m_nCharSet(src.m_nCharSet), m_eStringType(src.m_eStringType), m_nWidth(src.m_nWidth),
      m_strFont(src.m_strFont), m_nStyle(src.m_nStyle), m_crColor(src.m_crColor),
      m_nParagraph(src.m_nParagraph), m_nOrder(src.m_nOrder), m_ePromptType(src.m_ePromptType),
      m_nField(src.m_nField), m_strInstruction(src.m_strInstruction), m_tsLength(src.m_tsLength)
{ }

prmptFormatedText& prmptFormatedText::operator=(const prmptFormatedText& src)
{
    if (this != &src) {
        prmptFormatedText copy(src);
        std::swap(m_pText, copy.m_pText);
        m_bRtlChar = src.m_bRtlChar;
        m_bRtlPara = src.m_bRtlPara;
        m_nCharSet = src.m_nCharSet;
        m_eStringType = src.m_eStringType;
        m_nWidth = src.m_nWidth;
        m_strFont = src.m_strFont;
        m_nStyle = src.m_nStyle;
        m_crColor = src.m_crColor;
        m_nParagraph = src.m_nParagraph;
        m_nOrder = src.m_nOrder;
        m_ePromptType = src.m_ePromptType;
        m_nField = src.m_nField;
        m_strInstruction = src.m_strInstruction;
        m_tsLength = src.m_tsLength;
    }
    return *this;
}

prmptFormatedText::~prmptFormatedText() { delete[] m_pText; }

int prmptFormatedText::GetTextLength() const { return static_cast<int>(TextLength(m_pText)); }

void prmptFormatedText::SetText(wchar_t* text)
{
    if (text == m_pText)
        return;
    delete[] m_pText;
    m_pText = text;
}

void prmptFormatedText::CopyText(const wchar_t* text, int count)
{
    SetText(DuplicateText(text, (text && count > 0) ? static_cast<size_t>(count) : 0));
}

// ---------------------------------------------------------------------------------------
tagFormatedLine::tagFormatedLine() : m_pBitmap(nullptr), m_nTop(0), m_nReserved(0), m_nWidth(0) { }

tagFormatedLine::~tagFormatedLine()
{
    m_lstText.DeleteAll();
    delete m_pBitmap;
}

// ---------------------------------------------------------------------------------------
prmptCBitmap::prmptCBitmap()
    : m_bStopMarker(0), m_bStartMarker(0), m_posParagraph(nullptr), m_nHeight(0), m_lstLines(10)
{ }

prmptCBitmap::~prmptCBitmap() { DeleteLines(); }

void prmptCBitmap::DeleteLines()
{
    while (!m_lstLines.IsEmpty())
        delete m_lstLines.RemoveHead();
    m_nHeight = 0;
}
