#pragma once

namespace platform {

// Installs Qt's own Hungarian texts (context menus, standard dialogs) into the
// running application; false when the system has no such catalogue.
bool LoadQtCatalogue();

} // namespace platform
