#include "PromptLayout.h"

#include <string>
#include <vector>

#include "PromptModel.h"

namespace {

bool IsTrimBlank(wchar_t c) { return c == 9 || c == 32 || c == 16; }

std::wstring RunTextOf(const prmptFormatedText* run)
{
    const wchar_t* text = run->GetText();
    return text ? std::wstring(text, size_t(run->GetTextLength())) : std::wstring();
}

void SetRunText(prmptFormatedText* run, const wchar_t* text, int length)
{
    run->CopyText(text, length);
}

int RunType(const prmptFormatedText* run) { return int(run->m_eStringType); }
int RunWidth(const prmptFormatedText* run) { return run->m_nWidth; }

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

// A memory DC compatible with the prompter's, in text mapping mode. Creation can fail
// transiently under GDI pressure, so it is tried a few times; it never spins forever.
class LayoutDC
{
public:
    explicit LayoutDC(HDC ref)
    {
        for (int attempt = 0; attempt < 20 && !m_hdc; ++attempt) {
            m_hdc = CreateCompatibleDC(ref);
            if (!m_hdc)
                Sleep(1);
        }
        if (m_hdc)
            SetMapMode(m_hdc, MM_TEXT);
    }
    ~LayoutDC()
    {
        if (m_hdc)
            DeleteDC(m_hdc);
    }
    HDC get() const { return m_hdc; }

private:
    HDC m_hdc = nullptr;
};

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

// Breaks one paragraph's runs into lines.
class LineBreaker
{
public:
    LineBreaker(const PromptLayoutSettings& s, HDC hdc, prmptFormatedPtrList& runs)
        : m_s(s), m_hdc(hdc), m_runs(runs)
    {
        m_avail = s.nTextWidth - 6;
        if (m_avail < 1)
            m_avail = 1;
    }

    ~LineBreaker() { ReleaseFont(); }

    int Run(prmptCBitmap& bitmap)
    {
        m_pos = m_runs.GetHeadPosition();
        if (!m_pos)
            return 0;
        if (!TakeNextRun())
            return 0;
        int lines = 0;
        for (;;) {
            std::vector<prmptFormatedText*> pieces;
            FillLine(pieces);
            if (!pieces.empty()) {
                if (m_s.bCenterText)
                    TrimTrailing(pieces.back());
                tagFormatedLine* line = new tagFormatedLine;
                int width = 0;
                for (prmptFormatedText* p : pieces) {
                    line->m_lstText.AddTail(p);
                    width += RunWidth(p);
                }
                line->m_nWidth = width;
                bitmap.m_lstLines.AddTail(line);
                bitmap.m_nHeight += m_s.nLineHeight;
                ++lines;
            }
            if (RunUsedUp()) {
                if (!TakeNextRun())
                    break;
            } else if (pieces.empty()) {
                break; // cannot happen: a line always takes at least one character
            }
        }
        return lines;
    }

private:
    bool RunUsedUp() const { return m_start >= m_text.size(); }

    int Measure(size_t from, size_t to) const
    {
        if (to <= from)
            return 0;
        return MeasureText(m_hdc, m_text.data() + from, int(to - from), m_type).cx;
    }

    // The longest end in [from, max] whose stretch fits the limit (at least from).
    size_t FitPrefix(size_t from, size_t max, int limit, int* width) const
    {
        int w = Measure(from, max);
        if (w <= limit) {
            *width = w;
            return max;
        }
        size_t lo = from, hi = max; // invariant: lo fits, hi does not
        while (hi - lo > 1) {
            size_t mid = lo + (hi - lo) / 2;
            if (Measure(from, mid) <= limit)
                lo = mid;
            else
                hi = mid;
        }
        *width = Measure(from, lo);
        return lo;
    }

    size_t FitBlanks(size_t from, int* width) const
    {
        size_t e = from;
        while (e < m_text.size() && m_text[e] < 33)
            ++e;
        return FitPrefix(from, e, m_avail, width);
    }

    size_t FitWord(size_t from, int* width) const
    {
        size_t e = from;
        while (e < m_text.size() && m_text[e] >= 33)
            ++e;
        return FitPrefix(from, e, m_avail, width);
    }

    void FillLine(std::vector<prmptFormatedText*>& pieces)
    {
        int freeWidth = m_avail;
        while (freeWidth >= 1) {
            if (RunUsedUp()) {
                if (!TakeNextRun())
                    return;
                continue;
            }
            int rest = Measure(m_start, m_text.size());
            if (rest > freeWidth) {
                size_t cut = FindCut(freeWidth, pieces.empty());
                if (cut > m_start) {
                    pieces.push_back(MakePiece(m_start, cut));
                    m_start = cut;
                    while (m_start < m_text.size() && m_text[m_start] < 33)
                        ++m_start;
                }
                return; // the run goes on on the next line
            }
            prmptFormatedText* piece = MakePiece(m_start, m_text.size());
            if (pieces.empty() && m_s.bCenterText)
                TrimLeading(piece);
            pieces.push_back(piece);
            freeWidth -= RunWidth(piece);
            m_start = m_text.size();
        }
    }

    // Where to cut the rest of the current run so that it fits freeWidth: stretches of blanks
    // and words are taken while they fit. On an empty line at least one character is taken, so
    // no width or glyph can make the breaker loop.
    size_t FindCut(int freeWidth, bool lineEmpty) const
    {
        size_t p = m_start, cut = m_start;
        int f = freeWidth;
        while (p < m_text.size()) {
            int w = 0;
            size_t e = FitBlanks(p, &w);
            f -= w;
            if (f < 0)
                break;
            size_t before = p;
            p = e;
            cut = p;
            e = FitWord(p, &w);
            f -= w;
            if (f < 0)
                break;
            p = e;
            cut = p;
            if (p == before)
                break; // nothing more fits (a character wider than the line)
        }
        if (cut == m_start && lineEmpty) {
            int w = 0;
            cut = FitPrefix(m_start, m_text.size(), freeWidth, &w);
            if (cut == m_start)
                cut = m_start + 1;
        }
        return cut;
    }

    prmptFormatedText* MakePiece(size_t from, size_t to)
    {
        prmptFormatedText* piece = CopyRunFormat(m_run);
        SetRunText(piece, m_text.data() + from, int(to - from));
        piece->m_nCharSet = m_charSet;
        piece->m_eStringType = (eStringType)m_type;
        piece->m_nOrder = m_run->m_nOrder + m_counter++;
        piece->m_nWidth = Measure(from, to);
        return piece;
    }

    void TrimLeading(prmptFormatedText* piece)
    {
        std::wstring t = RunTextOf(piece);
        size_t i = 0;
        while (i < t.size() && IsTrimBlank(t[i]))
            ++i;
        if (i == 0)
            return;
        t.erase(0, i);
        SetRunText(piece, t.data(), int(t.size()));
        piece->m_nWidth = t.empty() ? 0 : MeasureText(m_hdc, t.data(), int(t.size()), m_type).cx;
    }

    void TrimTrailing(prmptFormatedText* piece)
    {
        std::wstring t = RunTextOf(piece);
        size_t n = t.size();
        while (n > 0 && IsTrimBlank(t[n - 1]))
            --n;
        if (n == t.size())
            return;
        t.resize(n);
        HFONT created = nullptr;
        HFONT old = SelectRunFont(m_s, m_hdc, piece, &created);
        SetRunText(piece, t.data(), int(t.size()));
        piece->m_nWidth =
            t.empty() ? 0 : MeasureText(m_hdc, t.data(), int(t.size()), RunType(piece)).cx;
        SelectObject(m_hdc, old);
        if (created)
            DeleteObject(created);
    }

    bool TakeNextRun()
    {
        while (m_pos) {
            m_run = m_runs.GetNext(m_pos);
            if (!m_run)
                continue;
            m_text = RunTextOf(m_run);
            m_start = 0;
            m_charSet = m_run->m_nCharSet;
            m_type = RunType(m_run);
            m_counter = 0;
            ReleaseFont();
            m_oldFont = SelectRunFont(m_s, m_hdc, m_run, &m_font);
            return true;
        }
        return false;
    }

    void ReleaseFont()
    {
        if (m_font) {
            SelectObject(m_hdc, m_oldFont);
            DeleteObject(m_font);
            m_font = nullptr;
        }
    }

    const PromptLayoutSettings& m_s;
    HDC m_hdc;
    prmptFormatedPtrList& m_runs;
    POSITION m_pos = nullptr;
    prmptFormatedText* m_run = nullptr;
    std::wstring m_text;
    size_t m_start = 0;
    int m_charSet = -1;
    int m_type = 0;
    int m_counter = 0;
    int m_avail = 1;
    HFONT m_font = nullptr;
    HFONT m_oldFont = nullptr;
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
    LayoutDC dc(settings.hdcRef);
    if (!dc.get())
        return 0;
    LineBreaker breaker(settings, dc.get(), runs);
    return breaker.Run(bitmap);
}

int DrawRun(const PromptLayoutSettings& settings, HDC hdc, prmptFormatedText* piece, int x, int y)
{
    HFONT created = nullptr;
    HFONT old = SelectRunFont(settings, hdc, piece, &created);
    SetTextColor(hdc, piece->m_crColor);

    int xDraw = x;
    if (piece->m_bRtlPara) {
        SetTextAlign(hdc, TA_RIGHT | TA_TOP | TA_NOUPDATECP);
        xDraw = settings.nTextWidth - x;
    } else {
        SetTextAlign(hdc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    }

    // Right-to-left characters are reversed in a copy: the run itself is drawn again later.
    std::wstring text = RunTextOf(piece);
    const int type = RunType(piece);
    if (piece->m_bRtlChar && type != -1)
        text.assign(text.rbegin(), text.rend());

    SIZE size = {0, 0};
    if (type == -1) {
        TextOutW(hdc, xDraw, y, text.data(), int(text.size()));
        GetTextExtentPoint32W(hdc, text.data(), int(text.size()), &size);
    } else {
        std::string bytes = ToAnsi(text.data(), int(text.size()), true);
        TextOutA(hdc, xDraw, y, bytes.data(), int(bytes.size()));
        GetTextExtentPoint32A(hdc, bytes.data(), int(bytes.size()), &size);
    }

    SelectObject(hdc, old);
    if (created)
        DeleteObject(created);
    return x + size.cx;
}

int DrawLine(const PromptLayoutSettings& settings, HDC hdc, tagFormatedLine* line, int y)
{
    int x = 3;
    if (settings.bCenterText) {
        x = (settings.nTextWidth - line->m_nWidth - 6) / 2;
        if (x < 3)
            x = 3;
    }
    const COLORREF oldBack = SetBkColor(hdc, settings.crBack);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const UINT oldAlign = GetTextAlign(hdc);
    const COLORREF oldText = GetTextColor(hdc);
    POSITION pos = line->m_lstText.GetHeadPosition();
    while (pos) {
        prmptFormatedText* piece = line->m_lstText.GetNext(pos);
        if (piece)
            x = DrawRun(settings, hdc, piece, x, y);
    }
    SetTextColor(hdc, oldText);
    SetTextAlign(hdc, oldAlign);
    SetBkMode(hdc, oldMode);
    SetBkColor(hdc, oldBack);
    return x;
}
