// The RTF token reader: cuts RTF text into tokens, one per call, working directly on a
// position into the text. Procedural on purpose (a keyword table and free functions) so
// the font-table, colour-table and run readers and the group skipper share it.
#pragma once
#include <cstdio>
#include <string>

#include "fw/core.h"
#include "SelvatraApi.h"

// Token classes.
enum {
    RTF_UNKNOWN = 0, // a control word that is not in the keyword table
    RTF_GROUP = 1,
    RTF_TEXT = 2,
    RTF_CONTROL = 3,
    RTF_EOF = 4
};

// Majors of groups and text tokens.
enum {
    RTF_BEGIN_GROUP = 1,
    RTF_END_GROUP = 2,
    RTF_HEX_CHAR = 22, // \'hh
    RTF_ESCAPED_CHAR = 23, // \\ \{ \} \:
    RTF_PLAIN_CHAR = 24
};

// Keyword classes (the major of a control word).
enum {
    RTFC_VERSION = 3,
    RTFC_DEFAULT_FONT = 4,
    RTFC_CHARSET = 5,
    RTFC_UNICODE = 6,
    RTFC_DESTINATION = 7,
    RTFC_FONT_FAMILY = 8,
    RTFC_COLOR_NAME = 9,
    RTFC_SPECIAL_CHAR = 10,
    RTFC_STYLE_ATTR = 11,
    RTFC_DOC_ATTR = 12,
    RTFC_SECTION_ATTR = 13,
    RTFC_TABLE_ATTR = 14,
    RTFC_PARA_ATTR = 15,
    RTFC_CHAR_ATTR = 16,
    RTFC_PICT_ATTR = 17,
    RTFC_GRAPHIC_ATTR = 18,
    RTFC_FIELD_ATTR = 19,
    RTFC_TOC_ATTR = 20,
    RTFC_POS_ATTR = 21
};

// Keyword ids (the minor of a control word) that the readers act on.
enum {
    RTFK_FCHARSET = 1,
    RTFK_ANSICPG = 6,
    RTFK_U = 9,
    RTFK_UC = 10,
    RTFK_PICT = 11,
    RTFK_NEXTGRAPHIC = 12,
    RTFK_FOOTNOTE = 13,
    RTFK_HEADER = 14,
    RTFK_HEADERL = 15,
    RTFK_HEADERR = 16,
    RTFK_HEADERF = 17,
    RTFK_FOOTER = 18,
    RTFK_FOOTERL = 19,
    RTFK_FOOTERR = 20,
    RTFK_FOOTERF = 21,
    RTFK_FTNSEP = 22,
    RTFK_FTNSEPC = 23,
    RTFK_INFO = 25,
    RTFK_STYLESHEET = 26,
    RTFK_FONTTBL = 27,
    RTFK_COLORTBL = 28,
    RTFK_FIELD = 29,
    RTFK_FLDINST = 30,
    RTFK_FLDRSLT = 31,
    RTFK_XE = 32,
    RTFK_TC = 37,
    RTFK_BKMKSTART = 38,
    RTFK_BKMKEND = 39,
    RTFK_TXFIELDDEF = 51,
    RTFK_TXFIELDSTART = 52,
    RTFK_TXFIELDTEXT = 53,
    RTFK_TXFIELDEND = 54,
    RTFK_TXFIELDDATADEF = 55,
    RTFK_SHP = 58,
    RTFK_PNTEXT = 59,
    RTFK_LISTTEXT = 60,
    RTFK_LISTTABLE = 61,
    RTFK_LISTOVERRIDETABLE = 65,
    RTFK_PNSECLVL = 66,
    RTFK_XMLOPEN = 67,
    RTFK_XMLCLOSE = 68,
    RTFK_XMLNSTBL = 69,
    RTFK_GENERATOR = 70,
    RTFK_RSIDTBL = 71,
    RTFK_WGRFFMTFILTER = 72,
    RTFK_AFTNSEP = 73,
    RTFK_AFTNSEPC = 74,
    RTFK_LATENTSTYLES = 75,
    RTFK_ANNOTATION = 103,
    RTFK_ATNID = 104,
    RTFK_FNIL = 76,
    RTFK_FTECH = 82,
    RTFK_RED = 83,
    RTFK_GREEN = 84,
    RTFK_BLUE = 85,
    RTFK_NBSP = 92,
    RTFK_OPTHYPHEN = 93,
    RTFK_NBHYPHEN = 94,
    RTFK_PAGE = 95,
    RTFK_LINE = 96,
    RTFK_PAR = 97,
    RTFK_TAB = 99,
    RTFK_CELL = 100,
    RTFK_STAR = 109,
    RTFK_EMDASH = 126,
    RTFK_ENDASH = 127,
    RTFK_EMSPACE = 128,
    RTFK_ENSPACE = 129,
    RTFK_QMSPACE = 130,
    RTFK_LQUOTE = 131,
    RTFK_RQUOTE = 132,
    RTFK_LDBLQUOTE = 133,
    RTFK_RDBLQUOTE = 134,
    RTFK_TEMPLATE = 159,
    RTFK_PARD = 219,
    RTFK_RTLPAR = 221,
    RTFK_LTRPAR = 222,
    RTFK_RTLCH = 223,
    RTFK_LTRCH = 224,
    RTFK_PLAIN = 268,
    RTFK_BOLD = 269,
    RTFK_ITALIC = 270,
    RTFK_STRIKE = 271,
    RTFK_F = 277,
    RTFK_UL = 280,
    RTFK_ULNONE = 284,
    RTFK_CF = 288,
    RTFK_BIN = 309,
    RTFK_TXFIELDTYPE = 316
};

// The parameter of a control word that has none.
const int RTF_NO_PARAM = -1000000;

// The current token.
class SELVATRA_API CRtfToken : public CObject
{
public:
    CRtfToken();

    int m_nClass; // RTF_UNKNOWN ... RTF_EOF
    int m_nMajor; // group: begin/end; text: how it was written; control: keyword class
    int m_nMinor; // control word: keyword id. Text and '{' leave it as it was
    int m_nParam; // numeric parameter, or the character of a text token
    std::string m_strText; // the raw characters as read, backslash included
};

// Stateless marker object that callers construct around one reading pass.
class SELVATRA_API RTFParser
{
public:
    RTFParser() = default;
    virtual ~RTFParser();
};

// Reads one token at pos, reading no further than end, and returns the position after it
// (for a control word ended by a character other than a blank, the position of that
// character). Control bytes, zero bytes included, are skipped; only end ends the input.
SELVATRA_API const char* ReadToken(const char* pos, const char* end, CRtfToken& tok);
// The same on zero-terminated text.
SELVATRA_API const char* ReadToken(const char* pos, CRtfToken& tok);

// Reads one character: skips bytes 1 to 31 (and zero bytes before end), returns -1 at the
// end without moving, else moves past the byte, appends it to the token's text and returns
// it. A byte with the high bit set is read as '?', with a warning.
SELVATRA_API int ReadChar(const char*& pos, const char* end, CRtfToken& tok);

// Sets class, major and minor of a control word from the keyword table (the word is the
// token's text after the backslash).
SELVATRA_API void LookupKeyword(CRtfToken& tok);

// 0 to 15 for a hexadecimal digit of either case; -1 for any other character.
SELVATRA_API int HexValue(char c);

// Computes the keyword hashes once per process (every reader calls it).
SELVATRA_API void InitKeywordHashes();

// Where the high-bit warnings go (standard error by default; null silences them).
SELVATRA_API void SetRtfWarningStream(FILE* stream);
