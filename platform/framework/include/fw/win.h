// The windowed half of the framework: application, windows, message maps, drawing,
// threads and resources.
#pragma once
#include "fw/core.h"
#include "fw/resource_chain.h"
