// Checking and replacing words in the caller's text buffer.
#include "spelling/SpellSession.h"

#include "spelling/SpellDictionary.h"
#include "spelling/SpellText.h"

#include <cstring>
#include <string>

namespace spelling {

namespace {

bool HasDigit(const char* text, size_t start, size_t end)
{
    for (size_t i = start; i < end; ++i)
        if (IsDigit(text[i]))
            return true;
    return false;
}

} // namespace

int16_t CheckText(const CSpellDictionary& dictionary, const char* text, int32_t* cursor, char* word,
                  int16_t wordSize, char* other, int16_t otherSize)
{
    if (!text || !cursor || !word || wordSize < 2)
        return kErrorArgument;
    const size_t length = std::strlen(text);
    if (*cursor < 0 || static_cast<size_t>(*cursor) > length)
        return kErrorArgument;
    word[0] = '\0';
    if (other && otherSize > 0)
        other[0] = '\0';
    size_t from = static_cast<size_t>(*cursor), start = 0, end = 0;
    while (FindNextWord(text, length, from, start, end)) {
        from = end;
        const size_t n = end - start;
        if (n >= static_cast<size_t>(wordSize) || HasDigit(text, start, end))
            continue;
        const std::string candidate(text + start, n);
        if (dictionary.Contains(candidate))
            continue;
        std::memcpy(word, candidate.c_str(), n + 1);
        *cursor = static_cast<int32_t>(start);
        return kResultQuestioned;
    }
    *cursor = static_cast<int32_t>(length);
    return kResultEndOfText;
}

int32_t ReplaceWord(char* text, int32_t size, int32_t cursor, const char* newWord)
{
    if (!text || !newWord || size <= 0)
        return kErrorArgument;
    const size_t length = strnlen(text, static_cast<size_t>(size));
    if (length >= static_cast<size_t>(size) || cursor < 0 || static_cast<size_t>(cursor) > length)
        return kErrorArgument;
    const size_t start = static_cast<size_t>(cursor);
    const size_t end = WordEnd(text, length, start);
    if (end == start)
        return kErrorArgument;
    const size_t oldLength = end - start, newLength = std::strlen(newWord);
    if (length - oldLength + newLength + 1 > static_cast<size_t>(size))
        return kErrorNoRoom;
    std::memmove(text + start + newLength, text + end, length - end + 1);
    std::memcpy(text + start, newWord, newLength);
    return 0;
}

} // namespace spelling
