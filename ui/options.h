#pragma once

#include "optionscontrols.h"

#include <QWidget>

// The options window: the picture sets, the help text and the about page.
class options : public QWidget, public OptionsControls {
    Q_OBJECT

public:
    explicit options(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* addTabFrame(const QString& title);
};
