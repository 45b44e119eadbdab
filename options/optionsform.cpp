#include "options/optionsform.h"

namespace Forms {
platform::LazyForm<OptionsControls> options;
}
