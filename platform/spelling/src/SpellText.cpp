// Word boundaries and case in narrow text. The letters and their cases come from the code
// page through one table built on first use.
#include "spelling/SpellText.h"

#include "fw/codepage.h"

namespace spelling {
namespace {

struct CaseTable
{
    bool letter[256];
    char lower[256];
    char upper[256];
};

bool IsLetterCode(char32_t u)
{
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
        return true;
    // Latin-1 and Latin Extended-A/B letters, the only ones a single-byte Western page holds.
    return u >= 0xC0 && u <= 0x24F && u != 0xD7 && u != 0xF7;
}

char32_t LowerCode(char32_t u)
{
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return u + 0x20;
    if (u >= 0x100 && u <= 0x17F && u != 0x130 && u != 0x138 && u != 0x149 && u != 0x178) {
        // Latin Extended-A pairs capital and small letters side by side; the run
        // U+0139..U+0148 and U+0179..U+017E starts its pairs on an odd code.
        bool oddPairs = (u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E);
        bool capital = oddPairs ? (u % 2 == 1) : (u % 2 == 0);
        return capital ? u + 1 : u;
    }
    if (u == 0x178)
        return 0xFF;
    return u;
}

const CaseTable& Table()
{
    static const CaseTable table = [] {
        CaseTable t {};
        for (int i = 0; i < 256; ++i) {
            const char c = static_cast<char>(i);
            const char32_t u = fw::AnsiToUnicode(static_cast<unsigned char>(i));
            t.letter[i] = IsLetterCode(u);
            t.lower[i] = c;
            t.upper[i] = c;
        }
        for (int i = 0; i < 256; ++i) {
            if (!t.letter[i])
                continue;
            const char32_t u = fw::AnsiToUnicode(static_cast<unsigned char>(i));
            const char32_t l = LowerCode(u);
            if (l == u)
                continue;
            const char small = fw::UnicodeToAnsi(l);
            // Only a pair the code page holds both halves of (and maps back exactly).
            if (fw::AnsiToUnicode(static_cast<unsigned char>(small)) != l)
                continue;
            t.lower[i] = small;
            t.upper[static_cast<unsigned char>(small)] = static_cast<char>(i);
        }
        return t;
    }();
    return table;
}

bool IsApostrophe(char c) { return c == '\'' || static_cast<unsigned char>(c) == 0x92; }

bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c); }

} // namespace

bool IsLetter(char c) { return Table().letter[static_cast<unsigned char>(c)]; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char ToLower(char c) { return Table().lower[static_cast<unsigned char>(c)]; }
char ToUpper(char c) { return Table().upper[static_cast<unsigned char>(c)]; }

std::string Lower(const std::string& word)
{
    std::string out(word);
    for (char& c : out)
        c = ToLower(c);
    return out;
}

std::string Upper(const std::string& word)
{
    std::string out(word);
    for (char& c : out)
        c = ToUpper(c);
    return out;
}

size_t WordEnd(const char* text, size_t length, size_t start)
{
    size_t i = start;
    while (i < length && text[i]) {
        if (IsWordChar(text[i])) {
            ++i;
        } else if (i > start && IsApostrophe(text[i]) && i + 1 < length &&
                   IsWordChar(text[i + 1])) {
            i += 2; // an apostrophe inside the word: "don't", "writer's"
        } else {
            break;
        }
    }
    return i;
}

bool FindNextWord(const char* text, size_t length, size_t from, size_t& start, size_t& end)
{
    for (size_t i = from; i < length && text[i]; ++i) {
        if (IsWordChar(text[i])) {
            start = i;
            end = WordEnd(text, length, i);
            return true;
        }
    }
    return false;
}

std::string LookupForm(const std::string& word)
{
    std::string out(word);
    for (char& c : out)
        if (IsApostrophe(c))
            c = '\'';
    return out;
}

} // namespace spelling
