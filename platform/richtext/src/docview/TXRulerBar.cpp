#include "richtext/TXRulerBar.h"

namespace {
constexpr int kRulerHeight = 18;
} // namespace

CTXRulerBar::CTXRulerBar() : m_bMetric(false)
{
    m_bAutoDelete = FALSE; // the view owns its ruler
}

BOOL CTXRulerBar::Create(CFrameWnd* frame, UINT nID, bool metric)
{
    m_bMetric = metric;
    m_dwStyle = CBRS_TOP;
    LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                     reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CWnd::Create(cls, "Ruler", WS_CHILD | CBRS_TOP, CRect(0, 0, 0, 0), frame, nID);
}

CSize CTXRulerBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    return CSize(bStretch ? 32767 : 0, kRulerHeight);
}

void CTXRulerBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
    const int dpi = pDC->GetDeviceCaps(LOGPIXELSX);
    // Inches in eighths, or centimetres in halves.
    const double unit = m_bMetric ? dpi / 2.54 : dpi;
    const int steps = m_bMetric ? 2 : 8;
    const HGDIOBJ pen = ::GetStockObject(BLACK_PEN);
    const HGDIOBJ oldPen = ::SelectObject(pDC->GetSafeHdc(), pen);
    pDC->SetBkMode(TRANSPARENT);
    for (int i = 0;; ++i) {
        const int x = static_cast<int>(i * unit / steps);
        if (x > rect.right)
            break;
        const bool whole = i % steps == 0;
        const int tick = whole ? 0 : (i % (steps / 2) == 0 ? rect.bottom / 2 : rect.bottom * 3 / 4);
        if (whole && i > 0) {
            char label[8];
            wsprintfA(label, "%d", i / steps);
            pDC->TextOut(x + 2, 1, label, lstrlenA(label));
        }
        pDC->MoveTo(x, whole ? rect.bottom / 3 : tick);
        pDC->LineTo(x, rect.bottom);
    }
    ::SelectObject(pDC->GetSafeHdc(), oldPen);
}
