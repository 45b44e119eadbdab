#include "look.h"

#include "fonts.h"
#include "pictureresources.h"
#include "twips.h"

#include <QApplication>
#include <QFrame>
#include <QStyle>
#include <QToolTip>

namespace ui {

QPalette GamePalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    // Disabled text is grey, as the original platform draws it.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    return palette;
}

void ApplyLook()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(GamePalette());
    QToolTip::setFont(FormFont());
    QToolTip::setPalette(GamePalette());
}

void SetUpForm(QWidget* form, const QString& caption, const QString& icon, int widthTwips, int heightTwips)
{
    form->setWindowTitle(caption);
    form->setWindowIcon(StoredIcon(icon));
    form->setFixedSize(Twips(widthTwips), Twips(heightTwips));
    form->setFont(FormFont());
}

QFrame* CaptionlessFrame(QWidget* parent, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

} // namespace ui
