#pragma once

#include "lazyform.h"
#include "textbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

// Every control of the record-entry window.
struct HighControls {
    QWidget* Form = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;           // "Név:"
    QLabel* Label2 = nullptr;           // "Időeredmény:"
    platform::TextBox* Text1 = nullptr; // the name
    platform::TextBox* Text2 = nullptr; // the finishing time
    QPushButton* Command1 = nullptr;    // "Rendben"
    QPushButton* Command2 = nullptr;    // "Mégsem"
};

namespace Forms {
extern platform::LazyForm<HighControls> high;
}
