#include "barewindow.h"

#include "gamefolder.h"

#include <QPixmap>

namespace bench {

BareWindow::BareWindow(const QString& folder)
{
    constexpr int margin = 8;
    constexpr int tile = 32;
    setFixedSize(2 * margin + 4 * tile, 2 * margin + 4 * tile);
    for (int i = 0; i < 16; ++i) {
        Tiles[i] = new QLabel(this);
        Tiles[i]->setGeometry(margin + tile * (i % 4), margin + tile * (i / 4), tile, tile);
        Tiles[i]->setPixmap(QPixmap(PicturePath(folder, i + 1)));
    }
}

} // namespace bench
