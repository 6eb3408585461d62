// Feeds arbitrary bytes to every reader of the document model. The first byte picks the
// format; a document that loads must be consistent and must save and load again.
#include "richtext/DocumentFormats.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const int formats[] = {TXFORMAT_TEXT, TXFORMAT_NATIVE,  TXFORMAT_HTML,
                                  TXFORMAT_RTF,  TXFORMAT_UNICODE, TXFORMAT_WORD};
    int format = formats[data[0] % 6];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    CRichDocument doc;
    std::string error;
    if (!richtext::LoadDocument(bytes, format, doc, error)) {
        if (error.empty())
            std::abort(); // every failure says why
        return 0;
    }
    if (!doc.IsConsistent())
        std::abort();
    // What was read must survive our own format and RTF unchanged in text and paragraphs.
    CRichDocument again;
    if (!richtext::ReadNative(richtext::WriteNative(doc), again, error) || !(again == doc))
        std::abort();
    if (!richtext::ReadRtf(richtext::WriteRtf(doc), again, error) || again.Text() != doc.Text() ||
        again.ParaFormats() != doc.ParaFormats())
        std::abort();
    return 0;
}
