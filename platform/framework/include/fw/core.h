// The window-free core of the framework: objects, strings, collections, archives,
// files, exceptions, time and geometry.
#pragma once
#include "fw/fwdefs.h"
