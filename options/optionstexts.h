#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

// The options window's texts: its help text, its status line and its about page.
namespace OptionsTexts {

enum Tab {
    PictureTab = 0,
    HelpTab = 1,
    AboutTab = 2
};

// Where players reach the game's maker, as the build was told.
QString ContactAddress();

// The game's version, as the build names it.
QString Version();

// The about page's texts, one line each: name, version, pictures, licence.
QStringList AboutTexts();

// Appends the help text to the label, piece by piece, as the window loads.
// Its lines break with LF CR.
void AssembleHelpText(QLabel* label);

// The help text as a screen shows it: every LF CR one line break.
QString ScreenText(const QString& text);

// The status line's text for a newly selected tab.
QString StatusText(int tab);

} // namespace OptionsTexts
