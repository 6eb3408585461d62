// The word list, its case rules and the suggestions by edit distance.
#include "spelling/SpellDictionary.h"

#include "fw/codepage.h"
#include "spelling/SpellText.h"

#include <algorithm>
#include <tuple>

using spelling::Lower;
using spelling::Upper;

namespace {

bool IsAscii(const std::string& s)
{
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool AllCapitals(const std::string& word)
{
    bool letters = false;
    for (char c : word) {
        if (spelling::IsLetter(c)) {
            letters = true;
            if (spelling::ToLower(c) == c && spelling::ToUpper(c) != c)
                return false;
        }
    }
    return letters;
}

// "Paris": a capital first and no other capital.
bool Capitalised(const std::string& word)
{
    if (word.empty() || spelling::ToUpper(word[0]) != word[0] ||
        spelling::ToLower(word[0]) == word[0])
        return false;
    return Lower(word.substr(1)) == word.substr(1);
}

} // namespace

size_t CSpellDictionary::LoadWordList(const std::string& utf8Text)
{
    size_t added = 0;
    size_t pos = 0;
    while (pos < utf8Text.size()) {
        size_t eol = utf8Text.find('\n', pos);
        if (eol == std::string::npos)
            eol = utf8Text.size();
        std::string line = utf8Text.substr(pos, eol - pos);
        pos = eol + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (line.empty())
            continue;
        if (!IsAscii(line)) {
            line = fw::Utf8ToAnsi(line);
            if (line.find('?') != std::string::npos)
                continue; // a letter this code page does not have
        }
        const size_t before = m_words.size();
        AddWord(line);
        added += m_words.size() - before;
    }
    return added;
}

void CSpellDictionary::AddWord(const std::string& word)
{
    const std::string w = spelling::LookupForm(word);
    if (w.empty() || !m_words.insert(w).second)
        return;
    m_upper.insert(Upper(w));
    m_list.push_back(w);
}

bool CSpellDictionary::Contains(const std::string& word) const
{
    const std::string w = spelling::LookupForm(word);
    if (w.empty())
        return false;
    if (m_words.count(w))
        return true;
    if (Capitalised(w) && m_words.count(Lower(w)))
        return true; // a sentence's first word
    if (AllCapitals(w) && m_upper.count(w))
        return true; // a heading in capitals
    return false;
}

size_t SpellEditDistance(const std::string& a, const std::string& b, size_t limit)
{
    const size_t n = a.size(), m = b.size();
    if ((n > m ? n - m : m - n) > limit)
        return limit + 1;
    // Three rows of the optimal-string-alignment table.
    std::vector<size_t> before(m + 1), previous(m + 1), current(m + 1);
    for (size_t j = 0; j <= m; ++j)
        previous[j] = j;
    for (size_t i = 1; i <= n; ++i) {
        current[0] = i;
        size_t rowBest = current[0];
        for (size_t j = 1; j <= m; ++j) {
            const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            size_t d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[m], limit + 1);
}

std::vector<std::string> CSpellDictionary::Suggest(const std::string& word, size_t maxCount) const
{
    const std::string w = spelling::LookupForm(word);
    const std::string folded = Lower(w);
    const size_t limit = 2;
    // (distance, not a mere reordering of the word's letters, a capital where the word has
    // none, the word): closest first, typing slips like "teh" before other edits, then words
    // of the same case, then alphabetical, so the order never depends on the list's hash.
    std::string letters = folded;
    std::sort(letters.begin(), letters.end());
    const bool plainCase = Lower(w) == w || Capitalised(w);
    std::vector<std::tuple<size_t, bool, bool, std::string>> found;
    for (const std::string& candidate : m_list) {
        const std::string lower = Lower(candidate);
        const size_t d = SpellEditDistance(folded, lower, limit);
        if (d > limit)
            continue;
        std::string sorted = lower;
        std::sort(sorted.begin(), sorted.end());
        found.emplace_back(d, sorted != letters, plainCase && lower != candidate, candidate);
    }
    std::sort(found.begin(), found.end());

    const bool capitals = AllCapitals(w) && w.size() > 1;
    const bool capitalised = Capitalised(w);
    std::vector<std::string> out;
    for (const auto& f : found) {
        if (out.size() >= maxCount)
            break;
        std::string s = std::get<3>(f);
        if (capitals)
            s = Upper(s);
        else if (capitalised && !s.empty())
            s[0] = spelling::ToUpper(s[0]);
        if (s == w || std::find(out.begin(), out.end(), s) != out.end())
            continue;
        out.push_back(s);
    }
    return out;
}
