// Fuzzes the script reader: any bytes, read as RTF (and as plain text), with the reader's
// switches taken from the first byte.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "PromptTextReader.h"
#include "RtfToken.h"
#include "ScriptParagraphs.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetRtfWarningStream(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t switches = data[0];
    PromptReaderSettings settings;
    settings.m_bShowPPInst = switches & 1;
    settings.m_bPromptBlankPar = (switches >> 1) & 1;
    settings.m_bShowBullets = (switches >> 2) & 1;
    settings.m_bShowPRMPTCAP = (switches >> 3) & 1;
    settings.m_bColorIndexFromZero = (switches >> 4) & 1;
    settings.m_bKeepFirstColor = (switches >> 5) & 1;
    settings.m_bPromptROTL = (switches >> 6) & 1;
    settings.m_bMonoBitmap = (switches >> 7) & 1;

    // Most inputs are read as RTF: the header is added unless the input brings one.
    std::string body(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string text = (switches & 0x40) ? body : "{\\rtf1 " + body;

    CPromptTextReader reader(settings);
    std::unique_ptr<prmptFormatedPtrList> list(
        reader.BuildList(text, 0x00FFFFFF, 100, PT_SCRIPT, CTimeSpan(0)));
    for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
        prmptFormatedText* run = list->GetNext(pos);
        // Every run's text is terminated where its length says.
        if (run->GetText() && run->GetText()[run->GetTextLength()] != 0)
            __builtin_trap();
    }
    // Then grouped into paragraphs as the prompter does, an instruction held over from one
    // script to the next.
    static PendingInstruction pending;
    ScriptParagraphOptions options;
    options.showInstructions = settings.m_bShowPPInst != 0;
    options.captions = (switches & 0x80) != 0;
    prmptRecord record;
    auto paragraphs =
        GroupScriptParagraphs<CScriptParagraph>(*list, record, PT_SCRIPT, options, pending);
    if (!list->IsEmpty())
        __builtin_trap();
    return 0;
}
