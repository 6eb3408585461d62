// The spelling engine's library interface: a session id, the next questioned word of a text,
// the correction dialog over a block of text, and the replacement of one word in a text.
// Results: see spelling/SpellSession.h (64 = end of text, -17 = the dialog was cancelled,
// other negatives = errors).
//
// The engine checks against the word list "words.txt" beside its library (the build puts
// the system's American English list there); when that is missing it falls back on the
// system list at /usr/share/dict/words, reached under Wine as Z:\usr\share\dict\words.
#pragma once
#include <cstdint>
#include <windows.h>

#ifdef SPELLING_BUILDING
#define SPELLING_API extern "C" __declspec(dllexport)
#else
#define SPELLING_API extern "C" __declspec(dllimport)
#endif

// The session to pass to the next call; negative when the word list cannot be read.
SPELLING_API int16_t SSCE_GetSid();

// From *cursor on, the next word not in the word list: in word (wordSize bytes with the
// terminator), its offset in *cursor; 64 when there is none.
SPELLING_API int16_t SSCE_CheckString(int16_t sid, const char* text, int32_t* cursor, char* word,
                                      int16_t wordSize, char* other, int16_t otherSize);

// Runs the correction dialog, owned by parent, over each questioned word of block (length
// bytes in a buffer of size bytes) and leaves the corrected text in block. -17 when the
// writer cancels, 0 otherwise.
SPELLING_API int16_t SSCE_CheckBlockDlg(HWND parent, char* block, int32_t length, int32_t size,
                                        int16_t showContext);

// Replaces the word at text[cursor] by word, in a buffer of size bytes; negative when it
// fails (the text is then left as it was).
SPELLING_API int32_t SSCE_ReplaceStringWord(int16_t sid, char* text, int32_t size, int32_t cursor,
                                            const char* word);
