// Reading speed of the script reader on a 60-minute show's worth of RTF (about 400 KB:
// some 11,000 words of script with the formatting, fields and bookmarks a newsroom
// writer's scripts carry). Prints the throughput of the whole reader and of the token
// reader alone.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "PromptTextReader.h"
#include "RtfToken.h"

namespace {

std::string MakeShowRtf(size_t targetBytes)
{
    static const char* const kWords[] = {
        "the",       "council",   "voted",    "tonight",  "to",
        "close",     "harbour",   "road",     "for",      "repairs",
        "after",     "residents", "caf\\'e9", "owners",   "and",
        "commuters", "said",      "delays",   "were",     "\\ldblquote unacceptable\\rdblquote",
        "weather",   "forecast",  "rain",     "clearing", "by",
        "morning",   "with",      "highs",    "near",     "18",
        "degrees"};
    const size_t nWords = sizeof(kWords) / sizeof(kWords[0]);
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fcharset0 Times New Roman;}}"
        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
        "\\viewkind4\\uc1\\pard\\plain\\f0\\fs48\\cf1\n";
    unsigned seed = 12345;
    int paragraph = 0;
    while (rtf.size() < targetBytes) {
        ++paragraph;
        rtf += "\\pard\\plain\\f0\\fs48\\cf1 ";
        if (paragraph % 25 == 1)
            rtf += "{\\*\\bkmkstart Story" + std::to_string(paragraph) + "}{\\*\\bkmkend Story" +
                std::to_string(paragraph) + "}";
        if (paragraph % 40 == 0) {
            rtf += "\\cf2{\\*\\txfieldstart\\txfieldtype0 4}\\'abNext\\'bb{\\*\\txfieldend}\\par\n";
            continue;
        }
        int words = 30 + static_cast<int>(seed % 30);
        for (int w = 0; w < words; ++w) {
            seed = seed * 1103515245u + 12345u;
            const char* word = kWords[(seed >> 8) % nWords];
            switch ((seed >> 20) % 16) {
            case 0:
                rtf += "{\\b ";
                rtf += word;
                rtf += "}";
                break;
            case 1:
                rtf += "{\\i\\cf3 ";
                rtf += word;
                rtf += "}";
                break;
            case 2:
                rtf += "\\u8364?";
                rtf += word;
                break;
            case 3:
                rtf += "{\\ul ";
                rtf += word;
                rtf += "\\ulnone}";
                break;
            default:
                rtf += word;
                break;
            }
            rtf += ' ';
        }
        rtf += "\\par\n";
    }
    rtf += "}";
    return rtf;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main()
{
    const std::string rtf = MakeShowRtf(400 * 1024);
    const double megabytes = rtf.size() / (1024.0 * 1024.0);

    CPromptTextReader reader;
    long runs = 0, paragraphs = 0;
    int passes = 0;
    auto start = std::chrono::steady_clock::now();
    do {
        std::unique_ptr<prmptFormatedPtrList> list(
            reader.BuildList(rtf, 0x00FFFFFF, 100, PT_SCRIPT, CTimeSpan(3600)));
        runs = static_cast<long>(list->GetCount());
        paragraphs = list->IsEmpty() ? 0 : list->GetTail()->GetParagraph() / 100;
        list->DeleteAll();
        ++passes;
    } while (Seconds(start) < 2.0);
    double readerSeconds = Seconds(start) / passes;

    long tokens = 0;
    int tokenPasses = 0;
    start = std::chrono::steady_clock::now();
    do {
        CRtfToken tok;
        const char* pos = rtf.data();
        const char* end = pos + rtf.size();
        tokens = 0;
        for (;;) {
            pos = ReadToken(pos, end, tok);
            if (tok.m_nClass == RTF_EOF)
                break;
            ++tokens;
        }
        ++tokenPasses;
    } while (Seconds(start) < 2.0);
    double tokenSeconds = Seconds(start) / tokenPasses;

    std::printf("script: %zu bytes of RTF, %ld paragraphs, %ld runs, %ld tokens\n", rtf.size(),
                paragraphs, runs, tokens);
    std::printf("reader (BuildList): %.2f ms per script, %.1f MB/s (%d passes)\n",
                readerSeconds * 1000.0, megabytes / readerSeconds, passes);
    std::printf("token reader alone: %.2f ms per script, %.1f MB/s (%d passes)\n",
                tokenSeconds * 1000.0, megabytes / tokenSeconds, tokenPasses);
    return 0;
}
