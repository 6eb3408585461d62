// What the prompter window hands to the operator's components: the caption writer, the
// slide-show thread and the clock displays of one prompter window. The window's hooks
// (PromptBaseWnd.cpp, MarquillCmdWnd.cpp) call these; the state is the window's own.
#pragma once
#include <memory>
#include <string>

#include "CaptionWriter.h"
#include "ClockWindows.h"
#include "CloseCaption.h"
#include "SelvatraApi.h"
#include "fw/time.h"

class CPromptBaseWnd;
class CPromptParagraph;

// The operator's parts of one prompter window, owned by the window (m_pOperator) from
// creation to close. Made, used and freed on the user-interface thread; the caption writer
// runs its own thread over its queue.
struct OperatorParts
{
    CCloseCaption caption;
    CCaptionWriter writer;
    bool ownsPowerPoint = false; // this window started the process's slide-show thread
    std::unique_ptr<CCountDownClock> countDown;
    std::unique_ptr<CLtHYDisplay> ltHy;
    std::unique_ptr<CStopWatch> stopWatch;
};

// Set up when the window is created: the caption port (with captions on) and, for every
// window type but the second screen, the slide-show thread (with slide-show control on).
SELVATRA_API void OperatorAttach(CPromptBaseWnd* wnd);
// On close, after the worker threads: stops the caption thread without waiting for its
// queue, sends the encoder's reset, stops the slide-show thread, closes the clocks.
SELVATRA_API void OperatorDetach(CPromptBaseWnd* wnd);

// The bytes of a caption paragraph (all runs, in the encoder's code page).
SELVATRA_API std::string CaptionText(const CPromptParagraph* paragraph, bool upper);
SELVATRA_API void OperatorQueueCaption(CPromptBaseWnd* wnd, const CPromptParagraph* paragraph);
SELVATRA_API void OperatorQueueInstruction(CPromptBaseWnd* wnd, int code, const std::string& text);

SELVATRA_API void OperatorStartClock(CPromptBaseWnd* wnd, CTimeSpan length, bool showLtHy);
SELVATRA_API void OperatorKillClocks(CPromptBaseWnd* wnd);
SELVATRA_API void OperatorStopWatch(CPromptBaseWnd* wnd, bool start);

// For the window's keys and for tests: the displays of a window (null when not shown).
SELVATRA_API CCountDownClock* OperatorCountDown(CPromptBaseWnd* wnd);
SELVATRA_API CLtHYDisplay* OperatorLtHY(CPromptBaseWnd* wnd);
SELVATRA_API CStopWatch* OperatorStopWatchWnd(CPromptBaseWnd* wnd);
SELVATRA_API CCaptionWriter* OperatorCaptionWriter(CPromptBaseWnd* wnd);
