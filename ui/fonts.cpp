#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {

void InstallFontSubstitutes()
{
    struct Substitute {
        const char* family;
        const char* lookAlike;
    };
    static const Substitute substitutes[] = {
        {"Arial", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Book Antiqua", "TeX Gyre Pagella"},
    };
    const QStringList installed = QFontDatabase::families();
    for (const Substitute& s : substitutes)
        if (!installed.contains(QLatin1String(s.family)))
            QFont::insertSubstitution(QLatin1String(s.family), QLatin1String(s.lookAlike));
}

QFont WindowFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace ui
