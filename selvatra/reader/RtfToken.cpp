#include "RtfToken.h"

#include <atomic>
#include <climits>
#include <cstring>
#include <vector>

#include "RtfKeywords.h"

namespace {

std::atomic<FILE*> g_warningStream {stderr};

bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int KeywordHash(const char* name)
{
    int hash = 0;
    for (const char* p = name; *p; ++p)
        hash += static_cast<signed char>(*p);
    return hash;
}

bool AtControlByte(const char* pos, const char* end)
{
    return pos < end && static_cast<unsigned char>(*pos) < 32;
}

// Parameters beyond this magnitude are clamped: no RTF value needs more, and the
// arithmetic on them stays defined.
const long long kMaxParam = INT_MAX;

} // namespace

CRtfToken::CRtfToken()
    : m_nClass(RTF_UNKNOWN), m_nMajor(0), m_nMinor(-1), m_nParam(RTF_NO_PARAM) { }

RTFParser::~RTFParser() = default;

void SetRtfWarningStream(FILE* stream) { g_warningStream.store(stream); }

namespace {

// The table's entries grouped by hash, each group in table order, so a look-up compares
// names only among the entries of its hash and still finds the first matching entry.
struct KeywordIndex
{
    std::vector<std::vector<const RtfKeyword*>> byHash;
    KeywordIndex()
    {
        for (RtfKeyword* kw = g_rtfKeywords; kw->pszName != nullptr; ++kw) {
            kw->nHash = KeywordHash(kw->pszName);
            if (kw->nHash < 0)
                continue; // names are ASCII: never happens
            if (static_cast<size_t>(kw->nHash) >= byHash.size())
                byHash.resize(static_cast<size_t>(kw->nHash) + 1);
            byHash[static_cast<size_t>(kw->nHash)].push_back(kw);
        }
    }
};

const KeywordIndex& Index()
{
    // A function-local static is built once even when two threads read scripts at once.
    static const KeywordIndex index;
    return index;
}

} // namespace

void InitKeywordHashes() { Index(); }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int ReadChar(const char*& pos, const char* end, CRtfToken& tok)
{
    while (pos < end && static_cast<unsigned char>(*pos) < 32)
        ++pos;
    if (pos >= end)
        return -1;
    unsigned char c = static_cast<unsigned char>(*pos++);
    if (c & 0x80) {
        if (FILE* out = g_warningStream.load()) {
            std::fputs("Character found with high bit set\n", out);
            std::fprintf(out, " (%#x) -> changed to '?'\n", c);
        }
        c = '?';
    }
    tok.m_strText += static_cast<char>(c);
    return c;
}

void LookupKeyword(CRtfToken& tok)
{
    const KeywordIndex& index = Index();
    tok.m_nClass = RTF_UNKNOWN;
    tok.m_nMajor = 0;
    tok.m_nMinor = 0;
    const char* word = tok.m_strText.c_str();
    if (*word == '\\')
        ++word;
    int hash = KeywordHash(word);
    if (hash < 0 || static_cast<size_t>(hash) >= index.byHash.size())
        return;
    for (const RtfKeyword* kw : index.byHash[static_cast<size_t>(hash)]) {
        if (std::strcmp(kw->pszName, word) == 0) {
            tok.m_nClass = RTF_CONTROL;
            tok.m_nMajor = kw->nClass;
            tok.m_nMinor = kw->nId;
            return;
        }
    }
}

const char* ReadToken(const char* pos, CRtfToken& tok)
{
    return ReadToken(pos, pos + std::strlen(pos), tok);
}

const char* ReadToken(const char* pos, const char* end, CRtfToken& tok)
{
    while (pos < end && static_cast<unsigned char>(*pos) < 32)
        ++pos;
    tok.m_nClass = RTF_UNKNOWN;
    tok.m_nParam = RTF_NO_PARAM;
    tok.m_strText.clear();

    int c = ReadChar(pos, end, tok);
    if (c < 0) {
        tok.m_nClass = RTF_EOF;
        tok.m_nMajor = 0;
        tok.m_nMinor = 0;
        tok.m_strText.clear();
        return pos;
    }
    if (c == '{') {
        tok.m_nClass = RTF_GROUP;
        tok.m_nMajor = RTF_BEGIN_GROUP;
        return pos;
    }
    if (c == '}') {
        tok.m_nClass = RTF_GROUP;
        tok.m_nMajor = RTF_END_GROUP;
        tok.m_nMinor = 0;
        return pos;
    }
    if (c != '\\') {
        tok.m_nClass = RTF_TEXT;
        tok.m_nMajor = RTF_PLAIN_CHAR;
        tok.m_nParam = c;
        return pos;
    }

    c = ReadChar(pos, end, tok);
    if (c < 0)
        return pos;

    if (!IsLetter(c)) {
        if (c == '\'') {
            int digits[2];
            for (int& digit : digits) {
                const char* before = pos;
                int h = ReadChar(pos, end, tok);
                digit = (h < 0) ? -1 : HexValue(static_cast<char>(h));
                if (digit < 0) {
                    // Not a digit: leave it to be read again.
                    if (h >= 0) {
                        pos = before;
                        tok.m_strText.pop_back();
                    }
                    return pos;
                }
            }
            tok.m_nClass = RTF_TEXT;
            tok.m_nMajor = RTF_HEX_CHAR;
            tok.m_nParam = digits[0] * 16 + digits[1];
            return pos;
        }
        if (c == ':' || c == '{' || c == '}' || c == '\\') {
            tok.m_nClass = RTF_TEXT;
            tok.m_nMajor = RTF_ESCAPED_CHAR;
            tok.m_nParam = c;
            return pos;
        }
        LookupKeyword(tok);
        return pos;
    }

    // A control word: letters, then an optional signed number, then a delimiter. A line
    // break (any control byte) right after the letters or digits ends the word and is
    // dropped: writers break lines after a word ("\par" CR LF "Next line"), and reading
    // on through the break would glue the next line's first word onto it.
    const char* before = pos;
    while (true) {
        if (AtControlByte(pos, end)) {
            LookupKeyword(tok);
            return pos + 1;
        }
        before = pos;
        c = ReadChar(pos, end, tok);
        if (c < 0 || !IsLetter(c))
            break;
    }
    if (c >= 0)
        tok.m_strText.pop_back();
    LookupKeyword(tok);
    if (c < 0)
        return pos;

    bool negative = false;
    if (c == '-') {
        negative = true;
        tok.m_strText += '-';
        before = pos;
        c = ReadChar(pos, end, tok);
        if (c < 0)
            return pos;
        tok.m_strText.pop_back();
    }
    if (IsDigit(c)) {
        long long value = 0;
        while (IsDigit(c)) {
            tok.m_strText += static_cast<char>(c);
            if (value < kMaxParam)
                value = value * 10 + (c - '0');
            if (value > kMaxParam)
                value = kMaxParam;
            if (AtControlByte(pos, end)) {
                tok.m_nParam = static_cast<int>(negative ? -value : value);
                return pos + 1;
            }
            before = pos;
            std::string::size_type mark = tok.m_strText.size();
            c = ReadChar(pos, end, tok);
            if (c < 0) {
                tok.m_nParam = static_cast<int>(negative ? -value : value);
                return pos;
            }
            tok.m_strText.resize(mark);
        }
        tok.m_nParam = static_cast<int>(negative ? -value : value);
    }
    if (c != ' ')
        pos = before; // the delimiter is read again as the next token
    return pos;
}
