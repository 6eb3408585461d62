// Images and objects in the edit window and on printed pages.
#include "framework.h"
#include "richtext/ObjectPainter.h"
#include "richtext/Codepage.h"
#include "richtext/RichObject.h"
#include "fw/gdi_guard.h"

namespace richtext {

std::string ObjectLabel(const CRichObject& object)
{
    if (object.kind == CRichObject::kObject)
        return Utf16ToAnsi(object.name.empty() ? AnsiToUtf16(object.className) : object.name);
    return object.format == CRichObject::kPng ? "PNG image"
        : object.format == CRichObject::kJpeg ? "JPEG image"
                                              : "Image";
}

void DrawRichObject(HDC dc, const CRichObject& object, const RECT& rect)
{
    int w = 0, h = 0;
    if (object.kind == CRichObject::kImage && object.format == CRichObject::kDib &&
        PictureSize(object.format, object.data, w, h)) {
        const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(object.data.data());
        const size_t header = info->bmiHeader.biSize;
        size_t colours = info->bmiHeader.biClrUsed;
        if (info->bmiHeader.biBitCount <= 8 && colours == 0)
            colours = size_t(1) << info->bmiHeader.biBitCount;
        if (info->bmiHeader.biCompression == BI_BITFIELDS && header == 40)
            colours += 3;
        const char* bits = object.data.data() + header + colours * 4;
        const int mode = ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchDIBits(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0,
                        0, w, h, bits, info, DIB_RGB_COLORS, SRCCOPY);
        ::SetStretchBltMode(dc, mode);
        return;
    }
    // A box: a grey frame on white, the label inside.
    CGdiHandle<HBRUSH> white(::CreateSolidBrush(RGB(255, 255, 255)));
    CGdiHandle<HBRUSH> grey(::CreateSolidBrush(RGB(128, 128, 128)));
    ::FillRect(dc, &rect, white.Get());
    ::FrameRect(dc, &rect, grey.Get());
    const std::string label = ObjectLabel(object);
    RECT inner = rect;
    ::InflateRect(&inner, -2, -1);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, RGB(64, 64, 64));
    CGdiSelection font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &inner,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

void DrawCellEdges(HDC dc, const std::vector<int>& edges, int dx, int top, int bottom, bool grid)
{
    if (edges.size() < 2)
        return;
    CGdiHandle<HBRUSH> brush(::CreateSolidBrush(grid ? RGB(192, 192, 192) : RGB(0, 0, 0)));
    auto fill = [&](int l, int t, int r, int b) {
        RECT rc = {l, t, r, b};
        ::FillRect(dc, &rc, brush.Get());
    };
    const int left = edges.front() + dx, right = edges.back() + dx + 1;
    fill(left, top, right, top + 1);
    fill(left, bottom - 1, right, bottom);
    for (int edge : edges)
        fill(edge + dx, top, edge + dx + 1, bottom);
}

} // namespace richtext
