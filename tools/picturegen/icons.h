#pragma once

#include <QImage>
#include <QString>

// The windows' icons and pictures, drawn in the look of 16-colour icons.
namespace icons {

QImage Board(int size); // a 3 x 3 grid of blue numbered tiles
QImage Exit();          // an arrow entering an open door
QImage NewGame();       // a clipboard with a tick and a pencil
QImage Options();       // a toolbox with a screwdriver
QImage Smile();         // a yellow smiling face
QImage Star();          // a yellow star with a face
QImage Banner(const QString& version);

// Reduces a drawing to the 16 colours of the standard VGA palette, keeping
// full transparency.
QImage ToSixteenColours(const QImage& image);

} // namespace icons
