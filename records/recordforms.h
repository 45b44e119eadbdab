#pragma once

#include "lazyform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The record-entry window's controls that the game's procedures work on.
struct HighControls {
    QWidget* Form = nullptr;
    QLineEdit* Text1 = nullptr; // the name
    QLineEdit* Text2 = nullptr; // the finishing time
};

// The record-list window's controls; its two lists are the run-time copy of
// the records, row for row: names in List1, time texts in List2.
struct HightabControls {
    QWidget* Form = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
};

namespace Forms {
extern platform::LazyForm<HighControls> high;
extern platform::LazyForm<HightabControls> hightab;
} // namespace Forms
