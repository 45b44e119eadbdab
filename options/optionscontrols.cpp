#include "optionscontrols.h"

namespace Forms {
platform::LazyForm<OptionsControls> options;
}
