// Loading and saving a document in the control's file formats. Every reader builds into
// the document it is given only on success; on failure it leaves that document untouched
// and says why in error. None of them needs a window.
#pragma once
#include "richtext/RichDocument.h"
#include <string>

namespace richtext {

// By format code (TXFORMAT_*): 4 plain text, 5 our own format, 6 HTML, 7 RTF, 8 Unicode
// text, 11 Word document (RTF content).
bool LoadDocument(const std::string& bytes, int format, CRichDocument& doc, std::string& error);
bool SaveDocument(const CRichDocument& doc, int format, std::string& bytes, std::string& error);

// Files. WriteFileBytes saves safely: on any failure the previous file is left as it was.
// ConvertFileToRtf loads a script file in the given format and gives its RTF, with
// no window and no control: what a host's worker thread needs to hand a script to the
// prompter.
bool ReadFileBytes(const char* path, std::string& bytes, std::string& error);
bool WriteFileBytes(const char* path, const std::string& bytes, std::string& error);
bool ConvertFileToRtf(const char* path, int format, std::string& rtf, std::string& error);
// The format a file's bytes show: RTF, our own format, Unicode text (a byte-order mark),
// HTML (a tag among the first bytes), else plain text; our own format for no bytes.
int DetectFormat(const std::string& bytes);

// The single formats.
bool ReadPlainText(const std::string& bytes, CRichDocument& doc, std::string& error);
std::string WritePlainText(const CRichDocument& doc);
bool ReadUnicodeText(const std::string& bytes, CRichDocument& doc, std::string& error);
std::string WriteUnicodeText(const CRichDocument& doc);
bool ReadNative(const std::string& bytes, CRichDocument& doc, std::string& error);
std::string WriteNative(const CRichDocument& doc);
bool ReadRtf(const std::string& bytes, CRichDocument& doc, std::string& error);
std::string WriteRtf(const CRichDocument& doc);
bool ReadHtml(const std::string& bytes, CRichDocument& doc, std::string& error);
std::string WriteHtml(const CRichDocument& doc);

// The header of our own format: the version and revision words, the offset of the body
// and the magic that follows the fixed part.
constexpr WORD kNativeVersion = 600;
// 5: tables; 4: images and objects; 3: paragraph formats; 2: UTF-16 text; 1 (still read):
// code page 1252 text
constexpr WORD kNativeRevision = 5;
constexpr size_t kNativeHeaderSize = 24;

} // namespace richtext
