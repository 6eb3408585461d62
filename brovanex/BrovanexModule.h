// Brovanex's start-up: the one call the program makes before any rundown view exists.
#pragma once
#include "BrovanexApi.h"

// Starts Brovanex's copy of the grid library with the standard control factory and
// joins Brovanex's resources to the program's resource chain.
BROVANEX_API void GridInit();
