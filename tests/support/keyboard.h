#pragma once

#include <QStringList>

// Sends each step to the widget focused at that moment: "<Name>" is one key, else typed text; no focus fails.
void PressKeys(const QStringList& steps);
QString ActiveWindowName(); // class name, or "none"
