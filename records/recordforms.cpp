#include "highcontrols.h"
#include "hightabcontrols.h"

namespace Forms {
platform::LazyForm<HighControls> high;
platform::LazyForm<HightabControls> hightab;
} // namespace Forms
