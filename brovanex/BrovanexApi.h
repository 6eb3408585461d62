// Export macro of the rundown and grid classes. The grid library is also compiled into
// Marquill itself (BROVANEX_STATIC), where nothing is imported or exported.
#pragma once
#include "fw/fwdefs.h"

#if defined(_WIN32) && !defined(BROVANEX_STATIC)
#ifdef BROVANEX_BUILDING
#define BROVANEX_API __declspec(dllexport)
#else
#define BROVANEX_API __declspec(dllimport)
#endif
#elif defined(_WIN32)
#define BROVANEX_API
#else
#define BROVANEX_API __attribute__((visibility("default")))
#endif
