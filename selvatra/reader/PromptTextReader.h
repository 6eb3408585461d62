// Script text to formatted runs: reads one script, RTF or plain text, into a list of
// formatted runs (prmptFormatedText) grouped by paragraph number, with colours, style
// bits, character sets, directions, bookmarks and slide-show instruction fields. Only what
// a prompter shows survives: fonts are the prompter's own (the font table only gives
// character sets); sizes, indents, tables, pictures, headers and document information go.
//
// Window-free: the prompter window hands the reader its settings and calls BuildList on
// whichever thread builds the script. One reader object reads one script at a time.
#pragma once
#include <map>
#include <string>
#include <utility>

#include "fw/core.h"
#include "PromptModel.h"
#include "SelvatraApi.h"

class CRtfToken;

// The prompter settings that steer the reader (the prompter's members of the same names).
struct SELVATRA_API PromptReaderSettings
{
    COLORREF m_crText = 0; // text colour
    COLORREF m_crBack = 0xFFFFFF; // background: a run in this colour takes the text colour
    int m_bMonoBitmap = 0; // black and white: every run takes the text colour
    int m_bShowPRMPTCAP = 0; // prompter text in capitals
    int m_bPromptBlankPar = 0; // empty paragraphs are kept as blank runs
    int m_bPromptRightJust = 0; // every paragraph runs right to left
    int m_bPromptROTL = 0; // every run's characters run right to left
    int m_bShowPPInst = 0; // slide-show instruction text is shown
    int m_bShowBullets = 0; // list numbers and bullets are shown
    // Colour-table flag: when clear, the first colour-table entry that gives all three
    // components stands for the text colour (the script's default colour follows the
    // prompter's); when set it keeps its own colour.
    BYTE m_bKeepFirstColor = 0;
    // Colour-index flag: when set, \cfN names entry N of the table (RTF numbering, entry 0
    // being the automatic colour); when clear, entry N - 1.
    BYTE m_bColorIndexFromZero = 1;
};

// Font number -> (family 0..6 for \fnil ... \ftech, character set), and the \deff font.
class SELVATRA_API FontPtrMap
{
public:
    FontPtrMap() = default;
    // Adds or replaces a font; returns false when the map is full and the font is new.
    bool SetAt(int font, int family, int charSet);
    bool Lookup(int font, int& family, int& charSet) const;
    int GetCount() const { return static_cast<int>(m_fonts.size()); }

    int m_nDefaultFont = -1;

    // A table larger than any real document is cut off here.
    enum { kMaxFonts = 32768 };

private:
    std::map<int, std::pair<int, int>> m_fonts;
};

// One colour-table entry; a component the entry does not give is -1.
class SELVATRA_API ClrRefOb : public CObject
{
public:
    ClrRefOb(int red = -1, int green = -1, int blue = -1)
        : m_nRed(red), m_nGreen(green), m_nBlue(blue)
    { }
    // Each component taken as its low byte (so an entry without components is white).
    COLORREF GetColor() const
    {
        return static_cast<COLORREF>((m_nRed & 0xFF) | ((m_nGreen & 0xFF) << 8) |
                                     ((m_nBlue & 0xFF) << 16));
    }
    int m_nRed, m_nGreen, m_nBlue;
};

class SELVATRA_API ClrRefList : public CTypedPtrList<CObList, ClrRefOb*>
{
public:
    // A table larger than any real document is cut off here.
    enum { kMaxColors = 32768 };
};

class SELVATRA_API CPromptTextReader
{
public:
    explicit CPromptTextReader(const PromptReaderSettings& settings = PromptReaderSettings());
    ~CPromptTextReader();
    CPromptTextReader(const CPromptTextReader&) = delete;
    CPromptTextReader& operator=(const CPromptTextReader&) = delete;

    // The entry point: RTF when the text starts with "{\rtf" (any case), plain text
    // otherwise. color is the text colour, paragraphStep the paragraph-number step, flags
    // the script's marker flags and length is copied into every run. The caller owns the
    // list and its runs (never null).
    prmptFormatedPtrList* BuildList(const std::string& text, unsigned long color, int paragraphStep,
                                    PromptType flags, CTimeSpan length);

    FontPtrMap* BuildFontMap(const std::string& text);
    ClrRefList* BuildColorList(const std::string& text, unsigned long color);
    // Entry n - 1 (entry n with m_bColorIndexFromZero); the first entry when there is no
    // such entry, the text colour when the table is empty.
    COLORREF GetRTFColor(const ClrRefList* list, int index) const;
    static void CleanUpcpList(ClrRefList* list);

    prmptFormatedPtrList* BuildFormatList(const std::string& text, const ClrRefList* colors,
                                          unsigned long color, int paragraphStep, PromptType flags,
                                          CTimeSpan length);
    prmptFormatedPtrList* BuildPlainList(const std::string& text, unsigned long color,
                                         int paragraphStep, PromptType flags, CTimeSpan length);

    // Skips the rest of the group the position is in: reads tokens, counting braces, until
    // the depth falls below the depth at entry (or the input ends).
    static void SkipGroup(const char*& pos, const char* end, long& depth);

    // Makes room for needed characters in a run buffer: grows it (zeroing the new part)
    // when fewer than 100 free places would remain, by 1024 characters or, when more are
    // missing, by what is missing plus 1024; a large buffer grows by at least half its
    // size. Returns the capacity.
    static unsigned long CheckFieldLength(wchar_t*& buffer, unsigned long needed,
                                          unsigned long& capacity);

    PromptReaderSettings m_settings;
    FontPtrMap* m_pFontMap; // the font map of the script being read, null otherwise

    // The state of one RTF reading pass (private to the run reader).
    struct ReadState;

private:
    prmptFormatedText* BuildParagraph(ReadState& st);
    void CheckrtfText(ReadState& st);
    int CheckrtfControl(ReadState& st, const CRtfToken& tok);

    COLORREF m_crTextColor; // the text colour of the script being read
};
