// The reader's entry point, the font and colour tables of an RTF script, and plain text.
#include "PromptTextReader.h"

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "RtfToken.h"
#include "TextConversion.h"

namespace {

bool StartsWithRtf(const std::string& text)
{
    static const char kRtf[] = "{\\rtf";
    if (text.size() < 5)
        return false;
    for (int i = 0; i < 5; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kRtf[i])
            return false;
    }
    return true;
}

int ClampToInt(long long value)
{
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

} // namespace

// ---------------------------------------------------------------------------------------
bool FontPtrMap::SetAt(int font, int family, int charSet)
{
    auto it = m_fonts.find(font);
    if (it != m_fonts.end()) {
        it->second = {family, charSet};
        return true;
    }
    if (static_cast<int>(m_fonts.size()) >= kMaxFonts)
        return false;
    m_fonts.emplace(font, std::make_pair(family, charSet));
    return true;
}

bool FontPtrMap::Lookup(int font, int& family, int& charSet) const
{
    auto it = m_fonts.find(font);
    if (it == m_fonts.end())
        return false;
    family = it->second.first;
    charSet = it->second.second;
    return true;
}

// ---------------------------------------------------------------------------------------
CPromptTextReader::CPromptTextReader(const PromptReaderSettings& settings)
    : m_settings(settings), m_pFontMap(nullptr), m_crTextColor(settings.m_crText)
{
    InitKeywordHashes();
}

CPromptTextReader::~CPromptTextReader() { delete m_pFontMap; }

prmptFormatedPtrList* CPromptTextReader::BuildList(const std::string& text, unsigned long color,
                                                   int paragraphStep, PromptType flags,
                                                   CTimeSpan length)
{
    m_crTextColor = static_cast<COLORREF>(color);
    prmptFormatedPtrList* list;
    if (StartsWithRtf(text)) {
        delete m_pFontMap;
        m_pFontMap = BuildFontMap(text);
        std::unique_ptr<ClrRefList> colors(BuildColorList(text, color));
        try {
            list = BuildFormatList(text, colors.get(), color, paragraphStep, flags, length);
        } catch (...) {
            CleanUpcpList(colors.get());
            delete m_pFontMap;
            m_pFontMap = nullptr;
            throw;
        }
        CleanUpcpList(colors.get());
    } else {
        list = BuildPlainList(text, color, paragraphStep, flags, length);
    }
    delete m_pFontMap;
    m_pFontMap = nullptr;
    return list;
}

FontPtrMap* CPromptTextReader::BuildFontMap(const std::string& text)
{
    std::unique_ptr<FontPtrMap> map(new FontPtrMap);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    CRtfToken tok;

    std::string::size_type at = text.find("\\deff");
    if (at != std::string::npos) {
        ReadToken(begin + at, end, tok);
        if (tok.m_nParam != RTF_NO_PARAM)
            map->m_nDefaultFont = tok.m_nParam;
    }

    at = text.find("\\fonttbl");
    if (at == std::string::npos)
        return map.release();

    const char* pos = begin + at;
    long depth = 1;
    int font = -1, family = -1, charSet = -1;
    auto store = [&] {
        if (font != -1)
            map->SetAt(font, family, charSet);
        font = family = charSet = -1;
    };
    for (;;) {
        pos = ReadToken(pos, end, tok);
        if (tok.m_nClass == RTF_EOF)
            break;
        if (tok.m_nClass == RTF_GROUP) {
            if (tok.m_nMajor == RTF_BEGIN_GROUP) {
                ++depth;
            } else if (depth == 1) {
                store(); // a table written without a group per font
                break;
            } else {
                --depth;
                store();
            }
        } else if (tok.m_nClass == RTF_CONTROL) {
            if (tok.m_nMajor == RTFC_FONT_FAMILY)
                family = tok.m_nMinor - RTFK_FNIL;
            else if (tok.m_nMinor == RTFK_FCHARSET)
                charSet = tok.m_nParam == RTF_NO_PARAM ? -1 : tok.m_nParam;
            else if (tok.m_nMinor == RTFK_F)
                font = tok.m_nParam == RTF_NO_PARAM ? -1 : tok.m_nParam;
        }
    }
    return map.release();
}

ClrRefList* CPromptTextReader::BuildColorList(const std::string& text, unsigned long color)
{
    std::unique_ptr<ClrRefList> list(new ClrRefList);
    std::string::size_type at = text.find("\\colortbl");
    if (at == std::string::npos)
        return list.release();

    const char* pos = text.data() + at;
    const char* const end = text.data() + text.size();
    CRtfToken tok;
    int rgb[3] = {-1, -1, -1};
    bool textColorPlaced = false;
    try {
        for (;;) {
            pos = ReadToken(pos, end, tok);
            if (tok.m_nClass == RTF_EOF)
                break;
            if (tok.m_nClass == RTF_GROUP && tok.m_nMajor == RTF_END_GROUP)
                break;
            if (tok.m_nClass == RTF_CONTROL && tok.m_nMinor == RTFK_COLORTBL) {
                rgb[0] = rgb[1] = rgb[2] = -1;
            } else if (tok.m_nClass == RTF_CONTROL && tok.m_nMajor == RTFC_COLOR_NAME) {
                rgb[tok.m_nMinor - RTFK_RED] = tok.m_nParam == RTF_NO_PARAM ? 0 : tok.m_nParam;
            } else if (tok.m_nClass == RTF_TEXT && tok.m_nParam == ';') {
                if (!textColorPlaced && !m_settings.m_bKeepFirstColor && rgb[0] != -1 &&
                    rgb[1] != -1 && rgb[2] != -1) {
                    rgb[0] = static_cast<int>(color & 0xFF);
                    rgb[1] = static_cast<int>((color >> 8) & 0xFF);
                    rgb[2] = static_cast<int>((color >> 16) & 0xFF);
                    textColorPlaced = true;
                }
                if (list->GetCount() < ClrRefList::kMaxColors)
                    list->AddTail(new ClrRefOb(rgb[0], rgb[1], rgb[2]));
                rgb[0] = rgb[1] = rgb[2] = -1;
            }
        }
    } catch (...) {
        CleanUpcpList(list.get());
        throw;
    }
    return list.release();
}

COLORREF CPromptTextReader::GetRTFColor(const ClrRefList* list, int index) const
{
    if (list == nullptr || list->IsEmpty())
        return m_crTextColor;
    long long entry = m_settings.m_bColorIndexFromZero ? index : static_cast<long long>(index) - 1;
    POSITION pos = (entry >= 0 && entry < list->GetCount())
        ? list->FindIndex(static_cast<INT_PTR>(entry))
        : nullptr;
    if (pos == nullptr)
        pos = list->GetHeadPosition();
    return list->GetAt(pos)->GetColor();
}

void CPromptTextReader::CleanUpcpList(ClrRefList* list)
{
    if (list == nullptr)
        return;
    while (!list->IsEmpty())
        delete list->RemoveHead();
}

unsigned long CPromptTextReader::CheckFieldLength(wchar_t*& buffer, unsigned long needed,
                                                  unsigned long& capacity)
{
    if (buffer != nullptr && capacity >= needed && capacity - needed >= 100)
        return capacity;
    unsigned long missing = needed + 100 > capacity ? needed + 100 - capacity : 0;
    unsigned long grow = missing > 1024 ? missing + 1024 : 1024;
    // At least half again, so one long run is not copied over and over as it grows.
    if (buffer != nullptr && grow < capacity / 2)
        grow = capacity / 2;
    unsigned long newCapacity = (buffer != nullptr ? capacity : 0) + grow;
    wchar_t* grown = new wchar_t[newCapacity];
    unsigned long kept = 0;
    if (buffer != nullptr) {
        kept = capacity;
        std::memcpy(grown, buffer, kept * sizeof(wchar_t));
        delete[] buffer;
    }
    std::memset(grown + kept, 0, (newCapacity - kept) * sizeof(wchar_t));
    buffer = grown;
    capacity = newCapacity;
    return capacity;
}

void CPromptTextReader::SkipGroup(const char*& pos, const char* end, long& depth)
{
    const long entry = depth;
    CRtfToken tok;
    while (depth >= entry) {
        pos = ReadToken(pos, end, tok);
        if (tok.m_nClass == RTF_EOF)
            break;
        if (tok.m_nClass == RTF_GROUP) {
            depth += tok.m_nMajor == RTF_BEGIN_GROUP ? 1 : -1;
        } else if (tok.m_nClass == RTF_CONTROL && tok.m_nMinor == RTFK_BIN && tok.m_nParam > 0) {
            // Binary data may hold braces; step over it whole.
            long long left = end - pos;
            pos += tok.m_nParam < left ? tok.m_nParam : left;
        }
    }
}

// ---------------------------------------------------------------------------------------
prmptFormatedPtrList* CPromptTextReader::BuildPlainList(const std::string& text,
                                                        unsigned long color, int paragraphStep,
                                                        PromptType flags, CTimeSpan length)
{
    std::unique_ptr<prmptFormatedPtrList> list(new prmptFormatedPtrList);
    const BYTE rtlPara = m_settings.m_bPromptRightJust ? 1 : 0;
    const BYTE rtlChar = m_settings.m_bPromptROTL ? 1 : 0;
    PromptType runFlags = flags;
    std::vector<wchar_t> wide;
    std::string piece;
    long long pieceNo = 0;
    try {
        size_t i = 0;
        const size_t n = text.size();
        while (i < n) {
            while (i < n && (text[i] == '\r' || text[i] == '\n'))
                ++i;
            if (i >= n)
                break;
            piece.clear();
            for (; i < n && text[i] != '\r' && text[i] != '\n'; ++i)
                if (text[i] != '\0') // a zero byte (the host's terminator) is no text
                    piece += text[i];
            if (piece.empty())
                continue;
            ++pieceNo;
            if (piece == " ")
                continue;
            wide.clear();
            AppendUtf8AsWide(piece.data(), piece.size(), wide);
            if (m_settings.m_bShowPRMPTCAP)
                for (wchar_t& ch : wide)
                    ch = WideToUpper(ch);
            wide.push_back(0);
            list->AddTail(new prmptFormatedText(
                wide.data(), ST_PLAIN, -1, FT_NONE, static_cast<COLORREF>(color),
                ClampToInt(pieceNo * paragraphStep), ClampToInt((pieceNo - 1) * 100), runFlags,
                length, 0, std::string(), rtlChar, rtlPara));
            runFlags &= ~PT_BREAK; // only the first paragraph of a text is the banner
        }
    } catch (...) {
        list->DeleteAll();
        throw;
    }
    return list.release();
}
