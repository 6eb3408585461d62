// CViewPrintPreview: the grid view a rundown is printed and previewed from. The rundown
// view copies its grid into it (in a frame of its own) so that printing never touches the
// user's grid; the framework then prints or previews this view through the grid's print
// feature. CMyProperties: grid properties with two more header and footer tokens.
#pragma once
#include "BrovanexApi.h"
#include "core/GXGridView.h"
#include "core/GXProperties.h"

class CPreviewView;

class BROVANEX_API CViewPrintPreview : public CGXGridView
{
    DECLARE_DYNCREATE(CViewPrintPreview)
public:
    CViewPrintPreview();
    ~CViewPrintPreview() override;

    // The framework's Print and Print Preview commands of this view.
    void OnFilePrintPreview();
    void OnFilePrint();

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // The framework's end of the preview; then the remembered window is the application's
    // main window again and the print frame (with this view) is destroyed.
    void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override;
    // Nothing: the grid paints itself.
    void OnDraw(CDC* pDC) override;

    // The application's main window when the print frame was opened.
    CWnd* m_pOldMainWnd;

protected:
    DECLARE_MESSAGE_MAP()
};

class BROVANEX_API CMyProperties : public CGXProperties
{
    DECLARE_SERIAL(CMyProperties)
public:
    CMyProperties();
    CString SubstTokenText(int nToken, CString& strRest) override;

    int m_nTokenW; // "$W": a fixed test text
    int m_nTokenT; // "$T": "Testing Tokens"
};

// What "$W" prints.
#define RUNDOWN_TOKEN_W_TEXT "Rundown Token"
