// CTXTextControl: the script editor's text control window. It draws and edits the
// document model of a CTextControlCore itself (no system rich-edit control underneath), so
// fields stay whole and keep their ids and data through every edit, and it answers the
// control's message table (TxTypes.h). Loading and saving go through the model and need no
// window; SaveToMemory may be called from a worker thread.
#pragma once
#include "framework.h"
#include "richtext/TextControlCore.h"
#include "richtext/TextLayout.h"

#include <string>

class CTXTextControl;

// Told about changes the user makes in the control.
class CTXNotifyHandler
{
public:
    virtual ~CTXNotifyHandler() { }
    virtual void OnTextChanged(CTXTextControl*) { }
    virtual void OnSelectionChanged(CTXTextControl*) { }
};

class CTXTextControl : public CWnd
{
public:
    CTXTextControl();
    ~CTXTextControl() override;

    // A child window with the given id; font (optional) sets the face and size of typed
    // text; notify (optional) hears about the user's changes.
    BOOL Create(CWnd* pParent, UINT nID, const RECT& rect, CTXNotifyHandler* notify = nullptr,
                CFont* font = nullptr,
                DWORD style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER);
    void ConnectToolBar(CWnd* buttonBar, CWnd* statusBar);
    static int GetVersion() { return 800; }

    // Selection: (anchor, caret); a caret of -1 selects to the end.
    void GetSel(long& nStart, long& nEnd) const;
    void SetSel(long nStart, long nEnd);
    void ReplaceSel(LPCSTR text);
    CString GetSelText() const;
    BOOL GetLineAndCol(long& line, long& col) const;
    void SetTextColor(COLORREF color);

    // Fields.
    BOOL FieldGetPosition(DWORD id, long& start, long& end) const;
    BOOL FieldGetType(DWORD id, TXFIELDSETTYPE* type) const;
    CString FieldGetTypeText(DWORD id) const;
    BOOL FieldGetData(DWORD id, void* buffer, int size) const;
    BOOL FieldSetDataHelper(DWORD id, DWORD data);
    DWORD FieldGetDataHelper(DWORD id) const;

    // Files and memory, in the formats of TXFormat. A failed load leaves the document as
    // it was; result receives 0 or a non-zero error and GetLastError() says why.
    BOOL LoadFile(LPCSTR path, int format, DWORD flags = 0, int* result = nullptr);
    BOOL LoadFromMemory(const void* bytes, size_t size, int format);
    BOOL SaveFile(LPCSTR path, int format);
    // The document's bytes, without a terminator.
    BOOL SaveToMemory(CByteArray& bytes, int format, DWORD flags = 0) const;
    const CString& GetLastError() const { return m_lastError; }

    // The view: normal, page layout or centred page layout (TXViewMode), and the zoom in
    // percent (10 to 500). A zoom to fit follows the window's size: the page's width (its
    // text's width in the normal view) or the whole page.
    void SetViewMode(int mode);
    int GetViewMode() const { return m_layout.ViewMode(); }
    void SetZoom(int percent);
    int GetZoom() const { return m_fonts.Zoom(); }
    enum { TXZOOM_FIXED = 0, TXZOOM_PAGEWIDTH = 1, TXZOOM_WHOLEPAGE = 2 };
    void ZoomToFit(int fit);
    int GetZoomFit() const { return m_zoomFit; }
    // Grid lines: table rows without borders show their cells' edges as light lines (never
    // printed).
    void ShowGridLines(bool show);
    bool GridLinesShown() const { return m_showGridLines; }

    BOOL GetModify() const { return m_core.Modified(); }
    void SetModify(BOOL modified = TRUE) { m_core.SetModified(modified != FALSE); }
    CTextControlCore& Core() { return m_core; }
    // Shows what was changed through Core() directly; notify tells the notify handler.
    void SyncWithCore(bool notify = true) { Refresh(notify); }
    const CTextControlCore& Core() const { return m_core; }
    const CTXLayout& Layout() const { return m_layout; }
    int ScrollPos() const { return m_scrollY; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the visible part of the document, or only what lies in update, into a device
    // context of the client's size.
    void PaintTo(HDC dc, const RECT& client, const RECT* update = nullptr);
    // Prints the text from position start onto a page: laid out to the width of page on
    // dc (a printer or page device), the lines that fit below page's top from start are
    // drawn (only measured when draw is false). Returns the position after the last line
    // that fits, the text's length when the rest fits.
    long FormatRange(HDC dc, const RECT& page, long start, bool draw);

private:
    LRESULT Send(UINT msg, WPARAM w, LPARAM l) const;
    void Refresh(bool notify);
    void ShowCaretOnBars();
    void Relayout();
    void ViewChanged();
    void UpdateScrollBar();
    void ScrollTo(int y);
    void EnsureCaretVisible();
    void PlaceCaret();
    void OnKeyDown(UINT key);
    void OnChar(UINT ch, bool unicode);
    void InvalidateLines(size_t first, size_t end, bool toBottom);
    HDC MeasureDC();
    HDC BackBuffer(int width, int height);
    void InvalidateRange(size_t lo, size_t hi);
    void OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    void MoveTo(long pos, bool extend, bool keepGoal = false);
    long WordStart(long pos) const;
    long WordEnd(long pos) const;
    void Copy();
    void Cut();
    void Paste();

    CTextControlCore m_core;
    CTXLayout m_layout;
    CTXFontCache m_fonts;
    CTXNotifyHandler* m_notify = nullptr;
    CWnd* m_buttonBar = nullptr;
    CWnd* m_statusBar = nullptr;
    CString m_lastError;
    unsigned m_seenDocRevision = ~0u;
    unsigned m_seenRevision = ~0u;
    int m_layoutWidth = -1;
    int m_zoomFit = TXZOOM_FIXED;
    size_t m_paintedSelLo = 0, m_paintedSelHi = 0; // the selection the window shows
    int m_caretHeight = -1; // the caret made for the focus
    // GDI surfaces kept between paints (the window's thread only).
    struct Surface
    {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ old = nullptr;
        int width = 0, height = 0;
        ~Surface() { Reset(); }
        void Reset();
    };
    Surface m_measure, m_back;
    int m_scrollY = 0;
    bool m_showGridLines = true;
    int m_barMax = -1, m_barPage = -1, m_barPos = -1; // what the scroll bar shows
    int m_goalX = -1; // the column kept while moving up and down
    bool m_hasFocus = false;
    bool m_dragging = false;
};
