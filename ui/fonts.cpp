#include "fonts.h"

#include <QFont>

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
    // A substitute is only asked for when its family is not installed, so
    // there is no need to read the whole font database at start-up.
    for (const Substitute& s : substitutes)
        QFont::insertSubstitution(QLatin1String(s.family), QLatin1String(s.lookAlike));
}

QFont WindowFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FormFont()
{
    return WindowFont(QStringLiteral("MS Sans Serif"), 8.25, false);
}

} // namespace ui
