// Resource ids of Brovanex.
#pragma once
