// The second prompter: a window of type 2 over the second screen's rectangle, made by the
// first prompter, with its own records, layout, bitmaps and worker threads. It takes no
// input and moves only when the first window moves; markers, breaks, captions and slide-show
// instructions act in the first window alone.
#pragma once
#include "PromptBaseWnd.h"

class CMarquillCmdWnd;

class SELVATRA_API CFullPromptBaseWnd : public CPromptBaseWnd
{
    DECLARE_DYNCREATE(CFullPromptBaseWnd)

public:
    explicit CFullPromptBaseWnd(int value = 0) : m_nValue(value) { }
    int m_nValue;
};

class SELVATRA_API CFullPromptCmdWnd : public CFullPromptBaseWnd
{
    DECLARE_DYNCREATE(CFullPromptCmdWnd)

public:
    CFullPromptCmdWnd() = default;

    // Copies the first window's settings (before the first clears its mirror flag).
    void InitSecondPrompter(const CMarquillCmdWnd* first);

    void OnPromptNow(int record, int paragraph) override;
    void OnPromptShow(int row) override;
    tagScriptInfo* CheckScriptParagraph(int cy, int step, bool reversed,
                                        DDTagOffBmpInfo* bitmap) override;
    void OnKeyDown(UINT, UINT, UINT) override { }
    void OnLButtonDown(UINT, CPoint) override { }
    void OnMouseMove(UINT, CPoint) override { }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CRect m_rcScreen;
};

// Makes and creates the second prompter of first over rect (null when that fails).
SELVATRA_API CPromptBaseWnd* NewSecondPrompter(CMarquillCmdWnd* first, CWnd* parent, CRect rect);
