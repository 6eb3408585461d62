#include "PromptLayout.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "PromptModel.h"
#include "fw/gdi_guard.h"

namespace {

bool IsTrimBlank(wchar_t c) { return c == 9 || c == 32 || c == 16; }

std::wstring RunTextOf(const prmptFormatedText* run)
{
    const wchar_t* text = run->GetText();
    return text ? std::wstring(text, size_t(run->GetTextLength())) : std::wstring();
}

int RunType(const prmptFormatedText* run) { return int(run->m_eStringType); }

// A piece keeps its source run's colour, style, paragraph number and directions; marker
// flags, field, instruction and length stay at their defaults.
prmptFormatedText* CopyRunFormat(const prmptFormatedText* src)
{
    prmptFormatedText* piece = new prmptFormatedText;
    piece->m_crColor = src->m_crColor;
    piece->m_nStyle = src->m_nStyle;
    piece->m_nParagraph = src->m_nParagraph;
    piece->m_bRtlChar = src->m_bRtlChar;
    piece->m_bRtlPara = src->m_bRtlPara;
    return piece;
}

std::string ToAnsi(const wchar_t* text, int length, bool dropUnconvertible)
{
    std::string out;
    if (length <= 0)
        return out;
    if (!dropUnconvertible) {
        int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
        out.resize(n > 0 ? n : 0);
        if (n > 0)
            WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], n, nullptr, nullptr);
        return out;
    }
    // Character by character, leaving out what the code page cannot show.
    for (int i = 0; i < length; ++i) {
        char buf[8];
        BOOL usedDefault = FALSE;
        int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text + i, 1, buf, sizeof(buf),
                                    nullptr, &usedDefault);
        if (n > 0 && !usedDefault)
            out.append(buf, n);
    }
    return out;
}

// The run's font: the base font with the run's character set and style bits.
LOGFONTA RunLogFont(const PromptLayoutSettings& settings, const prmptFormatedText* run)
{
    LOGFONTA lf = settings.lfBase;
    if (run) {
        if (run->m_nCharSet >= 0 && run->m_nCharSet <= 255)
            lf.lfCharSet = BYTE(run->m_nCharSet);
        int style = int(run->m_nStyle);
        if (style & 1)
            lf.lfWeight = FW_BOLD;
        if (style & 2)
            lf.lfItalic = TRUE;
        if (style & 4)
            lf.lfStrikeOut = TRUE;
        if (style & 8)
            lf.lfUnderline = TRUE;
    }
    return lf;
}

// prefix[i]: the width of the first i characters of text, measured as the text is drawn
// (code-page runs in the ANSI code page).
std::vector<int> PrefixWidths(HDC hdc, const std::wstring& text, int type)
{
    std::vector<int> prefix(text.size() + 1, 0);
    if (text.empty())
        return prefix;
    SIZE size = {0, 0};
    if (type == 1) {
        std::string bytes;
        std::vector<size_t> ends(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            char buf[8];
            int n = WideCharToMultiByte(CP_ACP, 0, &text[i], 1, buf, sizeof(buf), nullptr, nullptr);
            if (n > 0)
                bytes.append(buf, size_t(n));
            ends[i] = bytes.size();
        }
        if (bytes.empty())
            return prefix;
        std::vector<int> dx(bytes.size());
        GetTextExtentExPointA(hdc, bytes.data(), int(bytes.size()), 0, nullptr, dx.data(), &size);
        for (size_t i = 0; i < text.size(); ++i)
            prefix[i + 1] = ends[i] ? dx[ends[i] - 1] : 0;
    } else {
        std::vector<int> dx(text.size());
        GetTextExtentExPointW(hdc, text.data(), int(text.size()), 0, nullptr, dx.data(), &size);
        for (size_t i = 0; i < text.size(); ++i)
            prefix[i + 1] = dx[i];
    }
    return prefix;
}

// Breaks one paragraph's runs into lines. The runs are read as one text: a word is the
// letters between blanks whatever runs they come from, so a change of format or of string
// type inside a word never breaks it. Lines break at blanks (the blanks at a break are
// dropped); a word is cut between characters only when it alone is wider than a line. A
// paragraph whose runs hold no text is one blank line.
class LineBreaker
{
public:
    LineBreaker(const PromptLayoutSettings& s, HDC hdc) : m_s(s), m_hdc(hdc)
    {
        m_avail = s.nTextWidth - 6;
        if (m_avail < 1)
            m_avail = 1;
    }

    ~LineBreaker()
    {
        SelectObject(m_hdc, m_oldFont);
        for (auto& f : m_fonts)
            DeleteObject(f.second);
    }

    int Run(prmptFormatedPtrList& runs, prmptCBitmap& bitmap)
    {
        for (POSITION pos = runs.GetHeadPosition(); pos;) {
            prmptFormatedText* run = runs.GetNext(pos);
            if (run)
                AddSegment(run);
        }
        if (m_segs.empty())
            return 0;
        int lines = 0;
        if (m_total == 0) {
            // A blank paragraph: one line holding an empty piece of its first run.
            std::vector<prmptFormatedText*> pieces {MakePiece(m_segs.front(), 0, 0)};
            AddLine(pieces, bitmap);
            return 1;
        }
        size_t g = 0;
        while (g < m_total) {
            size_t end = FitLine(g);
            size_t a = g, b = end;
            if (m_s.bCenterText) {
                while (a < b && IsTrimBlank(At(a)))
                    ++a;
                while (b > a && IsTrimBlank(At(b - 1)))
                    --b;
            }
            AddLine(MakePieces(a, b), bitmap);
            ++lines;
            g = end;
            while (g < m_total && At(g) < 33) // blanks at a break are dropped
                ++g;
        }
        return lines;
    }

private:
    struct Segment
    {
        prmptFormatedText* run;
        std::wstring text;
        size_t start; // offset of the run's first character in the paragraph
        HFONT font;
        std::vector<int> cum; // cum[i]: width of the run's first i characters
        int counter = 0; // pieces cut from the run so far
    };

    HFONT FontFor(const prmptFormatedText* run)
    {
        const int key = ((run->m_nCharSet & 0x1FF) << 4) | (run->m_nStyle & 0xF);
        auto it = m_fonts.find(key);
        if (it != m_fonts.end())
            return it->second;
        LOGFONTA lf = RunLogFont(m_s, run);
        HFONT font = CreateFontIndirectA(&lf);
        m_fonts[key] = font;
        return font;
    }

    void Select(HFONT font)
    {
        HGDIOBJ old = SelectObject(m_hdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        if (!m_oldFont)
            m_oldFont = old;
    }

    void AddSegment(prmptFormatedText* run)
    {
        Segment s;
        s.run = run;
        s.text = RunTextOf(run);
        s.start = m_total;
        s.font = FontFor(run);
        Select(s.font);
        s.cum = PrefixWidths(m_hdc, s.text, RunType(run));
        m_total += s.text.size();
        m_segs.push_back(std::move(s));
    }

    size_t SegIndex(size_t g) const
    {
        size_t lo = 0, hi = m_segs.size();
        while (hi - lo > 1) {
            size_t mid = (lo + hi) / 2;
            if (m_segs[mid].start <= g)
                lo = mid;
            else
                hi = mid;
        }
        // Skip empty runs that start where the character lies.
        while (lo + 1 < m_segs.size() && m_segs[lo].start + m_segs[lo].text.size() <= g)
            ++lo;
        return lo;
    }

    wchar_t At(size_t g) const
    {
        const Segment& s = m_segs[SegIndex(g)];
        return s.text[g - s.start];
    }

    // Width of the characters [a, b) of the paragraph, each run measured in its font.
    int Width(size_t a, size_t b) const
    {
        if (b <= a)
            return 0;
        int w = 0;
        for (size_t i = SegIndex(a); i < m_segs.size(); ++i) {
            const Segment& s = m_segs[i];
            if (s.start >= b)
                break;
            size_t lo = a > s.start ? a - s.start : 0;
            size_t hi = std::min(b - s.start, s.text.size());
            if (hi > lo)
                w += s.cum[hi] - s.cum[lo];
        }
        return w;
    }

    // The end of the line that starts at g: whole blanks-and-word stretches while they fit;
    // on an empty line, what fits of the first stretch, at least one character.
    size_t FitLine(size_t g) const
    {
        size_t p = g;
        int used = 0;
        while (p < m_total) {
            size_t b = p;
            while (b < m_total && At(b) < 33)
                ++b;
            size_t e = b;
            while (e < m_total && At(e) >= 33)
                ++e;
            const int stretch = Width(p, e);
            if (used + stretch <= m_avail) {
                used += stretch;
                p = e;
                continue;
            }
            if (p > g)
                return p; // the line holds words already: break before this one
            // The first stretch alone is wider than a line: cut it between characters.
            size_t lo = g, hi = e; // lo fits, hi does not
            while (hi - lo > 1) {
                size_t mid = lo + (hi - lo) / 2;
                if (Width(g, mid) <= m_avail)
                    lo = mid;
                else
                    hi = mid;
            }
            return lo > g ? lo : g + 1;
        }
        return m_total;
    }

    std::vector<prmptFormatedText*> MakePieces(size_t a, size_t b)
    {
        std::vector<prmptFormatedText*> pieces;
        if (a >= b) {
            pieces.push_back(MakePiece(m_segs[SegIndex(a < m_total ? a : m_total - 1)], 0, 0));
            return pieces;
        }
        for (size_t i = SegIndex(a); i < m_segs.size(); ++i) {
            Segment& s = m_segs[i];
            if (s.start >= b)
                break;
            size_t lo = a > s.start ? a - s.start : 0;
            size_t hi = std::min(b - s.start, s.text.size());
            if (hi > lo)
                pieces.push_back(MakePiece(s, lo, hi));
        }
        return pieces;
    }

    prmptFormatedText* MakePiece(Segment& s, size_t from, size_t to)
    {
        prmptFormatedText* piece = CopyRunFormat(s.run);
        piece->CopyText(s.text.data() + from, int(to - from));
        piece->m_nCharSet = s.run->m_nCharSet;
        piece->m_eStringType = s.run->m_eStringType;
        piece->m_nOrder = s.run->m_nOrder + s.counter++;
        Select(s.font);
        piece->m_nWidth = to > from
            ? MeasureText(m_hdc, s.text.data() + from, int(to - from), RunType(s.run)).cx
            : 0;
        return piece;
    }

    void AddLine(const std::vector<prmptFormatedText*>& pieces, prmptCBitmap& bitmap)
    {
        tagFormatedLine* line = new tagFormatedLine;
        int width = 0;
        for (prmptFormatedText* p : pieces) {
            line->m_lstText.AddTail(p);
            width += p->m_nWidth;
        }
        line->m_nWidth = width;
        bitmap.m_lstLines.AddTail(line);
        bitmap.m_nHeight += m_s.nLineHeight;
    }

    const PromptLayoutSettings& m_s;
    HDC m_hdc;
    int m_avail = 1;
    std::vector<Segment> m_segs;
    size_t m_total = 0;
    std::map<int, HFONT> m_fonts;
    HGDIOBJ m_oldFont = nullptr;
};

} // namespace

SIZE MeasureText(HDC hdc, const wchar_t* text, int length, int stringType)
{
    SIZE size = {0, 0};
    if (!text || length <= 0)
        return size;
    if (stringType == 1) {
        std::string ansi = ToAnsi(text, length, false);
        GetTextExtentPoint32A(hdc, ansi.data(), int(ansi.size()), &size);
    } else {
        GetTextExtentPoint32W(hdc, text, length, &size);
    }
    return size;
}

HFONT SelectRunFont(const PromptLayoutSettings& settings, HDC hdc, const prmptFormatedText* run,
                    HFONT* created)
{
    LOGFONTA lf = RunLogFont(settings, run);
    HFONT font = CreateFontIndirectA(&lf);
    *created = font;
    if (!font)
        return (HFONT)GetCurrentObject(hdc, OBJ_FONT);
    return (HFONT)SelectObject(hdc, font);
}

int FormatLines(const PromptLayoutSettings& settings, prmptFormatedPtrList& runs,
                prmptCBitmap& bitmap)
{
    if (runs.IsEmpty())
        return 0;
    // A memory DC compatible with the prompter's, in text mapping mode.
    CGdiMemoryDC dc(settings.hdcRef);
    if (!dc.Get())
        return 0;
    SetMapMode(dc.Get(), MM_TEXT);
    LineBreaker breaker(settings, dc.Get());
    return breaker.Run(runs, bitmap);
}

int DrawRun(const PromptLayoutSettings& settings, HDC hdc, prmptFormatedText* piece, int x, int y)
{
    HFONT created = nullptr;
    HFONT old = SelectRunFont(settings, hdc, piece, &created);
    SetTextColor(hdc, piece->m_crColor);
    // The system's bidirectional support orders the characters inside the piece; a
    // right-to-left piece reads from the right, its digits and Latin words still left to right.
    SetTextAlign(hdc, TA_LEFT | TA_TOP | TA_NOUPDATECP | (piece->m_bRtlChar ? TA_RTLREADING : 0));

    std::wstring text = RunTextOf(piece);
    SIZE size = {0, 0};
    if (RunType(piece) == -1) {
        TextOutW(hdc, x, y, text.data(), int(text.size()));
        GetTextExtentPoint32W(hdc, text.data(), int(text.size()), &size);
    } else {
        std::string bytes = ToAnsi(text.data(), int(text.size()), true);
        TextOutA(hdc, x, y, bytes.data(), int(bytes.size()));
        GetTextExtentPoint32A(hdc, bytes.data(), int(bytes.size()), &size);
    }

    SelectObject(hdc, old);
    if (created)
        DeleteObject(created);
    return x + size.cx;
}

std::vector<PlacedPiece> ArrangeLine(const PromptLayoutSettings& settings, tagFormatedLine* line)
{
    std::vector<prmptFormatedText*> pieces;
    for (POSITION pos = line->m_lstText.GetHeadPosition(); pos;)
        if (prmptFormatedText* piece = line->m_lstText.GetNext(pos))
            pieces.push_back(piece);
    const bool rtlParagraph = !pieces.empty() && pieces.front()->m_bRtlPara;

    // Embedding levels as the bidirectional algorithm gives them to whole pieces: the
    // paragraph's level, right-to-left pieces odd, left-to-right pieces even above it. Then
    // every stretch at or above each level, from the highest down, is reversed.
    std::vector<int> levels;
    int highest = 0;
    for (prmptFormatedText* piece : pieces) {
        int level = piece->m_bRtlChar ? 1 : rtlParagraph ? 2 : 0;
        levels.push_back(level);
        highest = std::max(highest, level);
    }
    std::vector<size_t> order(pieces.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    for (int level = highest; level >= 1; --level) {
        for (size_t i = 0; i < order.size();) {
            if (levels[order[i]] < level) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < order.size() && levels[order[j]] >= level)
                ++j;
            std::reverse(order.begin() + i, order.begin() + j);
            i = j;
        }
    }

    int width = 0;
    for (prmptFormatedText* piece : pieces)
        width += piece->m_nWidth;
    int x = 3;
    if (settings.bCenterText)
        x = std::max(3, (settings.nTextWidth - line->m_nWidth - 6) / 2);
    else if (rtlParagraph)
        x = std::max(3, settings.nTextWidth - 3 - width);
    std::vector<PlacedPiece> placed;
    for (size_t i : order) {
        placed.push_back({pieces[i], x});
        x += pieces[i]->m_nWidth;
    }
    return placed;
}

int DrawLine(const PromptLayoutSettings& settings, HDC hdc, tagFormatedLine* line, int y)
{
    const COLORREF oldBack = SetBkColor(hdc, settings.crBack);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const UINT oldAlign = GetTextAlign(hdc);
    const COLORREF oldText = GetTextColor(hdc);
    int x = settings.bCenterText ? std::max(3, (settings.nTextWidth - line->m_nWidth - 6) / 2) : 3;
    for (const PlacedPiece& p : ArrangeLine(settings, line))
        x = DrawRun(settings, hdc, p.piece, p.x, y);
    SetTextColor(hdc, oldText);
    SetTextAlign(hdc, oldAlign);
    SetBkMode(hdc, oldMode);
    SetBkColor(hdc, oldBack);
    return x;
}
