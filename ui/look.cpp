#include "look.h"

#include "fonts.h"

#include <QApplication>
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
    InstallFontSubstitutes();
    QToolTip::setFont(FormFont());
    QToolTip::setPalette(GamePalette());
}

} // namespace ui
