// The system's font, colour, print and find-and-replace dialogs (the file dialog is in
// fw/filedialog.h). Each asks the modal seam first: a test answers it unseen (having
// written its choice into the dialog object the request names, when it wants one) or
// runs a script on the live dialog; otherwise the system runs it. The dialog window is
// bound to the object, so OnInitDialog and message maps of derived classes work.
#pragma once
#include "fw/dialog.h"
#include "fw/filedialog.h"

class CDC;

class FW_API CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    explicit CFontDialog(LPLOGFONTA lplfInitial = nullptr,
                         DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, CDC* pdcPrinter = nullptr,
                         CWnd* pParentWnd = nullptr);
    ~CFontDialog() override;

    CHOOSEFONTA m_cf; // m_cf.lpLogFont points at m_lf
    LOGFONTA m_lf;

    INT_PTR DoModal() override;

    void GetCurrentFont(LPLOGFONTA lplf);
    CString GetFaceName() const;
    CString GetStyleName() const;
    int GetSize() const; // tenths of a point
    COLORREF GetColor() const;
    int GetWeight() const;
    BOOL IsStrikeOut() const;
    BOOL IsUnderline() const;
    BOOL IsBold() const;
    BOOL IsItalic() const;

protected:
    char m_szStyleName[64];
};

class FW_API CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    ~CColorDialog() override;

    CHOOSECOLORA m_cc;

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    // The 16 custom colours every colour dialog of the process shares.
    static COLORREF* PASCAL GetSavedCustomColors();
};

class FW_API CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                              PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;

    PRINTDLGA m_pd; // the device blocks it returns belong to the caller

    INT_PTR DoModal() override;
    // The default printer without any dialog (PD_RETURNDEFAULT); FALSE when there is none.
    BOOL GetDefaults();

    int GetCopies() const;
    BOOL PrintCollate() const;
    BOOL PrintSelection() const;
    BOOL PrintAll() const;
    BOOL PrintRange() const;
    BOOL PrintToFile() const;
    int GetFromPage() const;
    int GetToPage() const;
    LPDEVMODEA GetDevMode() const; // locked; the caller unlocks m_pd.hDevMode
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    HDC GetPrinterDC() const;
    HDC CreatePrinterDC();

protected:
    BOOL m_bPrintSetupOnly;
};

// The find or replace dialog is modeless: it tells its owner about every button through
// the registered message FINDMSGSTRING ("commdlg_FindReplace"), whose lParam GetNotifier
// turns back into the dialog. The object deletes itself when its window is destroyed.
class FW_API CFindReplaceDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFindReplaceDialog)
public:
    CFindReplaceDialog();
    ~CFindReplaceDialog() override;

    FINDREPLACEA m_fr;

    // Shows the dialog (Find only, or Find and Replace) owned by pParentWnd (which gets the
    // notifications). FALSE when it could not be made.
    virtual BOOL Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith = nullptr,
                        DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override; // not modal: -1

    static CFindReplaceDialog* PASCAL GetNotifier(LPARAM lParam);
    CString GetFindString() const;
    CString GetReplaceString() const;
    BOOL SearchDown() const;
    BOOL FindNext() const;
    BOOL MatchCase() const;
    BOOL MatchWholeWord() const;
    BOOL ReplaceCurrent() const;
    BOOL ReplaceAll() const;
    BOOL IsTerminating() const;

protected:
    void PostNcDestroy() override;
    char m_szFindWhat[128];
    char m_szReplaceWith[128];
};
