#include "options.h"

#include "colours.h"
#include "fonts.h"
#include "look.h"
#include "optionscontrols.h"
#include "optionsevents.h"
#include "optionstexts.h"
#include "pictureresources.h"
#include "picturesets.h"
#include "thumbnail.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// The help text keeps its LF CR pairs; a plain label would show each pair as
// two breaks, so the label paints the screen copy instead.
// The Tab key reaches it from the tab caption, so that a screen reader can
// read it.
class HelpLabel : public QLabel {
public:
    explicit HelpLabel(QWidget* parent)
        : QLabel(parent)
    {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(
            contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, OptionsTexts::ScreenText(text()));
        if (hasFocus()) {
            QStyleOptionFocusRect frame;
            frame.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
        }
    }
};

QFrame* makeLine(QWidget* parent, int top, QPalette::ColorRole colour)
{
    auto* line = new QFrame(parent);
    line->setGeometry(ui::TwipsRect(120, top, 4920, 15));
    ui::SetBackground(line, parent->palette().color(colour));
    return line;
}

} // namespace

options::options(QWidget* parent)
    : QWidget(parent)
{
    ui::SetUpForm(this, QStringLiteral("Beállítások"), QStringLiteral("options.png"), 5685, 4455);

    SSTab1 = new QTabWidget(this);
    SSTab1->setGeometry(ui::TwipsRect(120, 120, 5445, 3735));
    Frame1 = addTabFrame(QStringLiteral("Képválasztás"));
    Frame2 = addTabFrame(QStringLiteral("Irányítás"));
    Frame4 = addTabFrame(QStringLiteral("Névjegy"));

    for (int k = 0; k < 6; ++k) {
        Picture3[k] = new Thumbnail(Frame1, k);
        Picture3[k]->setGeometry(ui::TwipsRect(360 + 1620 * (k % 3), 360 + 1440 * (k / 3), 1230, 1230));
        Picture3[k]->SetPicture(StoredPicture(QStringLiteral("thumb%1.jpg").arg(k)));
        Picture3[k]->setAccessibleName(PictureSetChoice::SetTitle(k));
        connect(Picture3[k], &platform::PictureBox::Click, this, &OptionsEvents::Picture3_Click);
    }

    Label6 = new HelpLabel(Frame2);
    Label6->setGeometry(ui::TwipsRect(120, 240, 4935, 2895));

    Picture1 = new platform::PictureBox(Frame4);
    Picture1->setGeometry(ui::TwipsRect(120, 240, 1250, 1250));
    Picture1->SetPicture(StoredPicture(QStringLiteral("numbered.jpg")));
    Picture2 = new platform::PictureBox(Frame4);
    Picture2->setGeometry(ui::TwipsRect(2520, 240, 2430, 780));
    Picture2->SetPicture(StoredPicture(QStringLiteral("banner.jpg")));
    Line1 = makeLine(Frame4, 2160, QPalette::Dark);
    Line2 = makeLine(Frame4, 2200, QPalette::Base);
    const QRect aboutPlaces[] = {
        ui::TwipsRect(2520, 1140, 2520, 300),
        ui::TwipsRect(2520, 1500, 2520, 300),
        ui::TwipsRect(120, 2400, 4920, 300),
        ui::TwipsRect(120, 2760, 4920, 300),
    };
    const QStringList aboutTexts = OptionsTexts::AboutTexts();
    for (int i = 0; i < 4; ++i) {
        AboutLabels[i] = new QLabel(aboutTexts[i], Frame4);
        AboutLabels[i]->setGeometry(aboutPlaces[i]);
        AboutLabels[i]->setFont(ui::WindowFont(QStringLiteral("Arial"), 9, true));
    }

    Label1 = new QLabel(this);
    Label1->setGeometry(ui::TwipsRect(240, 4080, 2655, 255));
    Label1->setFont(ui::WindowFont(QStringLiteral("Times New Roman"), 8.25, true));
    ui::SetForeground(Label1, QColor(0, 0, 255));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(ui::TwipsRect(3120, 3960, 1095, 375));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Mégsem"), this);
    Command2->setGeometry(ui::TwipsRect(4440, 3960, 1095, 375));
    Command2->setAutoDefault(true);

    SSTab1->setCurrentIndex(OptionsTexts::AboutTab);

    connect(SSTab1, &QTabWidget::currentChanged, this, &OptionsEvents::SSTab1_Click);
    connect(Command1, &QPushButton::clicked, this, &OptionsEvents::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &OptionsEvents::Command2_Click);

    Form = this;
    Forms::options.Attach(this, this);

    OptionsEvents::Form_Load();
}

// Each tab's frame stands at 120, 360 twips within the tab control, wherever
// the style puts the tab's page.
QFrame* options::addTabFrame(const QString& title)
{
    auto* page = new QWidget;
    auto* frame = new QFrame(page);
    frame->setFrameShape(QFrame::NoFrame);
    frame->resize(ui::Twips(5175), ui::Twips(3255));
    SSTab1->addTab(page, title);
    page->installEventFilter(this);
    return frame;
}

bool options::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        for (QFrame* frame : {Frame1, Frame2, Frame4})
            if (frame && frame->parent() == watched)
                frame->move(frame->parentWidget()->mapFrom(SSTab1, ui::TwipsPoint(120, 360)));
    return QWidget::eventFilter(watched, event);
}

void options::keyPressEvent(QKeyEvent* event)
{
    if (!OptionsEvents::Form_KeyDown(event->key()))
        QWidget::keyPressEvent(event);
}

void options::closeEvent(QCloseEvent* event)
{
    event->accept();
    OptionsEvents::Form_Unload(this);
}
