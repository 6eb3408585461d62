// The spelling engine library: one process-wide session over the word list, read on first
// use, and the words the writer adds while the program runs.
#include "spelling/SpellEngine.h"

#include "SpellCheckDlg.h"
#include "fw/wnd.h"
#include "spelling/SpellCheckDlgIds.h"
#include "spelling/SpellDictionary.h"
#include "spelling/SpellSession.h"

#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>

HINSTANCE g_hSpellingModule = nullptr;

namespace {

const int16_t kSessionId = 1;

struct Engine
{
    std::once_flag loadOnce;
    std::mutex lock;
    CSpellDictionary dictionary; // guarded by lock once loaded
    bool loaded = false; // set once, inside loadOnce
};

Engine& TheEngine()
{
    static Engine engine;
    return engine;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::string();
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The word list shipped beside this library, else the system's (under Wine on drive Z:).
std::string ReadWordList()
{
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(g_hSpellingModule, path, MAX_PATH);
    std::string beside(path, n);
    const size_t slash = beside.find_last_of("\\/");
    beside =
        (slash == std::string::npos ? std::string() : beside.substr(0, slash + 1)) + "words.txt";
    for (const std::string& candidate : {beside, std::string("Z:\\usr\\share\\dict\\words")}) {
        std::string text = ReadFile(candidate);
        if (!text.empty())
            return text;
    }
    return std::string();
}

bool EnsureLoaded()
{
    Engine& e = TheEngine();
    std::call_once(e.loadOnce, [&e] {
        std::lock_guard<std::mutex> guard(e.lock);
        e.loaded = e.dictionary.LoadWordList(ReadWordList()) > 0;
    });
    return e.loaded;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hSpellingModule = hInstance;
    return TRUE;
}

SPELLING_API int16_t SSCE_GetSid()
{
    return EnsureLoaded() ? kSessionId : spelling::kErrorNoWordList;
}

SPELLING_API int16_t SSCE_CheckString(int16_t sid, const char* text, int32_t* cursor, char* word,
                                      int16_t wordSize, char* other, int16_t otherSize)
{
    if (sid != kSessionId || !EnsureLoaded())
        return spelling::kErrorSession;
    std::lock_guard<std::mutex> guard(TheEngine().lock);
    return spelling::CheckText(TheEngine().dictionary, text, cursor, word, wordSize, other,
                               otherSize);
}

SPELLING_API int32_t SSCE_ReplaceStringWord(int16_t sid, char* text, int32_t size, int32_t cursor,
                                            const char* word)
{
    if (sid != kSessionId || !EnsureLoaded())
        return spelling::kErrorSession;
    return spelling::ReplaceWord(text, size, cursor, word);
}

SPELLING_API int16_t SSCE_CheckBlockDlg(HWND parent, char* block, int32_t length, int32_t size,
                                        int16_t /*showContext*/)
{
    if (!block || length < 0 || size <= length)
        return spelling::kErrorArgument;
    if (!EnsureLoaded())
        return spelling::kErrorNoWordList;
    Engine& e = TheEngine();
    std::string text(block, static_cast<size_t>(length));
    int32_t cursor = 0;
    char word[81];
    for (;;) {
        std::vector<std::string> suggestions;
        {
            std::lock_guard<std::mutex> guard(e.lock);
            if (spelling::CheckText(e.dictionary, text.c_str(), &cursor, word, sizeof word, nullptr,
                                    0) != spelling::kResultQuestioned)
                break;
            suggestions = e.dictionary.Suggest(word);
        }
        CSpellCheckDlg dialog(word, std::move(suggestions), CWnd::FromHandle(parent));
        const INT_PTR answer = dialog.Run();
        if (answer == IDCANCEL || answer == -1)
            return spelling::kResultCancelled;
        const std::string questioned(word);
        std::string replacement = questioned;
        if (answer == IDOK) {
            replacement = static_cast<LPCSTR>(dialog.m_strChangeTo);
        } else if (answer == IDC_SPELL_ADD) {
            std::lock_guard<std::mutex> guard(e.lock);
            e.dictionary.AddWord(questioned);
        }
        // A change that would overflow the caller's block leaves the word as it was.
        if (replacement != questioned &&
            text.size() - questioned.size() + replacement.size() < static_cast<size_t>(size)) {
            text.replace(static_cast<size_t>(cursor), questioned.size(), replacement);
            cursor += static_cast<int32_t>(replacement.size());
        } else {
            cursor += static_cast<int32_t>(questioned.size());
        }
    }
    std::memcpy(block, text.c_str(), text.size() + 1);
    return 0;
}
