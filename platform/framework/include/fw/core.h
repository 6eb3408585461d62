// The window-free core of the framework: objects, strings, collections, archives,
// files, exceptions, time and geometry.
#pragma once
#include "fw/fwdefs.h"
#include "fw/diagnostics.h"
#include "fw/object.h"
#include "fw/string.h"
#include "fw/geometry.h"
#include "fw/exceptions.h"
#include "fw/collections.h"
#include "fw/archive.h"
#include "fw/file.h"
#include "fw/safe_save.h"
#include "fw/time.h"
