// Proves the cross toolchain and the module boundary before anything is built on them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fw/resource_chain.h"
#include "probe.h"

namespace {

// A program-side class deriving from a library class.
class CProgramRect : public CProbeShape
{
public:
    CProgramRect(int side, int extra) : CProbeShape(side), m_extra(extra) { }
    int Area() const override { return CProbeShape::Area() + m_extra; } // calls into the library
    const char* Name() const override { return "rect"; }

private:
    int m_extra;
};

TEST(ModuleBoundary, VirtualCallsCrossBothWays)
{
    CProgramRect shape(3, 2);
    // Program -> library (base implementation) -> back to the program's overrides.
    EXPECT_EQ(shape.Area(), 11);
    EXPECT_EQ(shape.Describe(), "rect:11");

    std::unique_ptr<CProbeShape> square(ProbeMakeSquare(4));
    EXPECT_EQ(square->Describe(), "square:16");
}

TEST(ModuleBoundary, ObjectsAreFreedOnTheOtherSide)
{
    const int before = CProbeShape::s_live;
    {
        CProbeShape* fromLibrary = ProbeMakeSquare(5);
        EXPECT_EQ(CProbeShape::s_live, before + 1);
        delete fromLibrary; // virtual destructor, library object, program's delete
    }
    EXPECT_EQ(CProbeShape::s_live, before);

    std::string* text = ProbeMakeString("made in the library");
    text->append(", grown in the program");
    EXPECT_EQ(*text, "made in the library, grown in the program");
    delete text;

    ProbeDeleteString(new std::string(1000, 'x')); // made here, freed there
}

TEST(ModuleBoundary, ExceptionsFromTheLibraryAreCaught)
{
    try {
        ProbeThrow(42);
        FAIL() << "no exception";
    } catch (const CProbeError& e) {
        EXPECT_EQ(e.Code(), 42);
        EXPECT_STREQ(e.what(), "probe failure 42");
    }
    EXPECT_THROW(ProbeThrow(7), std::runtime_error);
}

TEST(ResourceChain, StringAndDialogOfALibraryAreFoundFromTheProgram)
{
    char text[128];
    ASSERT_GT(AfxLoadString(IDS_PROBE_GREETING, text, sizeof text), 0);
    EXPECT_EQ(std::string(text).rfind("Greetings from the probe library", 0), 0u);

    HINSTANCE owner = AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_PROBE_DIALOG), (LPCSTR)RT_DIALOG);
    EXPECT_EQ(owner, ProbeModule());
    EXPECT_NE(owner, GetModuleHandleA(nullptr));

    // A string nobody holds loads empty.
    EXPECT_EQ(AfxLoadString(60001, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST(ResourceChain, DialogTemplateFromTheLibraryCreatesItsDialog)
{
    HINSTANCE owner = AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_PROBE_DIALOG), (LPCSTR)RT_DIALOG);
    HWND dlg = CreateDialogParamA(
        owner, MAKEINTRESOURCEA(IDD_PROBE_DIALOG), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(dlg, nullptr) << "error " << GetLastError();
    char caption[64] = {};
    GetWindowTextA(dlg, caption, sizeof caption);
    EXPECT_STREQ(caption, "Probe Dialog");
    char label[64] = {};
    GetDlgItemTextA(dlg, IDC_PROBE_LABEL, label, sizeof label);
    EXPECT_STREQ(label, "Label");
    DestroyWindow(dlg);
}

LRESULT CALLBACK PaintProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        RECT rc;
        GetClientRect(hWnd, &rc);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &rc, red);
        DeleteObject(red);
        RECT inner = {rc.right / 4, rc.bottom / 4, rc.right * 3 / 4, rc.bottom * 3 / 4};
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &inner, blue);
        DeleteObject(blue);
        EndPaint(hWnd, &ps);
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

// Reads the window's client area back as 32-bit pixels (bottom-up rows flipped to top-down).
std::vector<COLORREF> ReadClient(HWND hWnd, int w, int h)
{
    HDC wdc = GetDC(hWnd);
    HDC mem = CreateCompatibleDC(wdc);
    HBITMAP bmp = CreateCompatibleBitmap(wdc, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, wdc, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(w * h);
    GetDIBits(mem, bmp, 0, h, raw.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hWnd, wdc);
    std::vector<COLORREF> out(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) // DIB pixels are 0x00RRGGBB
        out[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    return out;
}

TEST(Display, WindowIsPaintedAndItsPixelsReadBack)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MqToolchainPaint";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND hWnd = CreateWindowExA(WS_EX_TOPMOST, "MqToolchainPaint", "paint", WS_POPUP, 10, 10, 200,
                                100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    auto px = ReadClient(hWnd, 200, 100);
    EXPECT_EQ(px[5 * 200 + 5], RGB(255, 0, 0)); // outer corner
    EXPECT_EQ(px[50 * 200 + 100], RGB(0, 0, 255)); // centre
    EXPECT_EQ(px[95 * 200 + 195], RGB(255, 0, 0)); // far corner
    DestroyWindow(hWnd);
    UnregisterClassA("MqToolchainPaint", wc.hInstance);
}

} // namespace
