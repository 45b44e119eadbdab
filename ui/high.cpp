#include "ui/high.h"

#include "records/recordentry.h"
#include "records/recordforms.h"
#include "resources/pictureresources.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/twips.h"

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
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    box->setPalette(palette);
    return box;
}

} // namespace

high::high(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Felvétel a rekord listába"));
    setWindowIcon(StoredIcon(QStringLiteral("star.png")));
    setFixedSize(ui::Twips(3210), ui::Twips(1740));

    Frame1 = new QFrame(this);
    Frame1->setGeometry(ui::TwipsRect(0, 0, 3200, 1695));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Label1 = caption(Frame1, QStringLiteral("Név:"), ui::TwipsRect(600, 240, 615, 255));
    Label2 = caption(Frame1, QStringLiteral("Időeredmény:"), ui::TwipsRect(1700, 240, 1335, 255));
    Text1 = textBox(Frame1, QStringLiteral("Névtelen"), ui::TwipsRect(240, 600, 1335, 315));
    Text2 = textBox(Frame1, QString(), ui::TwipsRect(1900, 600, 855, 315));
    Command2 = new QPushButton(QStringLiteral("Mégsem"), Frame1);
    Command2->setGeometry(ui::TwipsRect(1850, 1080, 975, 375));
    Command1 = new QPushButton(QStringLiteral("Rendben"), this);
    Command1->setGeometry(ui::TwipsRect(480, 1080, 975, 375));
    Command1->setDefault(true);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();

    connect(Text1, &platform::TextBox::KeyPress, this, &high::Text1_KeyPress);
    connect(Command1, &QPushButton::clicked, this, &high::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &high::Command2_Click);

    Forms::high.Attach(this, HighControls{this, Text1, Text2});
}

void high::Text1_KeyPress(int KeyAscii)
{
    RecordEntry::Text1_KeyPress(KeyAscii);
}

void high::Command1_Click()
{
    RecordEntry::Command1_Click();
}

void high::Command2_Click()
{
    RecordEntry::Command2_Click();
}
