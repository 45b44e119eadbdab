#pragma once

#include <QString>

#include <functional>

namespace platform {

// Tells the player, in one message box, that something went wrong; the game
// goes on afterwards.
void ReportError(const QString& text);

// From now on the messages go to standard error: the program is ending and
// nobody would answer a window.
void ReportErrorsToStandardError();

// Tests collect the messages instead of showing a modal box.
void SetErrorReporter(std::function<void(const QString&)> reporter);

} // namespace platform
