#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

// Tells the player, in one message box, that something went wrong; the game
// goes on afterwards.
void ReportError(const QString& text);

// Until ShowErrorsOver, the messages wait: at start-up the player is to see
// them over the main window, not before it.
void HoldErrors();

// Shows the messages held, and from now on each at once; a box goes over
// `window` while no window of the game is active.
void ShowErrorsOver(QWidget* window);

// From now on the messages go to standard error, the held ones too: the
// program is ending and nobody would answer a window.
void ReportErrorsToStandardError();

// Tests collect the messages instead of showing a modal box.
void SetErrorReporter(std::function<void(const QString&)> reporter);

} // namespace platform
