#include "hightab.h"

#include "boardcontrols.h"
#include "colours.h"
#include "fonts.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "hightabevents.h"
#include "look.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

QLabel* heading(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(ui::WindowFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    ui::SetForeground(label, QColor(255, 255, 0));
    ui::SetBackground(label, QColor(0, 192, 192));
    return label;
}

// Ten rows of names and times fit without scroll bars; a scroll bar would
// only take the room of the times.
QListWidget* list(QWidget* parent, const QRect& geometry)
{
    auto* box = new QListWidget(parent);
    box->setGeometry(geometry);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTextElideMode(Qt::ElideNone);
    return box;
}

} // namespace

hightab::hightab(QWidget* parent)
    : QWidget(parent)
{
    ui::SetUpForm(this, QStringLiteral("Rekordlista"), QStringLiteral("star.png"), 2550, 3360);

    Frame1 = ui::CaptionlessFrame(this, ui::TwipsRect(0, 0, 2550, 3345));
    List1 = list(Frame1, ui::TwipsRect(240, 580, 1095, 2010));
    List2 = list(Frame1, ui::TwipsRect(1560, 580, 735, 2010));
    Label1 = heading(Frame1, QStringLiteral("Név"), ui::TwipsRect(240, 360, 1095, 255));
    Label2 = heading(Frame1, QStringLiteral("Idő"), ui::TwipsRect(1560, 360, 735, 255));
    Command1 = new QPushButton(QStringLiteral("Rendben"), Frame1);
    Command1->setGeometry(ui::TwipsRect(240, 2800, 855, 375));
    Command2 = new QPushButton(QStringLiteral("Törlés"), Frame1);
    Command2->setGeometry(ui::TwipsRect(1440, 2800, 855, 375));

    connect(Command1, &QPushButton::clicked, this, &HightabEvents::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HightabEvents::Command2_Click);
    connect(List1, &QListWidget::currentRowChanged, this, &HightabEvents::List1_Click);
    connect(List2, &QListWidget::currentRowChanged, this, &HightabEvents::List2_Click);
    // More rows than the height shows scroll both lists as one, so that each
    // name stays beside its time.
    connect(List1->verticalScrollBar(), &QScrollBar::valueChanged, List2->verticalScrollBar(), &QScrollBar::setValue);
    connect(List2->verticalScrollBar(), &QScrollBar::valueChanged, List1->verticalScrollBar(), &QScrollBar::setValue);

    Form = this;
    Forms::hightab.Attach(this, this);

    ui::SetBackground(List1, QColor(136, 160, 112));
    ui::SetBackground(List2, QColor(136, 160, 112));
    ui::SetBackground(Label1, QColor(1, 127, 126));
    ui::SetBackground(Label2, QColor(1, 127, 126));
    HightabEvents::Form_Load();
}

void hightab::showEvent(QShowEvent* event)
{
    HightabEvents::Form_Activate();
    QWidget::showEvent(event);
}

void hightab::keyPressEvent(QKeyEvent* event)
{
    if (!HightabEvents::Form_KeyDown(event->key()))
        QWidget::keyPressEvent(event);
}

void hightab::closeEvent(QCloseEvent* event)
{
    if (HightabEvents::Form_QueryUnload())
        event->ignore();
}
