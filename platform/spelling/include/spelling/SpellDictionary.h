// CSpellDictionary: the word list the spelling engine checks against, with the words the
// writer adds during a session, and suggestions for a questioned word by edit distance.
// Window-free: the engine's library loads it from the word list file.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

class CSpellDictionary
{
public:
    // Reads a word list: one word a line, UTF-8 (the form the system word lists come in).
    // Words the narrow code page cannot hold are left out. Returns the number of words read.
    size_t LoadWordList(const std::string& utf8Text);
    // Adds one word (narrow text), e.g. one the writer adds from the correction dialog.
    void AddWord(const std::string& word);
    size_t Size() const { return m_words.size(); }

    // Whether a word is spelt right. A word listed in lower case is right in any case
    // ("the", "The", "THE"); a listed capital must stay ("Paris", "PARIS", not "paris").
    bool Contains(const std::string& word) const;

    // Words within two edits (insertion, deletion, change, swap of neighbours) of the
    // questioned word, closest first, at most maxCount, in the word's own capitalisation.
    std::vector<std::string> Suggest(const std::string& word, size_t maxCount = 10) const;

private:
    std::unordered_set<std::string> m_words; // as listed
    std::unordered_set<std::string> m_upper; // every word in capitals, for all-capital text
    std::vector<std::string> m_list; // the words in list order, for suggestions
};

// The edit distance of two words (neighbour swaps count as one edit), or limit + 1 as soon
// as it exceeds limit.
size_t SpellEditDistance(const std::string& a, const std::string& b, size_t limit);
