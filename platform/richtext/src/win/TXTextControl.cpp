// The text control window: creation, the API over the message table, files and memory.
#include "richtext/TXTextControl.h"
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"

CTXTextControl::CTXTextControl() = default;

CTXTextControl::~CTXTextControl()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CTXTextControl::Create(CWnd* pParent, UINT nID, const RECT& rect, CTXNotifyHandler* notify,
                            CFont* font, DWORD style)
{
    m_notify = notify;
    if (font && font->GetSafeHandle()) {
        LOGFONTA lf;
        if (::GetObjectA(font->GetSafeHandle(), sizeof lf, &lf) && lf.lfFaceName[0]) {
            HDC dc = ::GetDC(nullptr);
            int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
            int halfPoints = height ? ::MulDiv(height, 144, ::GetDeviceCaps(dc, LOGPIXELSY)) : 24;
            ::ReleaseDC(nullptr, dc);
            m_core.SetTypingFont(lf.lfFaceName, halfPoints);
        }
    }
    LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_IBEAM));
    return CWnd::Create(cls, "", style | WS_CHILD, rect, pParent, nID);
}

void CTXTextControl::ConnectToolBar(CWnd* buttonBar, CWnd* statusBar)
{
    m_buttonBar = buttonBar;
    m_statusBar = statusBar;
    Refresh(false);
}

LRESULT CTXTextControl::Send(UINT msg, WPARAM w, LPARAM l) const
{
    // Straight to the core: the same table whether or not the window exists yet.
    bool handled = false;
    LRESULT r = const_cast<CTextControlCore&>(m_core).HandleMessage(msg, w, l, handled);
    const_cast<CTXTextControl*>(this)->Refresh(false);
    return r;
}

void CTXTextControl::GetSel(long& nStart, long& nEnd) const
{
    std::lock_guard<std::recursive_mutex> g(m_core.Lock());
    nStart = m_core.Anchor();
    nEnd = m_core.Caret();
}

void CTXTextControl::SetSel(long nStart, long nEnd)
{
    TXPAIR p = {static_cast<LONG>(nStart), static_cast<LONG>(nEnd)};
    Send(TXM_SETSEL, 1, reinterpret_cast<LPARAM>(&p));
}

void CTXTextControl::ReplaceSel(LPCSTR text)
{
    Send(TXM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text));
}

CString CTXTextControl::GetSelText() const
{
    return CString(richtext::Utf16ToAnsi(m_core.SelectedText()).c_str());
}

BOOL CTXTextControl::GetLineAndCol(long& line, long& col) const
{
    TXPAIR p = {0, 0};
    if (!Send(TXM_GETCARETLINECOL, 0, reinterpret_cast<LPARAM>(&p)))
        return FALSE;
    line = p.first;
    col = p.second;
    return TRUE;
}

void CTXTextControl::SetTextColor(COLORREF color)
{
    TXPAIR p = {static_cast<LONG>(color), 0};
    Send(TXM_SETSELCOLOR, TXCOLOR_TEXT, reinterpret_cast<LPARAM>(&p));
}

BOOL CTXTextControl::FieldGetPosition(DWORD id, long& start, long& end) const
{
    TXPAIR p = {0, 0};
    if (!Send(TXM_FIELDGETPOS, id, reinterpret_cast<LPARAM>(&p)))
        return FALSE;
    start = p.first;
    end = p.second;
    return TRUE;
}

BOOL CTXTextControl::FieldGetType(DWORD id, TXFIELDSETTYPE* type) const
{
    return Send(TXM_FIELDGETTYPE, id, reinterpret_cast<LPARAM>(type)) != 0;
}

CString CTXTextControl::FieldGetTypeText(DWORD id) const
{
    std::lock_guard<std::recursive_mutex> g(m_core.Lock());
    const CRichField* f = m_core.Document().FindField(id);
    return CString(f ? richtext::Utf16ToAnsi(f->typeText).c_str() : "");
}

BOOL CTXTextControl::FieldGetData(DWORD id, void* buffer, int size) const
{
    DWORD data = 0;
    if (!buffer || size < static_cast<int>(sizeof data) || !m_core.FieldGetData(id, data))
        return FALSE;
    memcpy(buffer, &data, sizeof data);
    return TRUE;
}

BOOL CTXTextControl::FieldSetDataHelper(DWORD id, DWORD data)
{
    return m_core.FieldSetData(id, data);
}

DWORD CTXTextControl::FieldGetDataHelper(DWORD id) const
{
    DWORD data = 0;
    m_core.FieldGetData(id, data);
    return data;
}

BOOL CTXTextControl::LoadFromMemory(const void* bytes, size_t size, int format)
{
    std::string error;
    std::string data(static_cast<const char*>(bytes), size);
    if (!m_core.Load(data, format, error)) {
        m_lastError = error.c_str();
        return FALSE;
    }
    m_lastError.Empty();
    m_scrollY = 0;
    Refresh(false);
    return TRUE;
}

BOOL CTXTextControl::LoadFile(LPCSTR path, int format, DWORD /*flags*/, int* result)
{
    std::string data, error;
    if (!richtext::ReadFileBytes(path, data, error)) {
        m_lastError = error.c_str();
        if (result)
            *result = 1;
        return FALSE;
    }
    BOOL ok = LoadFromMemory(data.data(), data.size(), format);
    if (result)
        *result = ok ? 0 : 2;
    return ok;
}

BOOL CTXTextControl::SaveToMemory(CByteArray& bytes, int format, DWORD /*flags*/) const
{
    std::string data, error;
    if (!m_core.Save(format, data, error)) {
        const_cast<CString&>(m_lastError) = error.c_str();
        return FALSE;
    }
    bytes.SetSize(static_cast<INT_PTR>(data.size()));
    if (!data.empty())
        memcpy(bytes.GetData(), data.data(), data.size());
    return TRUE;
}

BOOL CTXTextControl::SaveFile(LPCSTR path, int format)
{
    std::string data, error;
    if (!m_core.Save(format, data, error) || !richtext::WriteFileBytes(path, data, error)) {
        m_lastError = error.c_str();
        return FALSE;
    }
    SetModify(FALSE);
    return TRUE;
}
