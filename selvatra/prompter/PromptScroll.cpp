// Scrolling one step and jumping to a paragraph: the checks at the reading line, the move of
// the frame by whole lines and the copy of the frame to the window.
#include <algorithm>

#include "PromptBaseWnd.h"

void CPromptBaseWnd::SetupScroll(int step, bool reversed, int& cy, bool& atTop, bool& atBottom)
{
    DDTagOffBmpInfo* cur = CurrentOffBmp();
    tagScriptInfo* info = CheckScriptParagraph(cy, step, reversed, cur);
    const int lh = m_nLineHeight;

    // The markers also hold when one step jumped over them (a step can exceed a line).
    tagScriptInfo* marker = nullptr;
    for (POSITION pos = cur->m_lstScript.GetHeadPosition(); pos;) {
        tagScriptInfo* s = cur->m_lstScript.GetNext(pos);
        if (reversed ? (s->m_nFlags & PT_START_MARKER) : (s->m_nFlags & PT_STOP_MARKER)) {
            marker = s;
            break;
        }
    }
    if (reversed && marker && cy <= marker->m_nTop + step && cy + step >= marker->m_nTop) {
        cy = marker->m_nTop;
        atTop = true;
        if (marker != info)
            CheckStartStop(cy, marker, step, reversed);
    }

    if (!reversed && marker) {
        const int lastLine = marker->m_nBottom - lh + 1;
        if (cy >= lastLine - 1 && cy - step < lastLine + lh) {
            cy = lastLine;
            atBottom = true;
            if (marker != info)
                CheckStartStop(cy, marker, step, reversed);
        }
    }
}

void CPromptBaseWnd::ScrollNow(int step, bool reversed, int& cy, bool& atTop, bool& atBottom)
{
    DDTagOffBmpInfo* cur = CurrentOffBmp();
    if (!cur || !cur->m_bValid || !m_hWnd)
        return;
    SetupScroll(step, reversed, cy, atTop, atBottom);

    // Leaving the frame's range: the frame moves on by as many lines as the position has
    // gone past, and the position moves back by as much.
    const int lh = m_nLineHeight;
    const LONG missesBefore = m_nLineMisses;
    for (int guard = 0; guard < 100 && (cy >= m_nLowerLimit || cy < m_nUpperLimit); ++guard) {
        const int dir = cy >= m_nLowerLimit ? 1 : -1;
        int lines = dir > 0 ? (cy - m_nLowerLimit) / lh + 1 : (m_nUpperLimit - cy + lh - 1) / lh;
        lines = std::min(lines, cur->m_nHeight / lh);
        ShiftFrame(dir, lines);
        cy -= dir * lines * lh;
    }
    // A line the line thread had not drawn yet was drawn here: wake it now rather than at
    // the next timer period, as nothing else may wake it (ticks driven without the timer).
    if (m_nLineMisses != missesBefore)
        WakeLineWork();

    int distance = step;
    if (m_nWinType == WINTYPE_WINDOW) {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        const int layoutH = m_nLayoutHeight > 0 ? m_nLayoutHeight : 1;
        m_dScrollRemainder += double(step) * double(client.bottom) / double(layoutH);
        distance = int(m_dScrollRemainder);
        m_dScrollRemainder -= distance;
    }
    if (distance == 0)
        return;
    // Straight to the window through its own DC: no paint cycle, no waiting.
    if (m_hWndDC) {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        DrawFrame(m_hWndDC, 0, client.bottom);
    }
}

void CPromptBaseWnd::PromptParagraph(POSITION pos)
{
    WaitForWorkersIdle();
    if (!pos)
        pos = m_lstParagraphs.GetHeadPosition();
    m_posPrompter = pos;
    // At the top only when nothing of the show lies above (earlier scripts may still load).
    m_bAtTop = pos == m_lstParagraphs.GetHeadPosition() &&
        (!m_posNextBackward || (ParagraphAt(pos)->m_nFlags & PT_START_MARKER));
    m_bAtBottom = FALSE;
    m_posLastExamined = nullptr;
    BuildPrompterBitMapList();
    BuildOffStageBitmap(pos);
    if (m_hWnd) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::UpdateWindow(m_hWnd);
    }
}

// ---- navigation by script and bookmark --------------------------------------------------

void CPromptBaseWnd::NavigateTopOfScript()
{
    m_bAtBottom = FALSE;
    PromptParagraph(FindTopOfScript(m_posPrompter));
}

void CPromptBaseWnd::NavigateBottomOfScript()
{
    PromptParagraph(FindBottomOfScript(m_posPrompter));
}

void CPromptBaseWnd::NavigatePrevScript()
{
    WaitForWorkersIdle();
    POSITION top = FindTopOfScript(m_posPrompter);
    POSITION prev = top;
    if (prev)
        m_lstParagraphs.GetPrev(prev);
    if (!prev && m_posNextBackward && SendPromptScript(false) > 0) {
        prev = top;
        m_lstParagraphs.GetPrev(prev);
    }
    PromptParagraph(prev ? FindTopOfScript(prev) : top);
}

void CPromptBaseWnd::NavigateNextScript()
{
    WaitForWorkersIdle();
    POSITION bottom = FindBottomOfScript(m_posPrompter);
    POSITION next = bottom;
    if (next)
        m_lstParagraphs.GetNext(next);
    // The next script may not be loaded yet: load it now.
    while (!next && m_posNextForward) {
        if (SendPromptScript(true) > 0) {
            next = bottom;
            m_lstParagraphs.GetNext(next);
        }
    }
    PromptParagraph(next ? next : FindTopOfScript(bottom));
}

int CPromptBaseWnd::NavigateNextBkMk()
{
    POSITION pos = FindNextBkMk(m_posPrompter);
    PromptParagraph(pos);
    CPromptParagraph* p = ParagraphAt(pos);
    return p ? p->m_nNumber : 0;
}

int CPromptBaseWnd::NavigatePrevBkMk()
{
    POSITION pos = nullptr;
    // Well into a bookmarked paragraph: back to its start.
    if (CPromptParagraph* here = ParagraphAt(m_posPrompter)) {
        if (here->m_nFlags & PT_BOOKMARK) {
            for (POSITION s = CurrentOffBmp()->m_lstScript.GetHeadPosition(); s;) {
                tagScriptInfo* info = CurrentOffBmp()->m_lstScript.GetNext(s);
                if (info->m_posParagraph == m_posPrompter &&
                    m_nCurrentCy - info->m_nTop >= m_nLineHeight)
                    pos = m_posPrompter;
            }
        }
    }
    if (!pos)
        pos = FindPrevBkMk(m_posPrompter);
    PromptParagraph(pos);
    CPromptParagraph* p = ParagraphAt(pos);
    return p ? p->m_nNumber : 0;
}

void CPromptBaseWnd::NavigateToNumber(int number)
{
    // Searches the current script in the direction of the number; the end of the list when
    // no paragraph of the script has it.
    CPromptParagraph* here = ParagraphAt(m_posPrompter);
    const LONG serial = here ? here->m_lListValue : 0;
    POSITION found = nullptr;
    for (POSITION p = FindTopOfScript(m_posPrompter); p;) {
        POSITION at = p;
        CPromptParagraph* para = m_lstParagraphs.GetNext(p);
        if (para->m_lListValue != serial)
            break;
        if (para->m_nNumber == number) {
            found = at;
            break;
        }
    }
    PromptParagraph(found ? found : m_lstParagraphs.GetTailPosition());
}
