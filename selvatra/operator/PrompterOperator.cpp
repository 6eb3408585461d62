// The operator's components of one prompter window.
#include "PrompterOperator.h"

#include <memory>

#include "CaptionWriter.h"
#include "ClockTime.h"
#include "ClockWindows.h"
#include "CloseCaption.h"
#include "PowerPointCtl.h"
#include "PromptBaseWnd.h"
#include "PromptModel.h"

namespace {

const int kClockId = 1001;
const int kMirroredClockId = 1002;
const int kStopWatchId = 1003;

OperatorParts* Parts(const CPromptBaseWnd* wnd) { return wnd->m_pOperator.get(); }

std::string Text(const CString& s) { return std::string((LPCSTR)s, (size_t)s.GetLength()); }

// The clock's size: the font's character scaled from the layout screen to the window.
SIZE ClockCharSize(CPromptBaseWnd* wnd)
{
    RECT client;
    ::GetClientRect(wnd->m_hWnd, &client);
    int layoutW = wnd->m_nLayoutWidth > 0 ? wnd->m_nLayoutWidth : 1;
    int layoutH = wnd->m_nLayoutHeight > 0 ? wnd->m_nLayoutHeight : 1;
    int aveW = wnd->m_nAveCharWidth > 0 ? wnd->m_nAveCharWidth : 16;
    int lineH = wnd->m_nLineHeight > 0 ? wnd->m_nLineHeight : 32;
    SIZE size = {MulDiv(client.right, aveW, layoutW), MulDiv(client.bottom, lineH, layoutH)};
    if (size.cx < 4)
        size.cx = 4;
    if (size.cy < 8)
        size.cy = 8;
    return size;
}

} // namespace

void CPromptBaseWnd::SetCCMap(std::list<std::pair<char, char>>* pairs)
{
    m_ccMap.m_bActive = 1;
    if (pairs)
        m_ccMap.Set(*pairs);
}

void OperatorAttach(CPromptBaseWnd* wnd)
{
    wnd->m_pOperator.reset(new OperatorParts);
    OperatorParts* parts = wnd->m_pOperator.get();
    if (wnd->m_bCaptionOn) {
        CCloseCaption& c = parts->caption;
        c.SetPort(Text(wnd->m_strCCPort));
        c.SetBaud(Text(wnd->m_strCCBaud));
        c.SetData(Text(wnd->m_strCCData));
        c.SetParity(Text(wnd->m_strCCParity));
        c.SetStop(Text(wnd->m_strCCStop));
        c.SetBOL(Text(wnd->m_strCCBOL));
        c.SetEOL(Text(wnd->m_strCCEOL));
        c.SetInit(Text(wnd->m_strCCInit));
        c.SetReset(Text(wnd->m_strCCReset));
        c.SetLineLength(wnd->m_nCCLineLength);
        c.SetFlow(Text(wnd->m_strCCFlow));
        if (wnd->m_ccMap.m_bActive)
            c.SetMap(wnd->m_ccMap);
        // A port that cannot be opened is reported and the prompter runs without captions.
        if (c.Setup())
            parts->writer.Start(&c);
        else
            wnd->m_bCaptionOn = 0;
    }
    if (wnd->m_bPowerPointOn && wnd->m_nWinType != WINTYPE_SECOND &&
        !CPowerPointThread::IsRunning())
        parts->ownsPowerPoint = CPowerPointThread::Start(wnd->m_hWnd);
}

void OperatorDetach(CPromptBaseWnd* wnd)
{
    std::unique_ptr<OperatorParts> parts = std::move(wnd->m_pOperator);
    if (!parts)
        return;
    parts->writer.Stop();
    parts->caption.Close();
    if (parts->ownsPowerPoint)
        CPowerPointThread::Stop();
    // The displays are child windows of this thread: destroyed here, on it.
    parts->countDown.reset();
    parts->ltHy.reset();
    parts->stopWatch.reset();
}

std::string CaptionText(const CPromptParagraph* paragraph, bool upper)
{
    std::wstring wide;
    if (!paragraph)
        return std::string();
    for (POSITION pos = paragraph->m_lstText.GetHeadPosition(); pos;) {
        const prmptFormatedText* run = paragraph->m_lstText.GetNext(pos);
        if (run && run->m_pText)
            wide += run->m_pText;
    }
    return CaptionEncoderText(wide, upper);
}

void OperatorQueueCaption(CPromptBaseWnd* wnd, const CPromptParagraph* paragraph)
{
    OperatorParts* parts = Parts(wnd);
    if (!parts || !parts->writer.IsRunning())
        return;
    std::string text = CaptionText(paragraph, wnd->m_bCaptionUpper != 0);
    if (!text.empty())
        parts->writer.Queue(CCPair(text, wnd->m_nCCPacing, wnd->m_nCCWPMPacing));
}

void OperatorQueueInstruction(CPromptBaseWnd* wnd, int code, const std::string& text)
{
    if (!wnd->m_bPowerPointOn || wnd->m_nWinType == WINTYPE_SECOND)
        return;
    CPowerPointThread::Queue(PPCommand(code, text));
}

void OperatorStartClock(CPromptBaseWnd* wnd, CTimeSpan length, bool showLtHy)
{
    OperatorParts* parts = Parts(wnd);
    if (!parts || !wnd->m_hWnd)
        return;
    OperatorKillClocks(wnd);
    RECT client;
    ::GetClientRect(wnd->m_hWnd, &client);
    SIZE ch = ClockCharSize(wnd);
    const bool mirror = wnd->m_bMirrorImage != 0;
    RECT rect = {0, 0, 5 * ch.cx, ch.cy};
    if (mirror)
        OffsetRect(&rect, client.right - rect.right, 0);
    parts->countDown.reset(new CCountDownClock);
    parts->countDown->Start(wnd->m_hWnd, rect, mirror ? kMirroredClockId : kClockId, mirror, length,
                            wnd->m_bAutoContinue != 0, wnd->m_hWnd);
    if (showLtHy) {
        parts->ltHy.reset(new CLtHYDisplay);
        RECT lt = {0, 0, 10 * ch.cx, ch.cy};
        if (!mirror)
            OffsetRect(&lt, client.right - lt.right, 0);
        if (parts->ltHy->Create(wnd->m_hWnd, lt, kMirroredClockId, mirror)) {
            parts->ltHy->SetBreak("Lt " + FormatTime(length, false), length);
            parts->ltHy->StartTicking();
        }
    }
}

void OperatorKillClocks(CPromptBaseWnd* wnd)
{
    OperatorParts* parts = Parts(wnd);
    if (!parts)
        return;
    parts->countDown.reset();
    parts->ltHy.reset();
}

void OperatorStopWatch(CPromptBaseWnd* wnd, bool start)
{
    OperatorParts* parts = Parts(wnd);
    if (!parts || !wnd->m_hWnd)
        return;
    if (!start) {
        if (parts->stopWatch)
            parts->stopWatch->Stop();
        return;
    }
    if (!parts->stopWatch) {
        // In the pointer margin: at the top, or at the bottom with position 1.
        RECT client;
        ::GetClientRect(wnd->m_hWnd, &client);
        SIZE ch = ClockCharSize(wnd);
        int width = 4 * ch.cx, height = ch.cy;
        RECT rect = {0, 0, width, height};
        if (wnd->m_nStopWatchPosition == 1)
            OffsetRect(&rect, 0, client.bottom - height);
        if (wnd->m_bMirrorImage)
            OffsetRect(&rect, client.right - width, 0);
        parts->stopWatch.reset(new CStopWatch);
        parts->stopWatch->Create(wnd->m_hWnd, rect, kStopWatchId, wnd->m_bMirrorImage != 0);
        parts->stopWatch->SetColors(wnd->m_crText, wnd->m_crBack);
    }
    parts->stopWatch->Start();
}

CCountDownClock* OperatorCountDown(CPromptBaseWnd* wnd)
{
    OperatorParts* parts = Parts(wnd);
    return parts && parts->countDown && parts->countDown->IsShown() ? parts->countDown.get()
                                                                    : nullptr;
}

CLtHYDisplay* OperatorLtHY(CPromptBaseWnd* wnd)
{
    OperatorParts* parts = Parts(wnd);
    return parts && parts->ltHy && parts->ltHy->IsShown() ? parts->ltHy.get() : nullptr;
}

CStopWatch* OperatorStopWatchWnd(CPromptBaseWnd* wnd)
{
    OperatorParts* parts = Parts(wnd);
    return parts ? parts->stopWatch.get() : nullptr;
}

CCaptionWriter* OperatorCaptionWriter(CPromptBaseWnd* wnd)
{
    OperatorParts* parts = Parts(wnd);
    return parts ? &parts->writer : nullptr;
}
