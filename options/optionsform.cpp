#include "optionsform.h"

namespace Forms {
platform::LazyForm<OptionsControls> options;
}
