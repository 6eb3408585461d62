#include "GridNotify.h"

void SendRundownGridMessage(RundownWindow window, long wParam, long lParam)
{
#if defined(_WIN32)
    if (window != NULL)
        ::SendMessageA(window, RUNDOWN_GRID_MESSAGE, (WPARAM)wParam, (LPARAM)lParam);
#else
    (void)window;
    (void)wParam;
    (void)lParam;
#endif
}
