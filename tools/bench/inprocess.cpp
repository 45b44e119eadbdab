#include "inprocess.h"

#include "barewindow.h"
#include "board.h"
#include "boardevents.h"
#include "gamefolder.h"
#include "gamesetup.h"
#include "hightabcontrols.h"
#include "module1.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QSaveFile>

namespace bench {

namespace {

void click(QWidget* box)
{
    const QPointF centre(16, 16);
    QMouseEvent press(
        QEvent::MouseButtonPress, centre, box->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(
        QEvent::MouseButtonRelease, centre, box->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

void press(QWidget* box, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(box, &event);
}

Row dealRow(const QString& folder, int repeats)
{
    Row row{QStringLiteral("NewGame: deal and repaint"), QStringLiteral("ms")};
    row.Ours = Median(TimeEach(repeats, [] {
        Module1::NewGame();
        FlushPaints();
    }));
    row.Baseline = Median(TimeEach(repeats, [&folder] {
        for (int k = 1; k <= 16; ++k)
            QImage(PicturePath(folder, k)).isNull();
    }));
    row.MaxOurs = 1;
    row.MaxRatio = 1.5;
    return row;
}

// Moves one tile into the empty cell and back, so the game never ends.
QList<Row> moveRows(const QString& folder, BareWindow& bare, int repeats)
{
    board& window = Board();
    Module1::NewGame();
    FlushPaints();
    BoardEvents::FindEmptyCell();
    const int empty = 4 * Module1::EmptyRow + Module1::EmptyCol;
    const int beside = Module1::EmptyCol < 3 ? empty + 1 : empty - 1;
    int next = beside;
    Row clickRow{QStringLiteral("click move to repainted boxes"), QStringLiteral("ms")};
    clickRow.Ours = Median(TimeEach(repeats, [&] {
        click(window.Picture1[next]);
        FlushPaints();
        next = next == beside ? empty : beside;
    }));

    // Left moves the tile right of the empty cell into it; right moves it back.
    BoardEvents::FindEmptyCell();
    const bool leftFirst = Module1::EmptyCol < 3;
    bool left = leftFirst;
    Row keyRow{QStringLiteral("key move to repainted boxes"), QStringLiteral("ms")};
    keyRow.Ours = Median(TimeEach(repeats, [&] {
        press(window.Picture1[0], left ? Qt::Key_Left : Qt::Key_Right);
        FlushPaints();
        left = !left;
    }));

    bare.show();
    FlushPaints();
    bool swapped = false;
    const double baseline = Median(TimeEach(repeats, [&] {
        bare.Tiles[0]->setPixmap(QPixmap(PicturePath(folder, swapped ? 1 : 2)));
        bare.Tiles[1]->setPixmap(QPixmap(PicturePath(folder, swapped ? 2 : 1)));
        FlushPaints();
        swapped = !swapped;
    }));
    bare.hide();
    for (Row* row : {&clickRow, &keyRow}) {
        row->Baseline = baseline;
        row->MaxOurs = 0.2;
    }
    return {clickRow, keyRow};
}

// Each round starts from the full file: a save keeps only the ten shown.
Row recordRow(const QString& folder, int repeats)
{
    HightabControls& hightab = Forms::hightab.Load();
    const auto fullFile = [&folder] { WriteFullRecordFile(folder); };
    Row row{QStringLiteral("LoadRecords + SaveRecords, 15 entries"), QStringLiteral("ms")};
    row.Ours = Median(TimeEach(
        repeats,
        [&hightab] {
            hightab.List1->clear();
            hightab.List2->clear();
            Module1::LoadRecords();
            Module1::SaveRecords();
        },
        fullFile));
    const QString path = RecordFilePath(folder);
    row.Baseline = Median(TimeEach(
        repeats,
        [&path] {
            QFile in(path);
            QByteArray bytes;
            if (in.open(QIODevice::ReadOnly))
                bytes = in.readAll();
            QSaveFile out(path);
            if (out.open(QIODevice::WriteOnly)) {
                out.write(bytes);
                out.commit();
            }
        },
        fullFile));
    row.MaxOurs = 0.5;
    return row;
}

} // namespace

QList<Row> InProcess(const QString& folder, int repeats)
{
    PrepareGame(folder);
    ShowAndWaitForPaint(&Board(), Board().Picture1[15]);
    BareWindow bare(folder);
    QList<Row> rows{dealRow(folder, repeats)};
    rows += moveRows(folder, bare, repeats);
    rows.append(recordRow(folder, repeats));
    return rows;
}

} // namespace bench
