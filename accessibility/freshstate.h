#pragma once

class QWidget;

namespace accessibility {

// A reader keeps what it once asked of a control: a control it met hidden
// (a tab's page, the smiling face) stays "not visible" to it after it is
// shown, as Qt tells it only that the control is showing. So each control
// of the window gets a new identity each time it is shown, which the reader
// asks about afresh. Attached once to a freshly made window.
void RenewWhenShown(QWidget* window);

} // namespace accessibility
