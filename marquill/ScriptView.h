// CMyTXWordsView: the view of a script window. The rich-text view holds the script in its
// text control and routes the editing commands; this adds the program's own: prompting the
// script (Prompt Now), slide-show instruction fields, bookmarks, text and background
// colours, bold, italic and underline, a paste that keeps instruction fields out of pasted
// text, the context menu, and keyboard handling that keeps fields whole.
//
// Implemented in ScriptView.cpp (commands, colours, paste, reading characters),
// ScriptViewPrompt.cpp (the prompter hand-off), ScriptViewFields.cpp (instruction fields)
// and ScriptViewKeys.cpp (field protection while typing).
#pragma once
#include "framework.h"
#include "richtext/TXView.h"

#include <mutex>
#include <string>

class CTXWordsDoc;
class prmptRecord;
class qelstring;

class CMyTXWordsView : public CTXView
{
    DECLARE_DYNCREATE(CMyTXWordsView)
protected:
    CMyTXWordsView();

public:
    ~CMyTXWordsView() override;
    CTXWordsDoc* GetDocument() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitialUpdate() override;

    // ---- reading time ----------------------------------------------------------------
    long GetReadingCharacters();

    // ---- prompting (ScriptViewPrompt.cpp) -------------------------------------------------
    bool PromptFullScreen();
    void PromptInWindow(int screens);
    // The script as RTF, read from the control (the user-interface thread only).
    CString GetEditorRtf();
    // Reads the editor into the text the prompter's callback hands over.
    void PreparePromptText();
    void GetCaretParagraph();
    long GoToParagraph(int paragraph);
    static prmptRecord* MakeScriptRecord(void* owner, int number);
    static bool GetScriptText(void* owner, long id, qelstring& text);
    static void PrompterDone(void* owner, int paragraph);
    int m_nCaretParagraph; // the paragraph handed to the prompter and received back

    // ---- instruction fields (ScriptViewFields.cpp) ---------------------------------------
    void InsertInstruction(const CString& text, DWORD code);
    bool HasInstructionFields();

    // ---- field protection (ScriptViewKeys.cpp) --------------------------------------------
    bool FieldAtPosition(long pos);
    bool FieldAfterCaret();
    bool FieldBeforeCaret();
    bool FieldTwoAhead();
    void MoveOutOfField(UINT key);
    void DeleteFieldAtCaret();
    void SplitBeforeField();
    void DeleteEmptyLineBefore();
    // Filters one keyboard message; true when it is swallowed (the message may be changed).
    bool FilterKey(MSG* pMsg);

    // ---- paste ----------------------------------------------------------------------------
    void SnapSelectionOutOfFields();
    void DeleteFieldsInSelection();

    // Selection helpers over the control's messages.
    TXPAIR GetSelPair();
    void SetSelPair(long anchor, long caret);
    DWORD FieldAtCaret(UINT msg = 1226);
    bool FieldPos(DWORD id, long& start, long& end);
    CString FieldText(DWORD id);
    void InsertText(LPCSTR text);

    COLORREF m_crTextColor; // the colour of the text-colour button

    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEnable(CCmdUI* pCmdUI);
    afx_msg void OnBookMark();
    afx_msg void OnSpellCheckDocument();
    afx_msg void OnUpdateSpellCheck(CCmdUI* pCmdUI);
    afx_msg void OnPromptNow();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnProgramPrompterSpeeds();
    afx_msg void OnUpdateProgramPrompterSpeeds(CCmdUI* pCmdUI);
    afx_msg void OnResetPrompterSpeeds();
    afx_msg void OnLoadPowerPoint();
    afx_msg void OnStartSlideshow();
    afx_msg void OnNextSlide();
    afx_msg void OnCloseSlideshow();
    afx_msg void OnPreviousSlide();
    afx_msg void OnUpdatePowerPointCommand(CCmdUI* pCmdUI);
    afx_msg void OnTextColor();
    afx_msg void OnBackgroundColor();
    afx_msg void OnColorCombo();
    afx_msg void OnDefaultBlack();
    afx_msg void OnBold();
    afx_msg void OnItalic();
    afx_msg void OnUnderline();
    afx_msg LRESULT OnPrompterClosed(WPARAM, LPARAM);

private:
    void ApplyColor(UINT which, COLORREF color);
    std::mutex m_promptTextLock;
    std::string m_strPromptText; // guarded by m_promptTextLock: the RTF the prompter reads

protected:
    DECLARE_MESSAGE_MAP()
};
