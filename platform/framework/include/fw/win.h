// The windowed half of the framework: application, windows, message maps, drawing,
// threads and resources.
#pragma once
#include "fw/core.h"
#include "fw/winbase.h"
#include "fw/resource_chain.h"
#include "fw/cmdtarget.h"
#include "fw/msgmap.h"
#include "fw/gdi.h"
#include "fw/dc.h"
#include "fw/menu.h"
#include "fw/wnd.h"
#include "fw/ctrls.h"
#include "fw/sync.h"
#include "fw/thread.h"
#include "fw/app.h"
#include "fw/msgbox.h"
#include "fw/module.h"
