#include "board.h"

#include "boardcontrols.h"
#include "boardevents.h"
#include "colours.h"
#include "fonts.h"
#include "look.h"
#include "module1.h"
#include "optionscontrols.h"
#include "pictureresources.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPainter>

namespace {

// The double etched border along the client edges, in twips.
struct FrameLine {
    bool dark;
    int x1, y1, x2, y2;
};
constexpr FrameLine frameLines[] = {
    {true, 0, 20, 0, 3700},        // Line7
    {true, 20, 20, 2150, 20},      // Line3
    {false, 0, 3700, 2160, 3700},  // Line1
    {false, 2160, 20, 2160, 3700}, // Line5
    {false, 50, 70, 50, 3650},     // Line6
    {false, 70, 70, 2100, 70},     // Line4
    {true, 50, 3650, 2130, 3650},  // Line2
    {true, 2110, 70, 2110, 3650},  // Line8
};

} // namespace

board::board(QWidget* parent)
    : QWidget(parent)
{
    ui::SetUpForm(this, QStringLiteral("Dezudor játék"), QStringLiteral("board.png"), 2190, 3750);

    for (int i = 0; i < 16; ++i) {
        Picture1[i] = new platform::PictureBox(this, i);
        Picture1[i]->setGeometry(ui::TwipsRect(120 + 480 * (i % 4), 840 + 480 * (i / 4), 480, 480));
        Picture1[i]->setFocusPolicy(Qt::StrongFocus);
        connect(Picture1[i], &platform::PictureBox::Click, this, &BoardEvents::Picture1_Click);
        connect(Picture1[i], &platform::PictureBox::KeyDown, this, &BoardEvents::Picture1_KeyDown);
    }

    Command1
        = makePictureButton(ui::TwipsRect(1550, 3000, 500, 500), QStringLiteral("exit"), QStringLiteral("Kilépés"));
    Command2 = makePictureButton(ui::TwipsRect(120, 3000, 500, 500), QStringLiteral("newgame"), QStringLiteral("Újra"));

    Picture2 = new platform::PictureBox(this);
    Picture2->setGeometry(ui::TwipsRect(1500, 150, 550, 550));
    Picture2->hide();
    Picture2->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("00 : 00"), this);
    Label1->setGeometry(ui::TwipsRect(240, 240, 975, 375));
    Label1->setFont(ui::WindowFont(QStringLiteral("Arial"), 12, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setToolTip(QStringLiteral("Játékidő"));

    Command3 = makePictureButton(
        ui::TwipsRect(845, 3000, 500, 500), QStringLiteral("options"), QStringLiteral("Beállítások"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connect(Command1, &QPushButton::clicked, this, &BoardEvents::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BoardEvents::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &BoardEvents::Command3_Click);
    connect(Timer1, &QTimer::timeout, this, &BoardEvents::Timer1_Timer);

    for (int i = 1; i < 16; ++i)
        setTabOrder(Picture1[i - 1], Picture1[i]);
    setTabOrder(Picture1[15], Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    Picture1[15]->installEventFilter(this);

    Form = this;
    Forms::board.Attach(this, this);

    ui::SetBackground(Label1, QColor(136, 160, 112));
    BoardEvents::Form_Load();
}

// Buttons take the focus only from the Tab key, so a click on one leaves the
// arrow keys with the board.
QPushButton* board::makePictureButton(const QRect& geometry, const QString& icon, const QString& toolTip)
{
    auto* button = new QPushButton(this);
    button->setGeometry(geometry);
    button->setIcon(StoredIcon(icon + QStringLiteral(".png")));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void board::paintEvent(QPaintEvent*)
{
    // Each line is one pixel wide and level or upright: a filled rectangle
    // paints its pixels, end points included, without the pen's stroker.
    QPainter painter(this);
    for (const FrameLine& line : frameLines)
        painter.fillRect(QRect(ui::TwipsPoint(line.x1, line.y1), ui::TwipsPoint(line.x2, line.y2)).normalized(),
            palette().color(line.dark ? QPalette::WindowText : QPalette::Base));
}

bool board::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1[15] && event->type() == QEvent::EnabledChange && !Picture1[15]->isEnabled())
        BoardEvents::Picture1_Disabled(15);
    // The face is read when a solved game first shows it, not at every start.
    if (watched == Picture2 && event->type() == QEvent::Show && Picture2->Picture().isNull())
        Picture2->SetPicture(StoredPicture(QStringLiteral("smile.png")));
    return QWidget::eventFilter(watched, event);
}

void board::closeEvent(QCloseEvent* event)
{
    event->accept();
    BoardEvents::Form_Unload(this);
}
