// Resource ids of Selvatra.
#pragma once
