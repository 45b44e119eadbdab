#pragma once

#include "testgame.h"

#include <QObject>

#include <memory>

// Sends each step to the widget focused at that moment: "<Name>" is one key, else typed text; no focus fails.
void PressKeys(const QStringList& steps);
QString ActiveWindowName(); // class name, or "none"

// A fresh TestGame per test function; cleanup fails when a top-level window outlives the test.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    BoardControls& ActiveBoard();           // shown and active, so that keys reach its focus
    static void Play(const QString& input); // "click N" clicks tile box N, else a PressKeys step

    std::unique_ptr<TestGame> game;

protected slots:
    void init();
    void cleanup();
};
