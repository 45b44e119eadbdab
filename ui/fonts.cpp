#include "fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>

namespace ui {

namespace {

// The windows' families and the free look-alikes that the game's package
// depends on; Debian's fonts-liberation and fonts-texgyre name them so.
struct LookAlike {
    const char* family;
    const char* lookAlike;
};
constexpr LookAlike lookAlikes[] = {
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Book Antiqua", "TeX Gyre Pagella"},
};

// A copy that brings its look-alikes (the Windows one) keeps them in a
// folder beside the program; a system with its own copies has none.
void loadShippedFonts()
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(file));
}

// The family that draws a window's family: its look-alike where that is
// installed, else the family itself, for a system that has it. Decided once,
// so that no font asks for a family that is missing: Qt's search for a
// stand-in costs the start-up more than reading the list of families.
QString drawnFamily(const QString& family)
{
    static const QHash<QString, QString> drawn = [] {
        loadShippedFonts();
        const QStringList installed = QFontDatabase::families();
        QHash<QString, QString> map;
        for (const LookAlike& font : lookAlikes) {
            const QString lookAlike = QString::fromLatin1(font.lookAlike);
            map.insert(QString::fromLatin1(font.family), installed.contains(lookAlike) ? lookAlike : font.family);
        }
        return map;
    }();
    return drawn.value(family, family);
}

} // namespace

QFont WindowFont(const QString& family, double points, bool bold)
{
    QFont font(drawnFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FormFont()
{
    return WindowFont(QStringLiteral("MS Sans Serif"), 8.25, false);
}

} // namespace ui
