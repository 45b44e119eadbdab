#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace bench {

// Notes which of a set of widgets have received a paint event, so that a
// figure covers a screen that was really drawn.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const QList<QWidget*>& widgets);
    ~PaintWatch() override;

    bool AllPainted() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QWidget>> widgets_;
    QList<bool> painted_;
};

} // namespace bench
