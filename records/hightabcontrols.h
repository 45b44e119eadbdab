#pragma once

#include "lazyform.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// Every control of the record-list window. Once it is made, its two lists are
// the run-time copy of the records, row for row: names in List1, time texts in
// List2 (until then the rows wait in recordrows).
struct HightabControls {
    QWidget* Form = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr; // "Név"
    QLabel* Label2 = nullptr; // "Idő"
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QPushButton* Command1 = nullptr; // "Rendben"
    QPushButton* Command2 = nullptr; // "Törlés"
};

namespace Forms {
extern platform::LazyForm<HightabControls> hightab;
}
