// Printing a rich-text view: the pages are found when printing begins (each page holds the
// lines that fit in the page less an inch all round), then drawn one by one by the text
// control on the printer's DC or the page device.
#include "richtext/TXView.h"

BOOL CTXView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

CRect CTXView::PrintArea(CDC* pDC)
{
    int dpiX = pDC->GetDeviceCaps(LOGPIXELSX), dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    CRect area(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    area.DeflateRect(dpiX, dpiY);
    if (area.Width() <= 0 || area.Height() <= 0)
        area.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    return area;
}

void CTXView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_pageStarts.clear();
    if (m_pTextControl == nullptr)
        return;
    CRect area = PrintArea(pDC);
    long length = static_cast<long>(m_pTextControl->Core().Document().Text().size());
    long pos = 0;
    do {
        m_pageStarts.push_back(pos);
        long next = m_pTextControl->FormatRange(pDC->m_hAttribDC, area, pos, false);
        if (next <= pos)
            break;
        pos = next;
    } while (pos < length);
    pInfo->SetMaxPage(static_cast<UINT>(m_pageStarts.size()));
}

void CTXView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    size_t page = pInfo->m_nCurPage - 1;
    if (m_pTextControl == nullptr || page >= m_pageStarts.size())
        return;
    m_pTextControl->FormatRange(pDC->m_hDC, PrintArea(pDC), m_pageStarts[page], true);
}

void CTXView::OnEndPrinting(CDC*, CPrintInfo*) { m_pageStarts.clear(); }
