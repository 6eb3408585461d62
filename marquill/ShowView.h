// CShowView: the program's one show view (it lives in the rundown bar). It keeps the
// show's file life (New, Open, Save, Save As, Close and the show file), fills in the
// rundown's callbacks to the editor, carries the show commands, keeps its rows' reading
// times up to date with the editor, and prompts the show or one of its scripts.
//
// Implemented in ShowView.cpp (the show's file life), ShowViewCommands.cpp (commands and
// the rundown's callbacks) and ShowViewPrompt.cpp (prompting).
#pragma once
#include "framework.h"

#include <map>
#include <mutex>
#include <string>

#include "rundown/RundownView.h"

class prmptRecord;
class qelstring;

// To the main frame: wParam SW_SHOW (5) shows the rundown bars, 0 hides them.
constexpr UINT WM_SHOW_RUNDOWN_BARS = 0x40C;
// To the show view once the frame is built; answered 1.
constexpr UINT WM_SHOW_FRAME_BUILT = 0x40A;

class CShowView : public CRundownView
{
    DECLARE_DYNCREATE(CShowView)
public:
    CShowView();
    ~CShowView() override;

    void OnInitialUpdate() override;

    // ---- the rundown's callbacks ----
    void OpenScript(CString& strPath) override;
    void ChangeBreakTime(long nPosition) override;
    void ChangeGridField(long nRow, long nCol) override;
    int MakeNewFile(CString* pPath) override;
    int GetFileName(CString& strPath) override;

    // ---- the show's file life (ShowView.cpp) ----
    void OnNewShow();
    void OnOpenShow();
    BOOL OnSaveShow();
    void OnSaveShowAs();
    // Closes the open show: one with a path is saved without asking; a modified one never
    // saved asks "Save Changes to Current Show" with nType. FALSE when cancelled or when
    // saving failed (the show then stays open).
    BOOL CloseShow(UINT nType);
    // Writes the show to its path. FALSE, after saying so, when it could not be written
    // (the file there is then as it was).
    BOOL SaveShow();
    // Reads the show file at strPath into the show. FALSE, after saying so, when it does
    // not read; the show is then untouched.
    BOOL LoadShow(const CString& strPath);
    // A script row whose file is gone is pointed to a file of that name in the show's
    // folder, or to one the user picks, or left without a file.
    void CheckScriptFile(CFileInfo* pRow);
    // The view's tab shows the text, "Rundown" when it is empty.
    void UpdateTabCaption(const CString& strText);
    // The show file dialog (open or save) in the documents folder; TRUE with a path.
    BOOL PromptShowFileName(BOOL bOpen, CString& strPath, CWnd* pOwner);

    // ---- commands and helpers (ShowViewCommands.cpp) ----
    void RefreshRundown(int bRebuild);
    void TileDocuments();
    void OnNumberScripts();
    void OnNewShowScript();
    void OnAddShowScript();
    void OnOpenShowScript();
    void OnRemoveShowScript();
    void OnAddBreak();
    void OnColumnInformation();
    void OnChangeFile();
    void OnUpdateShowOpen(CCmdUI* pCmdUI);
    void OnUpdateAlwaysOn(CCmdUI* pCmdUI);
    void OnUpdateSave(CCmdUI* pCmdUI);
    // The editor saved or closed a script: every row naming it takes its reading time.
    LRESULT OnScriptUpdated(WPARAM, LPARAM);
    LRESULT OnAnswerOne(WPARAM, LPARAM) { return 1; }
    LRESULT OnAnswerZero(WPARAM, LPARAM) { return 0; }

    // ---- prompting (ShowViewPrompt.cpp) ----
    void OnPromptSelectedScript();
    void OnPromptShowFromSelection();
    // The row a show starts from: the selected line's row (line 0 is row 1), or 1 with no
    // selection or one on or after the end-of-show row (nEOSRow, counted from 1).
    static int PromptShowStart(long nSelectedLine, long nEOSRow);
    bool PromptShowFullScreen(int nStart, bool bWholeShow);
    void PromptShowInWindow(int nStart, int nScreens, bool bWholeShow);
    // The RTF of every script row, read now on this thread for the prompter's callbacks.
    void LoadPromptTexts();
    // The RTF of a row's script file; empty when the row or its file is not there.
    CString LoadScriptRtf(long nRecNo);
    prmptRecord* MakeRecord(CFileInfo* pRow);
    static prmptRecord* GetNextPromptRecord(void* owner);
    static void ResetPromptRecords(void* owner);
    static prmptRecord* MakePromptRecord(void* owner, int nPosition);
    static bool GetScriptText(void* owner, long nRecNo, qelstring& text);
    static void PrompterDone(void* owner, int paragraph);
    LRESULT OnPrompterClosed(WPARAM, LPARAM);

    // ---- show state ----
    int m_bModified;
    CString m_strShowFolder; // drive and folder of the show last opened
    POSITION m_posPrompt; // the prompt iterator
    int m_bPromptEnd; // the end-of-show row was handed out
    // The prepared script texts by record number; guarded by m_promptTextLock (the
    // prompter's worker thread reads them).
    std::map<long, std::string> m_promptTexts;
    std::mutex m_promptTextLock;

protected:
    void MarkModified() { m_bModified = 1; }
    // Puts a read show in place of the current one.
    void InstallShow(const CColInfo& header, CObList& rows);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
