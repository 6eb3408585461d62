// What happens as paragraphs pass the reading line: start and stop markers, breaks, records
// being prompted, captions and slide-show instructions.
#include "PromptBaseWnd.h"

#include <algorithm>
#include <vector>

tagScriptInfo* CPromptBaseWnd::CheckScriptParagraph(int cy, int step, bool reversed,
                                                    DDTagOffBmpInfo* bitmap)
{
    if (!bitmap)
        return nullptr;
    // At a step longer than a short paragraph the reading line can pass a whole paragraph
    // between two ticks: each one it left or crossed since the last tick is examined, in
    // reading order, before the one it is on, so no caption, instruction or break is lost
    // (the one it left was normally examined already and is passed over as done).
    const int from = reversed ? cy + step : cy - step;
    tagScriptInfo* info = nullptr;
    std::vector<tagScriptInfo*> crossed;
    for (POSITION pos = bitmap->m_lstScript.GetHeadPosition(); pos;) {
        tagScriptInfo* s = bitmap->m_lstScript.GetNext(pos);
        if (s->m_nTop <= cy && cy <= s->m_nBottom)
            info = s;
        else if (reversed ? (s->m_nTop > cy && s->m_nTop <= from)
                          : (s->m_nBottom < cy && s->m_nBottom >= from))
            crossed.push_back(s);
    }
    if (reversed)
        std::reverse(crossed.begin(), crossed.end());
    for (tagScriptInfo* s : crossed)
        ExamineAtReadingLine(cy, s, step, reversed);
    if (info)
        ExamineAtReadingLine(cy, info, step, reversed);
    return info;
}

void CPromptBaseWnd::ExamineAtReadingLine(int cy, tagScriptInfo* info, int step, bool reversed)
{
    if (!info->m_posParagraph)
        return; // blank lines carry nothing to act on
    // The paragraph's own flags are the current ones (a copied entry may lag behind).
    if (CPromptParagraph* p = ParagraphAt(info->m_posParagraph))
        info->m_nFlags = p->m_nFlags;

    if (info->m_posParagraph != m_posLastExamined) {
        m_posLastExamined = info->m_posParagraph;
        m_bDoneForwards = m_bDoneBackwards = false;
    }
    bool& done = reversed ? m_bDoneBackwards : m_bDoneForwards;
    if (done)
        return;
    if (CheckTopOfPrompter(cy, info, step, reversed))
        done = true;
}

static void ClearFlag(CPromptBaseWnd* wnd, tagScriptInfo* info, int flag)
{
    info->m_nFlags &= ~flag;
    if (CPromptParagraph* p = wnd->ParagraphAt(info->m_posParagraph))
        p->m_nFlags &= ~flag;
}

bool CPromptBaseWnd::CheckTopOfPrompter(int cy, tagScriptInfo* info, int step, bool reversed)
{
    m_posPrompter = info->m_posParagraph;
    bool result = false;
    CheckStartStop(cy, info, step, reversed);
    if (!reversed && (info->m_nFlags & PT_CAPTION_DUE))
        result = DoTopOfPrompterCaptioning(info);
    if (info->m_nFlags & PT_INSTRUCTION)
        result = DoTopOfPrompterInstruction(info, reversed);
    if (info->m_nFlags & PT_SCRIPT)
        DoTopOfPrompterScript(info, reversed);
    else if ((info->m_nFlags & PT_BREAK) && info->m_posParagraph != m_posLastAnnounced)
        return DoTopOfPrompterBreak(info, reversed);
    return result;
}

// Waits on the user-interface thread while still serving messages sent to it.
static void PauseServingSentMessages(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_SENDMESSAGE) ==
            WAIT_OBJECT_0) {
            MSG msg;
            PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

void CPromptBaseWnd::CheckStartStop(int cy, tagScriptInfo* info, int step, bool reversed)
{
    const int lh = m_nLineHeight;
    if (!reversed && (info->m_nFlags & PT_STOP_MARKER) && cy >= info->m_nBottom - lh &&
        cy <= info->m_nBottom) {
        StartStop(true);
        if (m_nAutoStartMode == 2 || m_bCloseAtStop) {
            PauseServingSentMessages(2500);
            if (m_hWnd)
                ::PostMessage(m_hWnd, WM_CLOSE, 0, 0);
        }
    } else if (reversed && (info->m_nFlags & PT_START_MARKER) && cy >= info->m_nTop &&
               cy <= info->m_nTop + step) {
        StartStop(true);
        m_bReversed = FALSE; // a reverse latched with Alt is released
    }
}

void CPromptBaseWnd::DoTopOfPrompterScript(tagScriptInfo* info, bool)
{
    m_posLastAnnounced = info->m_posParagraph;
    if (m_bTrackParagraph) {
        m_nTopParagraph = info->m_nNumber / 100;
        SetPromptingRecord(info->m_lRecordId);
        ClearFlag(this, info, PT_NOT_ANNOUNCED);
    } else if (info->m_nFlags & PT_NOT_ANNOUNCED) {
        SetPromptingRecord(info->m_lRecordId);
        ClearFlag(this, info, PT_NOT_ANNOUNCED);
    }
}

bool CPromptBaseWnd::DoTopOfPrompterBreak(tagScriptInfo* info, bool reversed)
{
    m_posLastAnnounced = info->m_posParagraph;
    SetPromptingRecord(info->m_lRecordId);
    if (!reversed) {
        ClearFlag(this, info, PT_NOT_ANNOUNCED);
        CheckBreak(info->m_posParagraph);
    }
    return (info->m_nFlags & (PT_START_MARKER | PT_STOP_MARKER)) == 0;
}

void CPromptBaseWnd::CheckBreak(POSITION paragraph)
{
    m_posLastAnnounced = m_posPrompter;
    CPromptParagraph* p = ParagraphAt(paragraph);
    if (!p)
        return;
    // A break without a length (zero, or none given) lets the display run on.
    const CTimeSpan length = p->m_tsLength;
    if (length.GetTotalSeconds() > 0) {
        StartStop(true);
        StartClock(length, false);
    }
}

bool CPromptBaseWnd::DoTopOfPrompterInstruction(tagScriptInfo* info, bool reversed)
{
    if (m_bTrackParagraph || (info->m_nFlags & PT_NOT_ANNOUNCED)) {
        SetPromptingRecord(info->m_lRecordId);
        ClearFlag(this, info, PT_NOT_ANNOUNCED);
    }
    CheckInstruction(info->m_posParagraph, reversed);
    return true;
}

void CPromptBaseWnd::CheckInstruction(POSITION paragraph, bool reversed)
{
    if (!m_bPowerPointOn)
        return;
    CPromptParagraph* p = ParagraphAt(paragraph);
    if (!p)
        return;
    int code = p->m_nInstrCode;
    if (reversed) {
        // Going back over a slide change undoes it.
        if (code & 16)
            code = (code & ~16) | 4;
        else if (code == 4)
            code = 16;
    }
    QueueInstruction(code, p->m_strInstruction);
}

bool CPromptBaseWnd::DoTopOfPrompterCaptioning(tagScriptInfo* info)
{
    CPromptParagraph* p = ParagraphAt(info->m_posParagraph);
    if (p && info->m_posParagraph != m_posLastCaptioned) {
        m_posLastCaptioned = info->m_posParagraph;
        QueueCaption(p);
    }
    ClearFlag(this, info, PT_CAPTION_DUE);
    return info->m_nFlags == 0;
}
