#include "freshstate.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

namespace accessibility {

namespace {

class Renewer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The next query makes the interface anew, under a new id.
        if (event->type() == QEvent::Show && QAccessible::isActive())
            QAccessible::deleteAccessibleInterface(
                QAccessible::uniqueId(QAccessible::queryAccessibleInterface(watched)));
        return false;
    }
};

} // namespace

// The window owns the filter, which the analyzer cannot see.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void RenewWhenShown(QWidget* window)
{
    auto* renewer = new Renewer(window);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(renewer);
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

} // namespace accessibility
