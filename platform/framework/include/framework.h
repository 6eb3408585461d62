// Everything of the application framework: the window-free core and the windowed half.
#pragma once
#include "fw/core.h"
#if defined(_WIN32)
#include "fw/win.h"
#endif
