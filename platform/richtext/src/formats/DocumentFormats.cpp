// Dispatch by format code.
#include "richtext/DocumentFormats.h"

#include <cctype>
#include <cstdio>

#include "fw/safe_save.h"

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
            static_cast<unsigned char>(bytes[1]) == 0xCF &&
            static_cast<unsigned char>(bytes[2]) == 0x11 &&
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

bool ReadFileBytes(const char* path, std::string& bytes, std::string& error)
{
    std::FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) {
        error = std::string("the file ") + (path ? path : "") + " cannot be opened";
        return false;
    }
    std::string data;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.append(buf, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = std::string("the file ") + path + " cannot be read";
        return false;
    }
    bytes.swap(data);
    return true;
}

bool WriteFileBytes(const char* path, const std::string& bytes, std::string& error)
{
    // Through the safe save: a save that fails part-way keeps the previous file.
    CFileException failure;
    if (AfxSafeSaveFile(path, bytes.data(), bytes.size(), &failure))
        return true;
    char text[512];
    failure.GetErrorMessage(text, sizeof text);
    error = text;
    return false;
}

bool ConvertFileToRtf(const char* path, int format, std::string& rtf, std::string& error)
{
    std::string bytes;
    CRichDocument doc;
    if (!ReadFileBytes(path, bytes, error) || !LoadDocument(bytes, format, doc, error))
        return false;
    rtf = WriteRtf(doc);
    return true;
}

int DetectFormat(const std::string& bytes)
{
    if (bytes.empty())
        return TXFORMAT_NATIVE;
    if (bytes.compare(0, 5, "{\\rtf") == 0)
        return TXFORMAT_RTF;
    CRichDocument probe;
    std::string error;
    if (bytes.size() >= kNativeHeaderSize && ReadNative(bytes, probe, error))
        return TXFORMAT_NATIVE;
    if (bytes.size() >= 2 && ((unsigned char)bytes[0] == 0xFF && (unsigned char)bytes[1] == 0xFE))
        return TXFORMAT_UNICODE;
    std::string head = bytes.substr(0, 4096);
    for (char& c : head)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (head.find("<html") != std::string::npos || head.find("<!doctype html") != std::string::npos)
        return TXFORMAT_HTML;
    return TXFORMAT_TEXT;
}

} // namespace richtext
