// Holds one window open for the life of a test session. Wine's desktop process ends
// about a second after its last window closes; with this window it stays up, so each
// GUI test program does not pay for a new desktop.
#include <windows.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = "MqTestKeepAlive";
    RegisterClassA(&wc);
    CreateWindowExA(WS_EX_TOOLWINDOW, "MqTestKeepAlive", "keepalive", WS_POPUP, -10, -10, 1, 1,
                    nullptr, nullptr, hInstance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
