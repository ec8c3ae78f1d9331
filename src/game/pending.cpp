// Temporary: empty handlers so the program links while they are being written.
// Each one is removed here when its real definition lands.
#include "game/sol_view.h"

