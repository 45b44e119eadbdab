#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Links the windows' stored pictures into the program; called once at start-up.
void LoadPictureResources();

// A stored picture by its file name ("smile.png", "thumb0.jpg"). The name's
// ending names the one decoder used; no other is asked.
QPixmap StoredPicture(const QString& fileName);

// A stored picture as a window or button icon.
QIcon StoredIcon(const QString& fileName);
