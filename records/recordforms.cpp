#include "recordforms.h"

namespace Forms {
platform::LazyForm<HighControls> high;
platform::LazyForm<HightabControls> hightab;
} // namespace Forms
