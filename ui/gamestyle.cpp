#include "gamestyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace ui {

namespace {

// Black dots on white, one pixel each: on any background one of the two
// stands out at better than 3 : 1.
void drawDottedFrame(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Qt::white, 0));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    QPen dots(Qt::black, 0, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter->setPen(dots);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

// The focused button where it takes Enter itself, else its window's default button.
bool pressedByEnter(const QPushButton* button)
{
    const auto* focused = qobject_cast<const QPushButton*>(button->window()->focusWidget());
    if (focused && (focused->autoDefault() || focused->isDefault()))
        return focused == button;
    return button->isDefault();
}

class GameStyle : public QProxyStyle {
public:
    GameStyle()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }

    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect) {
            drawDottedFrame(painter, option->rect);
            return;
        }
        const auto* button = qobject_cast<const QPushButton*>(widget);
        const auto* buttonOption = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != PE_PanelButtonCommand || !button || !buttonOption) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Fusion marks the focus and the default button alike, and the focus
        // only after a key moved it; here the dotted frame marks the focus
        // from the start, and a black border the button that Enter presses.
        QStyleOptionButton panel = *buttonOption;
        panel.state &= ~State_HasFocus;
        panel.features &= ~QStyleOptionButton::DefaultButton;
        // Fusion caches a face by its palette's identity, and every control
        // holds a copy of its own: buttons in the program's colours share one.
        if (panel.palette == QApplication::palette())
            panel.palette = QApplication::palette();
        if (pressedByEnter(button)) {
            painter->save();
            painter->setPen(QPen(option->palette.color(QPalette::WindowText), 0));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            panel.rect = option->rect.adjusted(1, 1, -1, -1);
        }
        QProxyStyle::drawPrimitive(element, &panel, painter, widget);
        if (option->state & State_HasFocus)
            drawDottedFrame(painter, panel.rect.adjusted(3, 3, -3, -3));
    }

    // Fusion draws a tab's focus only after a key moved it; the original
    // platform framed the focused tab's caption from the start.
    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element != CE_TabBarTabLabel || !tab || !(tab->state & State_HasFocus)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionTab label = *tab;
        label.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &label, painter, widget);
        const QRect text = subElementRect(SE_TabBarTabText, tab, widget);
        drawDottedFrame(painter,
            tab->fontMetrics.boundingRect(text, Qt::AlignCenter | Qt::TextShowMnemonic, tab->text)
                .adjusted(-2, -2, 2, 2)
                .intersected(tab->rect));
    }
};

} // namespace

QStyle* NewGameStyle()
{
    auto* style = new GameStyle;
    // The default button's border moves with the focus within its window,
    // so it is redrawn whenever the focus lands there. Only the window that
    // takes the focus is walked: the one it leaves may be going away.
    QObject::connect(qApp, &QApplication::focusChanged, style, [](QWidget*, QWidget* now) {
        if (now)
            for (QPushButton* button : now->window()->findChildren<QPushButton*>())
                if (button->isDefault())
                    button->update();
    });
    return style;
}

} // namespace ui
