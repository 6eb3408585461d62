#include "ScriptFormat.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#if defined(_WIN32)
#include <share.h>
#endif

namespace {

ScriptFormatExtensionCheck g_extensionCheck = nullptr;

bool EqualNoCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower((unsigned char)*a) != std::tolower((unsigned char)*b))
            return false;
    return *a == *b;
}

const char* FileNamePart(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return name;
}

unsigned Word16(const unsigned char* p) { return p[0] | (p[1] << 8); }
unsigned long Word32(const unsigned char* p)
{
    return (unsigned long)p[0] | ((unsigned long)p[1] << 8) | ((unsigned long)p[2] << 16) |
        ((unsigned long)p[3] << 24);
}

bool IsControl(unsigned unit) { return unit < 32 && unit != '\t' && unit != '\n' && unit != '\r'; }

// Looks for an HTML tag in lower-cased text.
bool HasHtmlTag(const std::string& text)
{
    for (size_t lt = text.find('<'); lt != std::string::npos; lt = text.find('<', lt + 1)) {
        const char* p = text.c_str() + lt + 1;
        if (!strncmp(p, "html", 4) || !strncmp(p, "head", 4) || !strncmp(p, "title", 5) ||
            !strncmp(p, "body", 4))
            return true;
        if (!strncmp(p, "!doctype ", 9)) {
            p += 9;
            while (*p == ' ')
                ++p;
            if (!strncmp(p, "html", 4))
                return true;
        }
    }
    return false;
}

// Lower-cased text of the buffer, one character per unit; TXFORMAT_UNKNOWN when a control
// character is met.
bool FoldUnits(const unsigned char* bytes, size_t count, int unitSize, bool bigEndian,
               std::string& folded)
{
    for (size_t i = 0; i + unitSize <= count; i += unitSize) {
        unsigned unit = unitSize == 1 ? bytes[i]
            : bigEndian               ? (bytes[i] << 8) | bytes[i + 1]
                                      : Word16(bytes + i);
        if (IsControl(unit))
            return false;
        folded += unit < 128 ? (char)std::tolower((int)unit) : '?';
    }
    return true;
}

} // namespace

void SetScriptFormatExtensionCheck(ScriptFormatExtensionCheck check) { g_extensionCheck = check; }

int FormatByExtension(const char* path)
{
    if (path == nullptr)
        return TXFORMAT_UNKNOWN;
    if (g_extensionCheck)
        return g_extensionCheck(path);
    const char* dot = strrchr(FileNamePart(path), '.');
    if (dot == nullptr)
        return TXFORMAT_UNKNOWN;
    static const struct
    {
        const char* ext;
        int format;
    } table[] = {{"HTML", TXFORMAT_HTML}, {"HTM", TXFORMAT_HTML}, {"RTF", TXFORMAT_RTF},
                 {"DOC", TXFORMAT_WORD},  {"TXT", TXFORMAT_TEXT}, {"TX", TXFORMAT_NATIVE}};
    for (const auto& entry : table)
        if (EqualNoCase(dot + 1, entry.ext))
            return entry.format;
    return TXFORMAT_UNKNOWN;
}

int DetectScriptFormatInBytes(const unsigned char* bytes, size_t count,
                              unsigned long long fileLength, int extensionFormat, bool offsetGiven,
                              int controlVersion)
{
    const int e = extensionFormat;
    if (fileLength == 0)
        return !offsetGiven && e == TXFORMAT_UNKNOWN ? TXFORMAT_NATIVE : e;
    if (count == 0)
        return TXFORMAT_ERROR;
    int result = e;
    if (count >= 6 && memcmp(bytes, "{\\rtf", 5) == 0)
        return TXFORMAT_RTF;
    if (result == TXFORMAT_RTF)
        result = TXFORMAT_UNKNOWN;

    if (count >= 15 && Word16(bytes) >= 430 && Word16(bytes + 2) >= 1) {
        const unsigned long long a = Word32(bytes + 4);
        if (a >= 14 && a < fileLength) {
            const unsigned w8 = Word16(bytes + 8);
            const unsigned long long d10 = Word32(bytes + 10);
            if ((w8 == 0 && d10 == 0) || (w8 != 0 && d10 > a && d10 < fileLength))
                return TXFORMAT_NATIVE;
        }
    }

    std::string folded;
    if (controlVersion >= 600 && count >= 2 &&
        (Word16(bytes) == 0xFEFF || Word16(bytes) == 0xFFFE)) {
        if (e != TXFORMAT_HTML)
            result = TXFORMAT_UNICODE;
        const bool bigEndian = Word16(bytes) == 0xFFFE;
        if (!FoldUnits(bytes + 2, count - 2, 2, bigEndian, folded))
            return TXFORMAT_UNKNOWN;
        return HasHtmlTag(folded) ? TXFORMAT_HTML : result;
    }
    if (e == TXFORMAT_UNKNOWN || e == TXFORMAT_TEXT)
        result = TXFORMAT_TEXT;
    if (e == TXFORMAT_UNKNOWN || e == TXFORMAT_TEXT || e == TXFORMAT_HTML) {
        if (!FoldUnits(bytes, count, 1, false, folded))
            return TXFORMAT_UNKNOWN;
        if (HasHtmlTag(folded))
            return TXFORMAT_HTML;
    }
    return result;
}

int DetectScriptFormat(const char* path, long offset, int controlVersion)
{
    if (path == nullptr || *path == '\0')
        return TXFORMAT_ERROR;
    const int e = FormatByExtension(path);
#if defined(_WIN32)
    FILE* file = _fsopen(path, "rb", _SH_DENYWR);
#else
    FILE* file = fopen(path, "rb");
#endif
    if (file == nullptr)
        return TXFORMAT_ERROR;
    unsigned char buffer[8000] = {};
    int result = TXFORMAT_ERROR;
    long long length = -1;
    if (fseek(file, 0, SEEK_END) == 0)
        length = ftell(file);
    if (length >= 0 && (offset <= 0 || offset < length) &&
        fseek(file, offset > 0 ? offset : 0, SEEK_SET) == 0) {
        const unsigned long long remaining =
            (unsigned long long)(length - (offset > 0 ? offset : 0));
        const size_t count = remaining ? fread(buffer, 1, sizeof buffer, file) : 0;
        result = DetectScriptFormatInBytes(buffer, count, remaining, e, offset > 0, controlVersion);
    }
    fclose(file);
    return result;
}

bool ReadRtfFile(const char* path, std::string& text)
{
    text.clear();
    FILE* file = path ? fopen(path, "r") : nullptr;
    if (file == nullptr)
        return false;
    char piece[256];
    size_t n;
    while ((n = fread(piece, 1, 255, file)) > 0)
        text.append(piece, n);
    fclose(file);
    return true;
}

bool FileNameHasExtension(const char* fileName, const char* extension)
{
    if (fileName == nullptr || extension == nullptr || *extension == '\0')
        return false;
    const size_t n = strlen(fileName), m = strlen(extension);
    if (n < m + 1 || fileName[n - m - 1] != '.')
        return false;
    return EqualNoCase(fileName + n - m, extension);
}

namespace {
std::vector<std::string> SplitParts(const std::string& text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t nl = text.find('\n', start);
        parts.push_back(
            text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
    return parts;
}
} // namespace

ScriptFormatFilter BuildScriptFormatFilter(const std::vector<std::string>& formatStrings,
                                           bool openDialog)
{
    ScriptFormatFilter result;
    const int entries = (int)formatStrings.size();
    for (int i = 0; i < entries; ++i) {
        std::vector<std::string> parts = SplitParts(formatStrings[i]);
        parts.resize(5);
        result.patterns.push_back(parts[2] + parts[4]);
        const int tableIdx = i + 1;
        // Open dialogs never offer Unicode text (entry 6); save dialogs never "All" (7).
        if ((openDialog && tableIdx == 6) || (!openDialog && tableIdx == 7))
            continue;
        result.filter += (openDialog ? parts[1] : parts[0]) + "|" + result.patterns.back() + "|";
        result.tableIndex.push_back(tableIdx);
    }
    return result;
}

int ScriptFormatFilter::DialogIndex(int tableIdx) const
{
    for (size_t i = 0; i < tableIndex.size(); ++i)
        if (tableIndex[i] == tableIdx)
            return (int)i + 1;
    return 1;
}

int ScriptFormatFilter::TableIndex(int dialogIdx) const
{
    if (dialogIdx < 1 || dialogIdx > (int)tableIndex.size())
        return tableIndex.empty() ? 1 : tableIndex.front();
    return tableIndex[dialogIdx - 1];
}

std::string ScriptFormatFilter::DefaultExtension(int tableIdx) const
{
    if (tableIdx < 1 || tableIdx > (int)patterns.size())
        return std::string();
    std::string pattern = patterns[tableIdx - 1];
    pattern = pattern.substr(0, pattern.find(';'));
    if (pattern.compare(0, 2, "*.") == 0)
        pattern.erase(0, 2);
    return pattern == "*" ? std::string() : pattern;
}

namespace {
// The formats of the table's entries, in its order.
const int kTableFormats[] = {TXFORMAT_WORD,
                             TXFORMAT_HTML,
                             TXFORMAT_RTF,
                             TXFORMAT_NATIVE,
                             TXFORMAT_TEXT,
                             TXFORMAT_UNICODE,
                             0};
} // namespace

int ScriptFormatOfTableIndex(int tableIdx)
{
    const int count = (int)(sizeof kTableFormats / sizeof kTableFormats[0]);
    return tableIdx >= 1 && tableIdx <= count ? kTableFormats[tableIdx - 1] : 0;
}

int ScriptTableIndexOfFormat(int format)
{
    if (format == TXFORMAT_MQD)
        format = TXFORMAT_NATIVE;
    if (format <= 0)
        return 0;
    const int count = (int)(sizeof kTableFormats / sizeof kTableFormats[0]);
    for (int i = 0; i < count; ++i)
        if (kTableFormats[i] == format)
            return i + 1;
    return 0;
}
