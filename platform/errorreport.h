#pragma once

#include <QString>

#include <functional>

namespace platform {

// Tells the player, in one message box, that something went wrong; the game
// goes on afterwards.
void ReportError(const QString& text);

// Tests collect the messages instead of showing a modal box.
void SetErrorReporter(std::function<void(const QString&)> reporter);

} // namespace platform
