// The least Qt program that shows what the game's main window shows: the 16
// tile pictures of FOLDER as 32x32 labels, the clock's "00 : 00" in its bold
// font and three buttons with the game's icons from ICONS. It links nothing
// of the game, so its start is the floor a whole start of the game is
// measured against (under X11, by the benchmark table).
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: dezudor-least FOLDER ICONS\n");
        return 2;
    }
    const QDir folder(arguments[1]), icons(arguments[2]);
    constexpr int margin = 8;
    constexpr int tile = 32;
    QWidget window;
    window.setFixedSize(2 * margin + 4 * tile, 3 * margin + 6 * tile);
    auto* clock = new QLabel(QStringLiteral("00 : 00"), &window);
    clock->setGeometry(margin, margin, 4 * tile, tile);
    QFont font(QStringLiteral("Liberation Sans"), 12);
    font.setBold(true);
    clock->setFont(font);
    for (int i = 0; i < 16; ++i) {
        auto* label = new QLabel(&window);
        label->setGeometry(margin + tile * (i % 4), margin + tile * (1 + i / 4), tile, tile);
        label->setPixmap(QPixmap(folder.filePath(QString::number(i + 1) + QStringLiteral(".jpg"))));
    }
    const char* const names[] = {"newgame.png", "options.png", "exit.png"};
    for (int b = 0; b < 3; ++b) {
        // The PNG reader named: left to guess, the reader would load every image plugin.
        QImageReader reader(icons.filePath(QLatin1String(names[b])), "png");
        reader.setAutoDetectImageFormat(false);
        auto* button = new QPushButton(QIcon(QPixmap::fromImage(reader.read())), QString(), &window);
        button->setIconSize(QSize(tile, tile));
        button->setGeometry(margin + 3 * tile / 2 * b, 2 * margin + 5 * tile, tile + margin, tile + margin);
    }
    window.show();
    return QApplication::exec();
}
