#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes the pictures as one Windows icon file (.ico), each size stored as
// PNG, as Windows reads them since Vista. Sizes up to 256.
bool SaveIconFile(const QList<QImage>& sizes, const QString& path);
