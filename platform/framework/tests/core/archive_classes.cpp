// Run-time classes of the archive tests' serializable shapes.
#include "archive_support.h"

IMPLEMENT_SERIAL(CTestShape, CObject, 1)
IMPLEMENT_SERIAL(CTestGroup, CTestShape, 1)
IMPLEMENT_SERIAL(CTestVersioned, CObject, VERSIONABLE_SCHEMA | 2)
