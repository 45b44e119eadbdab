#pragma once

#include <QLabel>
#include <QWidget>

#include <array>

namespace bench {

// The plainest window that shows what the main window's board shows: the 16
// tile pictures from `folder` as 32x32 labels in a 4x4 grid.
class BareWindow : public QWidget {
public:
    explicit BareWindow(const QString& folder);

    std::array<QLabel*, 16> Tiles{};
};

} // namespace bench
