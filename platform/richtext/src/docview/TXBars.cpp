// The rich-text button bar and status bar.
#include "richtext/TXBars.h"

#include "richtext/TXTextControl.h"

IMPLEMENT_DYNAMIC(CTXButtonBar, CToolBar)
IMPLEMENT_DYNAMIC(CTXStatusBar, CStatusBar)

namespace {
const UINT kButtons[] = {ID_TX_FONTFACE,     ID_SEPARATOR,      ID_TX_FONTSIZE,
                         ID_SEPARATOR,       ID_TX_BOLD,        ID_TX_ITALIC,
                         ID_TX_UNDERLINE,    ID_SEPARATOR,      ID_TX_ALIGN_LEFT,
                         ID_TX_ALIGN_CENTER, ID_TX_ALIGN_RIGHT, ID_TX_ALIGN_JUSTIFY};
constexpr int kButtonCount = sizeof kButtons / sizeof kButtons[0];
const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72};
constexpr int kSizeBoxWidth = 50;

int CALLBACK AddFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM data)
{
    CComboBox* box = reinterpret_cast<CComboBox*>(data);
    if (lf->lfFaceName[0] != '@' && box->FindStringExact(-1, lf->lfFaceName) == CB_ERR)
        box->AddString(lf->lfFaceName);
    return 1;
}
} // namespace

BEGIN_MESSAGE_MAP(CTXButtonBar, CToolBar)
    ON_CBN_SELENDOK(ID_TX_FONTFACE, &CTXButtonBar::OnFaceChosen)
    ON_CBN_SELENDOK(ID_TX_FONTSIZE, &CTXButtonBar::OnSizeChosen)
END_MESSAGE_MAP()

CTXButtonBar::CTXButtonBar() : m_pControl(nullptr) { }

CTXButtonBar::~CTXButtonBar() = default;

BOOL CTXButtonBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID, int fontBoxWidth)
{
    if (!CToolBar::Create(pParent, dwStyle, nID) || !SetButtons(kButtons, kButtonCount))
        return FALSE;
    SetButtonText(4, "B");
    SetButtonText(5, "I");
    SetButtonText(6, "U");
    for (int i = 4; i < 7; ++i)
        SetButtonStyle(i, TBBS_CHECKBOX);
    // Alignment: one of four, checked by the active view's update handler.
    const char* const aligns[] = {"Left", "Center", "Right", "Justify"};
    for (int i = 0; i < 4; ++i) {
        SetButtonText(8 + i, aligns[i]);
        SetButtonStyle(8 + i, TBBS_CHECKBOX);
    }
    // The boxes stand over wide separators.
    SetButtonInfo(0, ID_TX_FONTFACE, TBBS_SEPARATOR, fontBoxWidth);
    SetButtonInfo(2, ID_TX_FONTSIZE, TBBS_SEPARATOR, kSizeBoxWidth);
    m_font.CreateStockObject(DEFAULT_GUI_FONT);
    CRect rect;
    GetItemRect(0, &rect);
    rect.bottom = rect.top + 250;
    if (!m_wndFace.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT, rect, this,
                          ID_TX_FONTFACE))
        return FALSE;
    GetItemRect(2, &rect);
    rect.bottom = rect.top + 250;
    if (!m_wndSize.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, rect, this,
                          ID_TX_FONTSIZE))
        return FALSE;
    m_wndFace.SetFont(&m_font);
    m_wndSize.SetFont(&m_font);
    CClientDC dc(this);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(dc.GetSafeHdc(), &lf, AddFace, reinterpret_cast<LPARAM>(&m_wndFace), 0);
    for (int size : kSizes) {
        char text[8];
        wsprintfA(text, "%d", size);
        m_wndSize.AddString(text);
    }
    ShowFormat(CRichCharFormat());
    return TRUE;
}

void CTXButtonBar::ShowFormat(const CRichCharFormat& format)
{
    m_shown = format;
    if (!m_wndFace.GetSafeHwnd())
        return;
    if (GetFaceText() != format.face.c_str())
        m_wndFace.SetWindowText(format.face.c_str());
    char size[16];
    if (format.halfPoints % 2)
        wsprintfA(size, "%d.5", format.halfPoints / 2);
    else
        wsprintfA(size, "%d", format.halfPoints / 2);
    if (GetSizeText() != size)
        m_wndSize.SetWindowText(size);
}

CString CTXButtonBar::GetFaceText() const
{
    CString text;
    m_wndFace.GetWindowText(text);
    return text;
}

CString CTXButtonBar::GetSizeText() const
{
    CString text;
    m_wndSize.GetWindowText(text);
    return text;
}

void CTXButtonBar::ChooseFace(LPCSTR face)
{
    m_wndFace.SetWindowText(face);
    Apply(true);
}

void CTXButtonBar::ChooseSize(int points)
{
    char text[16];
    wsprintfA(text, "%d", points);
    m_wndSize.SetWindowText(text);
    Apply(false);
}

void CTXButtonBar::Apply(bool face)
{
    if (!m_pControl)
        return;
    CRichCharFormat format = m_pControl->Core().TypingFormat();
    {
        CTextControlCore& core = m_pControl->Core();
        std::lock_guard<std::recursive_mutex> g(core.Lock());
        if (core.SelMin() < core.SelMax())
            format = core.Document().FormatAt(static_cast<size_t>(core.SelMin()));
    }
    if (face) {
        const CString text = GetFaceText();
        if (text.IsEmpty())
            return;
        format.face = (LPCSTR)text;
    } else {
        const double points = atof(GetSizeText());
        if (points < 1 || points > 1638)
            return; // not a size: the box keeps what was typed, nothing changes
        format.halfPoints = static_cast<int>(points * 2 + 0.5);
    }
    m_pControl->Core().SetSelCharFormat(format);
    m_pControl->SyncWithCore(true);
    if (m_pControl->GetSafeHwnd())
        m_pControl->SetFocus();
}

void CTXButtonBar::OnFaceChosen()
{
    const int sel = m_wndFace.GetCurSel();
    if (sel >= 0) {
        CString face;
        m_wndFace.GetLBText(sel, face);
        m_wndFace.SetWindowText(face);
    }
    Apply(true);
}

void CTXButtonBar::OnSizeChosen()
{
    const int sel = m_wndSize.GetCurSel();
    if (sel >= 0) {
        CString size;
        m_wndSize.GetLBText(sel, size);
        m_wndSize.SetWindowText(size);
    }
    Apply(false);
}

BOOL CTXStatusBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID, int panes, LPCSTR format,
                          CFont* font)
{
    m_formats.clear();
    CString all(format ? format : "");
    for (int i = 0;; ++i) {
        CString part;
        if (!AfxExtractSubString(part, all, i, '\n'))
            break;
        m_formats.push_back(part);
    }
    if (!CStatusBar::Create(pParent, dwStyle, nID))
        return FALSE;
    // The message pane, the position panes, then keyboard indicators up to the count.
    std::vector<UINT> ids(1 + m_formats.size(), ID_SEPARATOR);
    const UINT indicators[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_OVR};
    for (size_t i = 0; ids.size() < static_cast<size_t>(panes) && i < 3; ++i)
        ids.push_back(indicators[i]);
    SetIndicators(ids.data(), static_cast<int>(ids.size()));
    if (font && font->GetSafeHandle())
        SetFont(font);
    ShowPosition(1, 1, 1);
    return TRUE;
}

void CTXStatusBar::ShowPosition(unsigned page, unsigned long line, unsigned column)
{
    const unsigned long values[3] = {page, line, column};
    for (size_t i = 0; i < m_formats.size() && i < 3; ++i) {
        const int pane = static_cast<int>(i) + 1; // after the message pane
        CString text;
        text.Format(m_formats[i], values[i]);
        if (GetPaneText(pane) != text) {
            UINT id, style;
            int width;
            GetPaneInfo(pane, id, style, width);
            const int needed = TextWidth(text);
            if (needed > width)
                SetPaneInfo(pane, id, style, needed);
            SetPaneText(pane, text);
        }
    }
}
