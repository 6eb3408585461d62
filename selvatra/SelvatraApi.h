// Export macro of the prompter display engine's classes.
#pragma once
#include "fw/fwdefs.h"

#if defined(_WIN32)
#ifdef SELVATRA_BUILDING
#define SELVATRA_API __declspec(dllexport)
#else
#define SELVATRA_API __declspec(dllimport)
#endif
#else
#define SELVATRA_API __attribute__((visibility("default")))
#endif
