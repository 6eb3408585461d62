// Dispatch by format code.
#include "richtext/DocumentFormats.h"

namespace richtext {

bool LoadDocument(const std::string& bytes, int format, CRichDocument& doc, std::string& error)
{
    switch (format) {
    case TXFORMAT_TEXT:
        return ReadPlainText(bytes, doc, error);
    case TXFORMAT_NATIVE:
        return ReadNative(bytes, doc, error);
    case TXFORMAT_HTML:
        return ReadHtml(bytes, doc, error);
    case TXFORMAT_RTF:
        return ReadRtf(bytes, doc, error);
    case TXFORMAT_UNICODE:
        return ReadUnicodeText(bytes, doc, error);
    case TXFORMAT_WORD:
        if (bytes.compare(0, 5, "{\\rtf") == 0)
            return ReadRtf(bytes, doc, error);
        if (bytes.size() >= 4 && static_cast<unsigned char>(bytes[0]) == 0xD0 &&
            static_cast<unsigned char>(bytes[1]) == 0xCF && static_cast<unsigned char>(bytes[2]) == 0x11 &&
            static_cast<unsigned char>(bytes[3]) == 0xE0)
            error = "binary Word documents cannot be read; save the document as RTF and open that";
        else
            error = "the file is not a Word document in rich text form";
        return false;
    }
    error = "unknown file format " + std::to_string(format);
    return false;
}

bool SaveDocument(const CRichDocument& doc, int format, std::string& bytes, std::string& error)
{
    switch (format) {
    case TXFORMAT_TEXT:
        bytes = WritePlainText(doc);
        return true;
    case TXFORMAT_NATIVE:
        bytes = WriteNative(doc);
        return true;
    case TXFORMAT_HTML:
        bytes = WriteHtml(doc);
        return true;
    case TXFORMAT_RTF:
    case TXFORMAT_WORD:
        bytes = WriteRtf(doc);
        return true;
    case TXFORMAT_UNICODE:
        bytes = WriteUnicodeText(doc);
        return true;
    }
    error = "unknown file format " + std::to_string(format);
    return false;
}

} // namespace richtext
