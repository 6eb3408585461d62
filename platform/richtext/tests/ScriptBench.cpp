// Loads, converts to RTF and saves a 60-minute script (about 10,800 words at 180 words
// a minute) with an instruction field and a bookmark every few paragraphs, and prints
// the time each step takes.
#include "richtext/DocumentFormats.h"
#include "richtext/TextControlCore.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

const char* const kWords[] = {"the",   "council", "voted",   "tonight", "to",
                              "close", "harbour", "road",    "after",   "fire",
                              "crews", "worked",  "through", "weekend", "residents",
                              "say",   "they",    "were",    "never",   "warned"};

CRichDocument BuildScript()
{
    CTextControlCore c;
    bool handled;
    int words = 0, paragraph = 0;
    std::string line;
    while (words < 10800) {
        line.clear();
        for (int w = 0; w < 40 && words < 10800; ++w, ++words) {
            line += kWords[(words * 7 + paragraph) % 20];
            line += ' ';
        }
        line += '\n';
        c.HandleMessage(TXM_REPLACESEL, 0, reinterpret_cast<LPARAM>(line.c_str()), handled);
        long end = static_cast<long>(c.Document().Length());
        if (paragraph % 5 == 0) {
            LONG lineStart = static_cast<LONG>(end - static_cast<long>(line.size()));
            TXPAIR sel = {lineStart, lineStart + 12};
            c.HandleMessage(TXM_SETSEL, 1, reinterpret_cast<LPARAM>(&sel), handled);
            c.HandleMessage(TXM_SETSTYLE, TXSTYLE_BOLD, 0, handled);
            c.SetSel(end, end);
            DWORD id = c.InsertField(TXFIELD_INSTRUCTION, u"\n\u00abNext\u00bb");
            c.FieldSetData(id, 4);
            c.ReplaceSel(u"\n");
        }
        if (paragraph % 7 == 0) {
            DWORD id = c.InsertField(TXFIELD_TARGET, u"");
            char name[32];
            std::snprintf(name, sizeof name, "Story %d", paragraph);
            TXFIELDSETTYPE t = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, name, 32};
            c.HandleMessage(TXM_FIELDSETTYPE, id, reinterpret_cast<LPARAM>(&t), handled);
        }
        ++paragraph;
    }
    return c.Document();
}

template<class F>
double Millis(F f, int repeat)
{
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < repeat; ++i)
        f();
    auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(t1 - t0).count() / repeat;
}

} // namespace

int main()
{
    CRichDocument script = BuildScript();
    std::string native = richtext::WriteNative(script), rtf = richtext::WriteRtf(script);
    std::printf(
        "60-minute script: %zu characters, %zu fields; own format %zu bytes, RTF %zu bytes\n",
        script.Length(), script.Fields().size(), native.size(), rtf.size());
    const int n = 20;
    std::string error;
    CRichDocument loaded;
    double load = Millis([&] { richtext::ReadNative(native, loaded, error); }, n);
    double toRtf = Millis([&] { rtf = richtext::WriteRtf(loaded); }, n);
    double save = Millis([&] { native = richtext::WriteNative(loaded); }, n);
    double rtfIn = Millis([&] { richtext::ReadRtf(rtf, loaded, error); }, n);
    double all = Millis(
        [&] {
            CTextControlCore c;
            c.Load(native, TXFORMAT_NATIVE, error);
            std::string out;
            c.Save(TXFORMAT_RTF, out, error);
            c.Save(TXFORMAT_NATIVE, out, error);
        },
        n);
    std::printf("load own format   %8.2f ms\n", load);
    std::printf("convert to RTF    %8.2f ms\n", toRtf);
    std::printf("save own format   %8.2f ms\n", save);
    std::printf("read RTF back     %8.2f ms\n", rtfIn);
    std::printf("load+RTF+save     %8.2f ms (through the control core)\n", all);
    return 0;
}
