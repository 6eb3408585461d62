#include "ScriptSpellCheck.h"

#include "ScriptView.h"
#include "spelling/SpellEngine.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const int16_t kEndOfText = 64;
const int16_t kCancelled = -17;
const int kWordBufferSize = 81; // words of up to 80 characters

} // namespace

void SpellCheckScript(CMyTXWordsView* view)
{
    const long length = static_cast<long>(view->SendTx(TXM_GETTEXTLENGTH));
    // Room for replacements longer than the words they replace.
    const long size = length + std::max(length / 5, 256L);
    std::vector<char> text(static_cast<size_t>(size) + 1, '\0');
    view->SendTx(TXM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text.data()));

    char word[kWordBufferSize] = {};
    char other[kWordBufferSize] = {};
    int32_t cursor = 0;
    int16_t result = SSCE_CheckString(SSCE_GetSid(), text.data(), &cursor, word, kWordBufferSize,
                                      other, kWordBufferSize);
    while (result >= 0 && result != kEndOfText) {
        const long wordLength = static_cast<long>(std::strlen(word));
        view->SetSelPair(cursor, cursor + wordLength);

        char corrected[kWordBufferSize];
        std::memcpy(corrected, word, sizeof corrected);
        if (SSCE_CheckBlockDlg(view->GetSafeHwnd(), corrected, wordLength, kWordBufferSize, 0) ==
            kCancelled)
            break;

        long advance = static_cast<long>(std::strlen(corrected));
        if (std::strcmp(corrected, word) != 0) {
            if (SSCE_ReplaceStringWord(SSCE_GetSid(), text.data(), static_cast<int32_t>(size),
                                       cursor, corrected) >= 0)
                view->InsertText(corrected);
            else
                // The replacement does not fit: both texts keep the word, and the next check
                // starts right after it (not somewhere inside the following text).
                advance = wordLength;
        }
        cursor += advance;
        result = SSCE_CheckString(SSCE_GetSid(), text.data(), &cursor, word, kWordBufferSize, other,
                                  kWordBufferSize);
    }
    view->MessageBox("Spell Check Completed!");
}
