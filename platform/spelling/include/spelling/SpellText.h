// Words in narrow (ANSI code page) text as the spelling engine sees them: runs of letters
// and digits, with apostrophes inside a word (typed ' or the typographic right quote) kept
// as part of it. Case mapping follows the code page. Window-free.
#pragma once
#include <cstddef>
#include <string>

namespace spelling {

bool IsLetter(char c);
bool IsDigit(char c);
char ToLower(char c);
char ToUpper(char c);
std::string Lower(const std::string& word);
std::string Upper(const std::string& word);

// The next word at or after text[from]: true with its bounds [start, end), false when the
// text holds no further word.
bool FindNextWord(const char* text, size_t length, size_t from, size_t& start, size_t& end);

// The end of the word that starts at text[start] (start itself when no word starts there).
size_t WordEnd(const char* text, size_t length, size_t start);

// The word as it is looked up: typographic apostrophes become plain ones.
std::string LookupForm(const std::string& word);

} // namespace spelling
