// The record list and the script paragraph list: records from the host become scripts
// (with optional headers, break banners and the end-of-show marker), scripts become laid-out
// paragraphs, and the list is kept a screen or so ahead of the reading position.
#include <windows.h>

#include "PromptBaseWnd.h"
#include "PromptLists.h"
#include "PromptTextReader.h"

namespace {

// Slugs come from the host as ANSI text; the plain-text reader takes UTF-8.
std::string AnsiToUtf8(const char* text)
{
    std::string out;
    if (!text || !*text)
        return out;
    int wide = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (wide <= 0)
        return out;
    std::wstring w(size_t(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &w[0], wide);
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return out;
    out.resize(size_t(n));
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, &out[0], n, nullptr, nullptr);
    out.resize(size_t(n - 1));
    return out;
}

using ParagraphList = CTypedPtrList<CObList, CPromptParagraph*>;

// The paragraph at p, moving p one step forward or back.
CPromptParagraph* Step(ParagraphList& list, POSITION& p, bool forward)
{
    return forward ? list.GetNext(p) : list.GetPrev(p);
}

// The farthest paragraph from pos, going forward or back, that belongs to pos's script.
POSITION LastOfScript(ParagraphList& list, POSITION pos, bool forward)
{
    const LONG serial = list.GetAt(pos)->m_lListValue;
    POSITION last = pos;
    for (POSITION p = pos; p;) {
        POSITION here = p;
        if (Step(list, p, forward)->m_lListValue != serial)
            break;
        last = here;
    }
    return last;
}

// The nearest bookmarked paragraph past pos, going forward or back; null when there is none.
POSITION NearestBookmark(ParagraphList& list, POSITION pos, bool forward)
{
    POSITION p = pos;
    if (p)
        Step(list, p, forward);
    while (p) {
        POSITION here = p;
        if (Step(list, p, forward)->m_nFlags & PT_BOOKMARK)
            return here;
    }
    return nullptr;
}

bool IsBlank(const CString& s)
{
    for (int i = 0; i < s.GetLength(); ++i)
        if (s[i] != ' ' && s[i] != '\t')
            return false;
    return true;
}

std::string SpanText(CTimeSpan span)
{
    LONGLONG s = span.GetTotalSeconds();
    if (s < 0)
        s = 0;
    char buf[32];
    snprintf(buf, sizeof(buf), "%02lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
    return buf;
}

LONG g_nextScriptSerial = 1;

} // namespace

// ---- record list --------------------------------------------------------------------------

int CPromptBaseWnd::BuildPrmptRecordList(int row, CTypedPtrList<CObList, prmptRecord*>* list)
{
    if (!list)
        list = m_pRecordList;
    if (!list)
        return row;
    while (!list->IsEmpty())
        delete list->RemoveHead();
    if (m_pfnResetRecords)
        m_pfnResetRecords(m_pCallbackOwner);
    if (m_pfnNextRecord) {
        while (prmptRecord* record = m_pfnNextRecord(m_pCallbackOwner))
            list->AddTail(record);
    }
    if (list->IsEmpty())
        return row;
    const int last = list->GetTail()->m_lRecordNo;
    return row > last ? last : row;
}

POSITION CPromptBaseWnd::GetPromptRecordPosition(int number)
{
    if (!m_pRecordList)
        return nullptr;
    POSITION atLeast = nullptr;
    for (POSITION pos = m_pRecordList->GetHeadPosition(); pos;) {
        POSITION here = pos;
        prmptRecord* record = m_pRecordList->GetNext(pos);
        if (record->m_lRecordNo == number)
            return here;
        if (!atLeast && record->m_lRecordNo >= number)
            atLeast = here;
    }
    return atLeast ? atLeast : m_pRecordList->GetTailPosition();
}

prmptRecord* CPromptBaseWnd::FindPrmptRecord(long id)
{
    if (!m_pRecordList)
        return nullptr;
    for (POSITION pos = m_pRecordList->GetHeadPosition(); pos;) {
        prmptRecord* record = m_pRecordList->GetNext(pos);
        if (record->m_lRecordId == id)
            return record;
    }
    return nullptr;
}

void CPromptBaseWnd::SetPromptingRecord(long id)
{
    if (!m_pRecordList)
        return;
    for (POSITION pos = m_pRecordList->GetHeadPosition(); pos;) {
        prmptRecord* record = m_pRecordList->GetNext(pos);
        record->m_bPrompting = record->m_lRecordId == id;
    }
}

prmptRecord* CPromptBaseWnd::GetPromptingRecord()
{
    if (!m_pRecordList)
        return nullptr;
    for (POSITION pos = m_pRecordList->GetHeadPosition(); pos;) {
        prmptRecord* record = m_pRecordList->GetNext(pos);
        if (record->m_bPrompting)
            return record;
    }
    return nullptr;
}

// ---- start ----------------------------------------------------------------------------

long CPromptBaseWnd::SetupInitialScript(int record, int)
{
    DeleteParagraphs();
    prmptRecord* rec = m_pfnGetRecord ? m_pfnGetRecord(m_pCallbackOwner, record) : nullptr;
    // A missing record still shows the end-of-show line, so the display has a stop.
    prmptRecord fallback;
    const prmptRecord& base = rec ? *rec : fallback;
    if (rec)
        PromptScript(rec, true, PT_START_MARKER);
    if (!m_bPromptContinuous)
        PromptEndOfShow(const_cast<prmptRecord*>(&base), true);
    const long id = base.m_lRecordId;
    delete rec;
    return id;
}

long CPromptBaseWnd::SetupInitialScripts(int row)
{
    DeleteParagraphs();
    m_posNextForward = GetPromptRecordPosition(row);
    m_posNextBackward = m_posNextForward;
    long id = 0;
    if (m_posNextForward) {
        id = m_pRecordList->GetAt(m_posNextForward)->m_lRecordId;
        POSITION back = m_posNextBackward;
        m_pRecordList->GetPrev(back);
        m_posNextBackward = back;
    }
    const long long target = 2LL * m_nLookAhead;
    long long lines = 0;
    while (lines < target && m_posNextForward)
        lines += SendPromptScript(true);
    InitializePrompterParagraphPosition(0);
    lines = 0;
    while (m_posNextBackward && (m_bPromptContinuous || lines < m_nLookAhead))
        lines += SendPromptScript(false);
    return id;
}

int CPromptBaseWnd::SendPromptScript(bool forward)
{
    if (!m_pRecordList)
        return 0;
    POSITION& cursor = forward ? m_posNextForward : m_posNextBackward;
    if (!cursor)
        return 0;
    POSITION here = cursor;
    prmptRecord* record = forward ? m_pRecordList->GetNext(cursor) : m_pRecordList->GetPrev(cursor);
    if (!record)
        return 0;
    int flags = here == m_pRecordList->GetHeadPosition() ? PT_START_MARKER : 0;
    switch (record->m_nType) {
    case RT_END_OF_SHOW:
        return m_bPromptContinuous ? 0 : PromptEndOfShow(record, forward);
    case RT_BREAK: {
        int lines = PromptBreak(record, forward, flags);
        return lines + SendPromptScript(forward);
    }
    default:
        return PromptScript(record, forward, flags);
    }
}

bool CPromptBaseWnd::GetShowScript(void* owner, long id, qelstring& text)
{
    if (!m_pfnGetScriptText) {
        text.clear();
        return false;
    }
    const DWORD start = m_fetchClock();
    const bool result = m_pfnGetScriptText(owner, id, text);
    if (!result)
        text.clear(); // a host that reports failure has no script to give, whatever it left
    const int seconds = int((m_fetchClock() - start) / 1000);
    const int cost = 24 * seconds;
    const int base = m_bKeepAllLines ? 0x7FFFF : m_nLinesPerScreen;
    if (cost > m_nLastCost) {
        m_nLastCost = cost;
        m_nCostCountdown = 3;
        m_nLookAhead = base + cost;
    } else if (cost < m_nLastCost) {
        if (m_nCostCountdown == 0) {
            m_nLastCost = cost;
            m_nCostCountdown = 3;
            m_nLookAhead = base + cost;
        } else {
            --m_nCostCountdown;
        }
    }
    return result;
}

// ---- scripts --------------------------------------------------------------------------

int CPromptBaseWnd::PromptScript(prmptRecord* record, bool forward, int flags)
{
    if (!record)
        return 0;
    qelstring text;
    GetShowScript(m_pCallbackOwner, record->m_lRecordId, text);
    if (text.empty())
        return 0;
    if (prmptRecord* listed = FindPrmptRecord(record->m_lRecordId))
        listed->m_bInParagraphList = 0;

    prmptScript* script = new prmptScript(*record);
    script->m_strText8 = text;
    script->m_nFlags = flags | PT_SCRIPT;
    prmptScript* header = nullptr;
    if (m_bScriptHeaders) {
        header = new prmptScript(*record);
        header->m_strText8 = " --- [" + AnsiToUtf8(record->m_strName) + "] --- \n";
        // The header is the first line of the script: it takes the start marker.
        header->m_nFlags = flags | PT_SCRIPT;
        script->m_nFlags &= ~PT_START_MARKER;
    }
    int lines = 0;
    if (forward) {
        if (header)
            lines += AddScript(header, true);
        lines += AddScript(script, true);
    } else {
        lines += AddScript(script, false);
        if (header)
            lines += AddScript(header, false);
    }
    delete header;
    delete script;
    return lines;
}

int CPromptBaseWnd::PromptBreak(prmptRecord* record, bool forward, int flags)
{
    std::string slug;
    if (!IsBlank(record->m_strName))
        slug = "[" + AnsiToUtf8(record->m_strName) + "] ";
    prmptScript script(*record);
    script.m_strText8 = "\n --- ---- ---\n" + slug + "BREAK " + SpanText(record->m_tsLength) + "\n";
    script.m_nFlags = flags | PT_BREAK;
    return AddScript(&script, forward);
}

int CPromptBaseWnd::PromptEndOfShow(prmptRecord* record, bool forward)
{
    prmptScript script(*record);
    script.m_strText8 = "_______END_______\n";
    script.m_nFlags = PT_STOP_MARKER;
    const int lines = AddScript(&script, forward);
    // The end line numbers itself apart from every script paragraph: a second screen that
    // follows the operator by paragraph number must not take it for a script's first one.
    CSingleLock guard(&m_csLists, TRUE);
    if (!m_lstParagraphs.IsEmpty()) {
        CPromptParagraph* end = forward ? m_lstParagraphs.GetTail() : m_lstParagraphs.GetHead();
        if (end->m_nFlags & PT_STOP_MARKER)
            end->m_nNumber = kEndOfShowNumber;
    }
    return lines;
}

int CPromptBaseWnd::AddScript(prmptScript* script, bool forward)
{
    return InsertScript(script, nullptr, forward);
}

int CPromptBaseWnd::LayoutParagraph(CPromptParagraph* paragraph, HDC)
{
    paragraph->m_layout.DeleteLines();
    paragraph->m_nLines = FormatLines(m_layout, paragraph->m_lstText, paragraph->m_layout);
    return paragraph->m_nLines;
}

int CPromptBaseWnd::InsertScript(prmptScript* script, POSITION position, bool forward)
{
    const int markers = script->m_nFlags & (PT_START_MARKER | PT_STOP_MARKER);
    const int kind = script->m_nFlags & ~(PT_START_MARKER | PT_STOP_MARKER);
    prmptFormatedPtrList* runs = BuildRuns(script->m_strText8, kind, script->m_tsLength);
    if (!runs)
        return 0;

    // Runs of one paragraph number form one paragraph; instructions settle on them.
    const LONG serial = InterlockedIncrement(&g_nextScriptSerial);
    ScriptParagraphOptions options;
    options.showInstructions = m_bShowPPInst != 0;
    options.captions = m_bCaptionOn != 0;
    // The instruction held back in this window (as the members keep it).
    PendingInstruction pending {m_nPendingCode, m_strPendingText};
    auto grouped = GroupScriptParagraphs<CPromptParagraph>(*runs, *script, kind, options, pending);
    m_nPendingCode = pending.code;
    m_strPendingText = pending.text;
    delete runs;

    int lines = 0;
    CTypedPtrList<CObList, CPromptParagraph*> kept;
    for (auto& owned : grouped) {
        CPromptParagraph* p = owned.release();
        p->m_lListValue = serial;
        lines += LayoutParagraph(p, nullptr);
        kept.AddTail(p);
    }
    if (kept.IsEmpty())
        return 0;
    kept.GetHead()->m_nFlags |= PT_NOT_ANNOUNCED;
    if (markers & PT_START_MARKER)
        kept.GetHead()->m_nFlags |= PT_START_MARKER;
    if (markers & PT_STOP_MARKER)
        kept.GetTail()->m_nFlags |= PT_STOP_MARKER;

    CSingleLock listsLock(&m_csLists, TRUE);
    POSITION anchor = position ? position : (forward ? nullptr : m_lstParagraphs.GetHeadPosition());
    while (!kept.IsEmpty()) {
        CPromptParagraph* p = kept.RemoveHead();
        if (anchor)
            m_lstParagraphs.InsertBefore(anchor, p);
        else
            m_lstParagraphs.AddTail(p);
    }
    listsLock.Unlock();
    if (prmptRecord* listed = FindPrmptRecord(script->m_lRecordId))
        listed->m_bInParagraphList = 1;
    return lines;
}

// ---- positions ------------------------------------------------------------------------

void CPromptBaseWnd::InitializePrompterParagraphPosition(int paragraph)
{
    CSingleLock listsLock(&m_csLists, TRUE);
    m_posPrompter = m_lstParagraphs.GetHeadPosition();
    const long long wanted = 100LL * paragraph;
    for (POSITION pos = m_lstParagraphs.GetHeadPosition(); pos;) {
        POSITION here = pos;
        const int number = m_lstParagraphs.GetNext(pos)->m_nNumber;
        if (number >= wanted && number != kEndOfShowNumber) {
            m_posPrompter = here;
            break;
        }
    }
}

CPromptParagraph* CPromptBaseWnd::ParagraphAt(POSITION pos) const
{
    return pos ? const_cast<CTypedPtrList<CObList, CPromptParagraph*>&>(m_lstParagraphs).GetAt(pos)
               : nullptr;
}

POSITION CPromptBaseWnd::FindTopOfScript(POSITION pos)
{
    return pos ? LastOfScript(m_lstParagraphs, pos, false) : m_lstParagraphs.GetHeadPosition();
}

POSITION CPromptBaseWnd::FindBottomOfScript(POSITION pos)
{
    return pos ? LastOfScript(m_lstParagraphs, pos, true) : m_lstParagraphs.GetTailPosition();
}

POSITION CPromptBaseWnd::FindNextBkMk(POSITION pos)
{
    POSITION found = NearestBookmark(m_lstParagraphs, pos, true);
    return found ? found : m_lstParagraphs.GetTailPosition();
}

POSITION CPromptBaseWnd::FindPrevBkMk(POSITION pos)
{
    POSITION found = NearestBookmark(m_lstParagraphs, pos, false);
    return found ? found : m_lstParagraphs.GetHeadPosition();
}

// ---- keeping the list ahead of the display --------------------------------------------

void CPromptBaseWnd::UpdateParagraphList()
{
    WaitForSingleObject(m_evScriptsUpdated, INFINITE);
    if (m_bStopThreads)
        return;
    UINT flags = 0;
    long recordId = 0;
    CSingleLock listsLock(&m_csLists, TRUE);
    if (!m_lstBitmaps.IsEmpty() && !m_lstParagraphs.IsEmpty()) {
        POSITION lastShown = m_lstBitmaps.GetTail()->m_posParagraph;
        POSITION firstShown = m_lstBitmaps.GetHead()->m_posParagraph;
        CPromptParagraph* tail = m_lstParagraphs.GetTail();
        if (lastShown && !(tail->m_nFlags & PT_STOP_MARKER)) {
            int below = 0;
            POSITION p = lastShown;
            m_lstParagraphs.GetNext(p);
            while (p && below < m_nLinesPerScreen)
                below += m_lstParagraphs.GetNext(p)->m_nLines;
            if (below < m_nLinesPerScreen)
                flags |= 1;
        }
        if (firstShown == m_lstParagraphs.GetHeadPosition() &&
            !(m_lstParagraphs.GetHead()->m_nFlags & PT_START_MARKER))
            flags |= 2;
        if (m_bDropPassedScripts && firstShown) {
            CPromptParagraph* first = m_lstParagraphs.GetAt(firstShown);
            if (first->m_lListValue != m_lstParagraphs.GetHead()->m_lListValue) {
                flags |= 4;
                recordId = first->m_lRecordId;
            }
        }
    }
    listsLock.Unlock();
    if ((flags & 1) && !m_posNextForward)
        flags &= ~1u;
    if ((flags & 2) && !m_posNextBackward)
        flags &= ~2u;
    if (flags)
        UpdatePromptScripts(flags, recordId);
}

void CPromptBaseWnd::DoUpdatePromptScripts(UINT flags, long recordId)
{
    if (flags & 1) {
        long long lines = 0;
        while (lines < m_nLookAhead && m_posNextForward && !m_bStopThreads)
            lines += SendPromptScript(true);
    }
    if (flags & 2) {
        long long lines = 0;
        while (lines < m_nLookAhead && m_posNextBackward && !m_bStopThreads)
            lines += SendPromptScript(false);
    }
    if (flags & 4) {
        // Drop the scripts that scrolled past, never one that still has rendered lines.
        CSingleLock listsLock(&m_csLists, TRUE);
        while (!m_lstParagraphs.IsEmpty()) {
            CPromptParagraph* head = m_lstParagraphs.GetHead();
            if (head->m_lRecordId == recordId || head->m_bInWindow ||
                head->m_nImageState.load() != kImageNone ||
                m_lstParagraphs.GetHeadPosition() == m_posPrompter)
                break;
            m_lstParagraphs.RemoveHead();
            delete head;
        }
        listsLock.Unlock();
        if (m_pRecordList) {
            for (POSITION pos = m_pRecordList->GetHeadPosition(); pos;) {
                POSITION here = pos;
                if (m_pRecordList->GetNext(pos)->m_lRecordId == recordId) {
                    m_pRecordList->GetPrev(here);
                    m_posNextBackward = here;
                    break;
                }
            }
        }
    }
}

// ---- re-reading while prompting -------------------------------------------------------

void CPromptBaseWnd::UpdatePromptScript(long recordId)
{
    prmptRecord* record = FindPrmptRecord(recordId);
    if (!record)
        return;
    WaitForWorkersIdle(); // until PromptParagraph below lets the workers run again
    const int number = ParagraphAt(m_posPrompter) ? ParagraphAt(m_posPrompter)->m_nNumber : 0;
    // Remove the script's paragraphs, then load it again in their place.
    DeleteBitmapEntries();
    CSingleLock listsLock(&m_csLists, TRUE);
    POSITION after = nullptr;
    int markers = 0; // the script keeps its start or stop marker
    for (POSITION pos = m_lstParagraphs.GetHeadPosition(); pos;) {
        POSITION here = pos;
        CPromptParagraph* p = m_lstParagraphs.GetNext(pos);
        if (p->m_lRecordId == recordId && (p->m_nFlags & PT_SCRIPT)) {
            markers |= p->m_nFlags & (PT_START_MARKER | PT_STOP_MARKER);
            after = pos;
            m_lstParagraphs.RemoveAt(here);
            delete p;
        }
    }
    listsLock.Unlock();
    qelstring text;
    GetShowScript(m_pCallbackOwner, recordId, text);
    if (!text.empty()) {
        prmptScript script(*record);
        script.m_strText8 = text;
        script.m_nFlags = PT_SCRIPT | markers;
        InsertScript(&script, after, after == nullptr);
    }
    m_posPrompter = nullptr;
    for (POSITION pos = m_lstParagraphs.GetHeadPosition(); pos;) {
        POSITION here = pos;
        CPromptParagraph* p = m_lstParagraphs.GetNext(pos);
        if (p->m_lRecordId == recordId && p->m_nNumber >= number) {
            m_posPrompter = here;
            break;
        }
    }
    if (!m_posPrompter)
        m_posPrompter = m_lstParagraphs.GetHeadPosition();
    PromptParagraph(m_posPrompter);
}

void CPromptBaseWnd::UpdatePromptRundown(bool)
{
    WaitForWorkersIdle();
    prmptRecord* current = GetPromptingRecord();
    const long id = current ? current->m_lRecordId : 0;
    DeleteBitmapEntries();
    BuildPrmptRecordList(0, m_pRecordList);
    int row = 0;
    if (m_pRecordList) {
        for (POSITION pos = m_pRecordList->GetHeadPosition(); pos;) {
            prmptRecord* r = m_pRecordList->GetNext(pos);
            if (r->m_lRecordId == id) {
                row = r->m_lRecordNo;
                break;
            }
        }
    }
    SetupInitialScripts(row);
    PromptParagraph(m_posPrompter);
}

// ---- reading a script -------------------------------------------------------------------

prmptFormatedPtrList* CPromptBaseWnd::BuildRuns(const std::string& text, int flags,
                                                CTimeSpan length)
{
    PromptReaderSettings settings;
    settings.m_crText = m_crText;
    settings.m_crBack = m_crBack;
    settings.m_bMonoBitmap = m_bMonoBitmap;
    settings.m_bShowPRMPTCAP = m_bShowPRMPTCAP;
    settings.m_bPromptBlankPar = m_bPromptBlankPar;
    settings.m_bPromptRightJust = m_bPromptRightJust;
    settings.m_bPromptROTL = m_bPromptROTL;
    settings.m_bShowPPInst = m_bShowPPInst;
    settings.m_bShowBullets = m_bShowBullets;
    CPromptTextReader reader(settings);
    return reader.BuildList(text, m_crText, 100, PromptType(flags), length);
}
