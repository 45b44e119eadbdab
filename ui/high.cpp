#include "high.h"

#include "boardcontrols.h"
#include "colours.h"
#include "fonts.h"
#include "highcontrols.h"
#include "highevents.h"
#include "hightabcontrols.h"
#include "look.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace {

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(ui::WindowFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    ui::SetForeground(label, QColor(0, 0, 255));
    return label;
}

platform::TextBox* textBox(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* box = new platform::TextBox(text, parent);
    box->setGeometry(geometry);
    box->setFont(ui::WindowFont(QStringLiteral("Book Antiqua"), 9.75, true));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    // A disabled box keeps the palette's grey text.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, palette.color(QPalette::ToolTipText));
    box->setPalette(palette);
    return box;
}

} // namespace

high::high(QWidget* parent)
    : QWidget(parent)
{
    ui::SetUpForm(this, QStringLiteral("Felvétel a rekord listába"), QStringLiteral("star.png"), 3210, 1740);

    Frame1 = ui::CaptionlessFrame(this, ui::TwipsRect(0, 0, 3200, 1695));
    Label1 = caption(Frame1, QStringLiteral("Név:"), ui::TwipsRect(600, 240, 615, 255));
    Label2 = caption(Frame1, QStringLiteral("Időeredmény:"), ui::TwipsRect(1700, 240, 1335, 255));
    Text1 = textBox(Frame1, QStringLiteral("Névtelen"), ui::TwipsRect(240, 600, 1335, 315));
    Text2 = textBox(Frame1, QString(), ui::TwipsRect(1900, 600, 855, 315));
    // Whatever this box holds is stored as the time: nothing typed,
    // pasted or dropped may change it.
    Text2->setReadOnly(true);
    Command2 = new QPushButton(QStringLiteral("Mégsem"), Frame1);
    Command2->setGeometry(ui::TwipsRect(1850, 1080, 975, 375));
    Command2->setAutoDefault(true);
    Command1 = new QPushButton(QStringLiteral("Rendben"), this);
    Command1->setGeometry(ui::TwipsRect(480, 1080, 975, 375));
    Command1->setDefault(true);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);

    connect(Text1, &platform::TextBox::KeyPress, this, &HighEvents::Text1_KeyPress);
    connect(Command1, &QPushButton::clicked, this, &HighEvents::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HighEvents::Command2_Click);

    Form = this;
    Forms::high.Attach(this, this);
}

void high::showEvent(QShowEvent* event)
{
    HighEvents::Form_Activate();
    QWidget::showEvent(event);
}

// A focused button takes Enter itself.
void high::keyPressEvent(QKeyEvent* event)
{
    if (!HighEvents::Form_KeyDown(event->key()))
        QWidget::keyPressEvent(event);
}

void high::closeEvent(QCloseEvent* event)
{
    event->accept();
    HighEvents::Form_Unload();
}
