// Script file formats: the rich-text control's format codes, the detection of a file's
// format from its name and first bytes, the direct read of an RTF file, and the filter
// list of the script file dialogs.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "richtext/TxTypes.h"

// The program's own document type among the formats (its content is TXFORMAT_NATIVE).
constexpr int TXFORMAT_MQD = 12;

// The format the extension of the file-name part names ("C:\my.dir\News" has none),
// compared without regard to case; 0 when the extension is not a known one. When a
// document manager has installed its own check, that check decides.
int FormatByExtension(const char* path);
typedef int (*ScriptFormatExtensionCheck)(const char* path);
void SetScriptFormatExtensionCheck(ScriptFormatExtensionCheck check);

// The format of a file from its first bytes, given what its extension said. offset is the
// byte the file's content starts at (0: the start). fileLength counts from that start.
// controlVersion is the rich-text control's version (UTF-16 text is recognised from 600).
int DetectScriptFormatInBytes(const unsigned char* bytes, size_t count,
                              unsigned long long fileLength, int extensionFormat, bool offsetGiven,
                              int controlVersion);

// The format of a file: -1 for a path that cannot be opened or read, or an offset at or
// past its end.
int DetectScriptFormat(const char* path, long offset = 0, int controlVersion = 800);

// The whole file read as text ("r": CR LF arrives as LF). False, with an empty text, when
// the file cannot be opened.
bool ReadRtfFile(const char* path, std::string& text);

// True when the file name ends with '.' and the extension, compared without regard to case.
bool FileNameHasExtension(const char* fileName, const char* extension);

// The filter list of the script file dialogs, built from the seven format strings (Word,
// HTML, RTF, own document, text, Unicode text, all: newline-separated parts). Indices are
// 1-based over that full table; an open dialog leaves Unicode text out, a save dialog
// leaves "All" out.
struct ScriptFormatFilter
{
    std::string filter; // "name|pattern|name|pattern|...|"
    std::vector<int> tableIndex; // the table index of each dialog entry
    // The dialog's 1-based entry for a table index, and back (an open dialog lowers the
    // indices from 6 on by one).
    int DialogIndex(int tableIdx) const;
    int TableIndex(int dialogIdx) const;
    // The default extension of a table entry: its pattern without "*." ("" for "*.*").
    std::string DefaultExtension(int tableIdx) const;
    std::vector<std::string> patterns; // by table index - 1
};
ScriptFormatFilter BuildScriptFormatFilter(const std::vector<std::string>& formatStrings,
                                           bool openDialog);

// The format of an entry of that table (1-based; 0 for "All" and anything else), and the
// entry of a format (our own document type is the own-format entry; 0 for none).
int ScriptFormatOfTableIndex(int tableIdx);
int ScriptTableIndexOfFormat(int format);
