#include "look.h"

#include "fonts.h"
#include "gamestyle.h"
#include "pictureresources.h"
#include "twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QToolTip>

namespace ui {

QPalette GamePalette()
{
    const QColor face(240, 240, 240);
    const QColor shadow(160, 160, 160);
    // Window text, button face, light, dark, mid, text, bright text, window background, form.
    QPalette palette(Qt::black, face, Qt::white, shadow, shadow, Qt::black, Qt::white, Qt::white, face);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(128, 128, 128));
    // Disabled text is grey, as the original platform draws it.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    // Each role set on its own, so that none is taken from the desktop.
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    return palette;
}

namespace {

// The game's palette as the application holds it, from ApplyLook on. Windows
// given this very copy resolve their controls' palettes without comparing
// every colour.
QPalette& heldGamePalette()
{
    static QPalette palette;
    return palette;
}

} // namespace

void ApplyLook()
{
    QApplication::setStyle(NewGameStyle());
    // Setting the application's palette and font also drops those that a
    // platform theme gave to kinds of control.
    QApplication::setPalette(GamePalette());
    heldGamePalette() = QApplication::palette();
    QApplication::setFont(FormFont());
    QToolTip::setFont(FormFont());
    QToolTip::setPalette(heldGamePalette());
}

void SetUpForm(QWidget* form, const QString& caption, const QString& icon, int widthTwips, int heightTwips)
{
    form->setWindowTitle(caption);
    form->setWindowIcon(StoredIcon(icon));
    form->setFixedSize(Twips(widthTwips), Twips(heightTwips));
    // Set on the window, font and palette reach every control in it before
    // anything a theme sets for a kind of control.
    form->setFont(FormFont());
    form->setPalette(heldGamePalette());
}

QFrame* CaptionlessFrame(QWidget* parent, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

void PutLabelsBeneath(QWidget* form)
{
    for (QLabel* label : form->findChildren<QLabel*>())
        label->lower();
}

} // namespace ui
