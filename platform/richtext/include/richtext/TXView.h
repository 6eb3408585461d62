// CTXView: the view of a rich-text document. It fills its client with a text control and
// routes the editing commands to it: undo and redo, cut, copy, paste, clear, select all,
// find and replace, character and paragraph format, alignment, page breaks, target and
// hyperlink insertion, images and objects from files, tables, the normal and page layout views and the zoom. The document hears about every
// change the user makes.
#pragma once
#include "framework.h"
#include "richtext/TXTextControl.h"

#include <vector>

class CTXDoc;
class CFindReplaceDialog;
class CTXRulerBar;

class CTXView : public CView, public CTXNotifyHandler
{
    DECLARE_DYNCREATE(CTXView)
protected:
    CTXView();

public:
    ~CTXView() override;

    CTXDoc* GetDocument() const;
    CTXTextControl* GetTextControl() const { return m_pTextControl; }
    // Sends a message of the control's table to the text control.
    LRESULT SendTx(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // Searching: selects the next match of what from the selection on (downwards from its
    // end, upwards from its start); FALSE when there is none (the selection stays).
    BOOL FindText(LPCSTR what, BOOL matchCase, BOOL wholeWord, BOOL searchDown);
    // Replaces every match; returns how many were replaced (one undo step each).
    int ReplaceAll(LPCSTR what, LPCSTR with, BOOL matchCase, BOOL wholeWord);

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnTextChanged(CTXTextControl*) override;

    // Printing and print preview: the text in pages with inch margins.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // Where the text of a page goes on the printer's DC: the page less an inch all round.
    static CRect PrintArea(CDC* pDC);

    CTXTextControl* m_pTextControl; // the edit window, made with the view
    CTXRulerBar* m_pRulerBar; // the ruler on the view's frame (hidden at start)
    int m_bChanged; // the program changed fields or bookmarks since the last save

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnEditSelectAll();
    afx_msg void OnEditFind();
    afx_msg void OnEditReplace();
    afx_msg void OnEditRepeat();
    afx_msg LRESULT OnFindReplace(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedSel(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnFormatChar();
    afx_msg void OnFormatParagraph();
    afx_msg void OnInsertPagebreak();
    afx_msg void OnInsertTarget();
    afx_msg void OnInsertHyperlink();
    afx_msg void OnInsertImageFixed();
    afx_msg void OnInsertImageChar();
    afx_msg void OnInsertObjectFixed();
    afx_msg void OnInsertObjectChar();
    afx_msg void OnTableInsert();
    afx_msg void OnTableAttr();
    afx_msg void OnTableDelRows();
    afx_msg void OnTableGridlines();
    afx_msg void OnUpdateTableGridlines(CCmdUI* pCmdUI);
    afx_msg void OnAlign(UINT nID);
    afx_msg void OnUpdateAlign(CCmdUI* pCmdUI);
    afx_msg void OnViewNormal();
    afx_msg void OnViewPageLayout();
    afx_msg void OnViewCenteredLayout();
    afx_msg void OnUpdateViewMode(CCmdUI* pCmdUI);
    afx_msg void OnViewZoom(UINT nID);
    afx_msg void OnUpdateViewZoom(CCmdUI* pCmdUI);
    afx_msg void OnStyle(UINT nID);
    afx_msg void OnUpdateStyle(CCmdUI* pCmdUI);

protected:
    void ShowFindDialog(BOOL findOnly);
    // An image (a bitmap, PNG or JPEG file) or an object (any file) chosen in the open file
    // dialog, in place of the selection: fixed at its paragraph's top left, or a character.
    void InsertFromFile(bool image, bool fixed);
    CFindReplaceDialog* m_pFindDialog; // the modeless find or replace dialog, while open
    CString m_strFind, m_strReplace;
    BOOL m_bMatchCase, m_bWholeWord, m_bSearchDown;
    std::vector<long> m_pageStarts; // while printing: the text position each page starts at
    DECLARE_MESSAGE_MAP()
};
