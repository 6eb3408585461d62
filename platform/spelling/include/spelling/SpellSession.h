// The spelling engine's text functions over a dictionary, without windows: finding the next
// questioned word in a text buffer and replacing the word at an offset. The engine's library
// exports them with its session ids; the native tests call them directly.
#pragma once
#include <cstdint>

class CSpellDictionary;

namespace spelling {

// Results shared with the engine's exported functions.
enum : int16_t {
    kResultQuestioned = 1, // a word is not in the word list
    kResultEndOfText = 64, // no questioned word from the cursor on
    kResultCancelled = -17, // the writer cancelled the correction dialog
    kErrorArgument = -1, // a missing buffer, a cursor outside the text, no word at the cursor
    kErrorSession = -2, // an unknown session
    kErrorNoRoom = -3, // the replacement does not fit in the buffer
    kErrorNoWordList = -4, // the word list could not be read
};

// From *cursor on, finds the next word the dictionary does not hold. Words with digits in
// them and words longer than the word buffer holds are passed over. On a questioned word:
// the word in word (terminated), its offset in *cursor, other emptied, kResultQuestioned.
// At the end: *cursor at the text's end, kResultEndOfText.
int16_t CheckText(const CSpellDictionary& dictionary, const char* text, int32_t* cursor, char* word,
                  int16_t wordSize, char* other, int16_t otherSize);

// Replaces the word that starts at text[cursor] by newWord in a buffer of size bytes (text
// terminated). 0 on success; kErrorNoRoom, leaving the text as it was, when the result with
// its terminator would not fit.
int32_t ReplaceWord(char* text, int32_t size, int32_t cursor, const char* newWord);

} // namespace spelling
