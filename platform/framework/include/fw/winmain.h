// Include in exactly one source file of a program built on the framework: its WinMain
// hands over to the application object (the program's global CWinApp).
#pragma once
#include "fw/app.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                              int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
