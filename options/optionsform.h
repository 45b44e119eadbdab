#pragma once

#include "lazyform.h"
#include "picturebox.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <array>

// The options window's controls that the game's procedures work on.
struct OptionsControls {
    QWidget* Form = nullptr;
    QTabWidget* SSTab1 = nullptr;                    // "Képválasztás", "Irányítás", "Névjegy"
    std::array<platform::PictureBox*, 6> Picture3{}; // the picture sets' thumbnails
    QLabel* Label1 = nullptr;                        // the status line
    QLabel* Label6 = nullptr;                        // the help text
};

namespace Forms {
extern platform::LazyForm<OptionsControls> options;
}
