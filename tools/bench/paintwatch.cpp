#include "paintwatch.h"

#include <QEvent>

#include <algorithm>

namespace bench {

PaintWatch::PaintWatch(const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets) {
        widgets_.append(widget);
        widget->installEventFilter(this);
    }
    painted_.fill(false, widgets_.size());
}

PaintWatch::~PaintWatch()
{
    for (const QPointer<QWidget>& widget : widgets_)
        if (widget)
            widget->removeEventFilter(this);
}

bool PaintWatch::AllPainted() const
{
    return std::all_of(painted_.begin(), painted_.end(), [](bool painted) { return painted; });
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return false;
    const qsizetype at = widgets_.indexOf(qobject_cast<QWidget*>(watched));
    if (at >= 0)
        painted_[at] = true;
    return false;
}

} // namespace bench
