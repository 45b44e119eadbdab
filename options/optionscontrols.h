#pragma once

#include "boardcontrols.h"
#include "lazyform.h"
#include "picturebox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <array>

// Every control of the options window.
struct OptionsControls {
    QWidget* Form = nullptr;
    QTabWidget* SSTab1 = nullptr;                    // "Képválasztás", "Irányítás", "Névjegy"
    QFrame* Frame1 = nullptr;                        // "Képválasztás"
    QFrame* Frame2 = nullptr;                        // "Irányítás"
    QFrame* Frame4 = nullptr;                        // "Névjegy"
    std::array<platform::PictureBox*, 6> Picture3{}; // the picture sets' thumbnails
    platform::PictureBox* Picture1 = nullptr;        // the numbered tiles
    platform::PictureBox* Picture2 = nullptr;        // the banner
    QFrame* Line1 = nullptr;                         // the about page's etched separator
    QFrame* Line2 = nullptr;
    std::array<QLabel*, 4> AboutLabels{};
    QLabel* Label1 = nullptr;        // the status line
    QLabel* Label6 = nullptr;        // the help text
    QPushButton* Command1 = nullptr; // OK
    QPushButton* Command2 = nullptr; // "Mégsem"
};
