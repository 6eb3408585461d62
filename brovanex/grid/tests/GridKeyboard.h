// Keys as the system delivers them: a key-down, the character the keystroke makes and the
// key-up, posted to the window that has the focus and dispatched one at a time, with Ctrl and
// Shift held through the thread's keyboard state.
#pragma once
#include "GridTestWindow.h"

class CGridKeyboard
{
public:
    CGridKeyboard() = default;
    ~CGridKeyboard() { Hold(FALSE, FALSE); }
    CGridKeyboard(const CGridKeyboard&) = delete;
    CGridKeyboard& operator=(const CGridKeyboard&) = delete;

    // Ctrl and Shift as GetKeyState reports them until the next call.
    static void Hold(BOOL bCtrl, BOOL bShift)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = bCtrl ? 0x80 : 0;
        keys[VK_SHIFT] = keys[VK_LSHIFT] = bShift ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    // One keystroke: nChar is the character it makes (0: none).
    static void Press(UINT nVirtKey, UINT nChar = 0, HWND hTarget = nullptr)
    {
        HWND hWnd = hTarget != nullptr ? hTarget : ::GetFocus();
        const LPARAM lDown = 1 | ((LPARAM)::MapVirtualKeyA(nVirtKey, 0) << 16);
        ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, lDown);
        Dispatch();
        if (nChar != 0) {
            ::PostMessageA(hWnd, WM_CHAR, nChar, lDown);
            Dispatch();
        }
        ::PostMessageA(hWnd, WM_KEYUP, nVirtKey, lDown | 0xC0000000);
        Dispatch();
    }

    static void Type(const char* psz)
    {
        for (; *psz != 0; ++psz) {
            const SHORT vk = ::VkKeyScanA(*psz);
            Press(vk != -1 ? (UINT)(vk & 0xFF) : 0, (UINT)(BYTE)*psz);
        }
    }

    // Dispatches what is queued (paints included) without making characters of key-downs:
    // the characters are posted as the system would.
    static void Dispatch()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
};
