#pragma once

#include "testgame.h"

#include <QObject>

#include <memory>

// The base of every window test. Each test function gets a fresh TestGame
// (temporary game folder, seeded random source, still clock); cleanup unloads
// the windows and fails when a top-level window outlives the test.
class WindowTest : public QObject {
    Q_OBJECT

public:
    explicit WindowTest(quint64 seed = 1)
        : seed_(seed)
    {
    }

protected:
    // The bytes of a file in the game's folder; empty when it cannot be read.
    QByteArray FileBytes(const QString& name) const;

    // The main window, shown and active, so that keys reach its focus.
    BoardControls& ActiveBoard();

    // One player's input: "click N" clicks tile box N, anything else is a
    // PressKeys step.
    static void Play(const QString& input);

    std::unique_ptr<TestGame> game;

protected slots:
    void init();
    void cleanup();

private:
    quint64 seed_;
};
