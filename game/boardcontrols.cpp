#include "boardcontrols.h"

namespace Forms {
platform::LazyForm<BoardControls> board;
}
