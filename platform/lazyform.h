#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace platform {

// A window that is loaded on its first use, as the game's windows are: code
// that reaches for its controls loads it (hidden) when it is not loaded yet.
// Controls is a plain struct of pointers to the window's controls; the window
// fills it in by calling Attach from its constructor, before it runs any
// handler of its own.
template <class Controls> class LazyForm {
public:
    using Maker = std::function<QWidget*()>;

    void SetMaker(Maker maker) { maker_ = std::move(maker); }

    Controls& operator()()
    {
        if (!IsLoaded()) {
            Q_ASSERT_X(maker_, "LazyForm", "no window registered");
            maker_();
        }
        return controls_;
    }

    bool IsLoaded() const { return !window_.isNull(); }

    // The window's top-level widget, or null while it is not loaded.
    QWidget* Window() const { return window_.data(); }

    void Attach(QWidget* window, const Controls& controls)
    {
        window_ = window;
        controls_ = controls;
    }

    // Destroys the window with all its state. The widget goes at the next
    // turn of the event loop, so a window may unload itself from one of its
    // own handlers; from now on it counts as not loaded.
    void Unload()
    {
        if (QWidget* window = window_.data()) {
            window_.clear();
            controls_ = Controls{};
            window->hide();
            window->deleteLater();
        }
    }

private:
    Maker maker_;
    QPointer<QWidget> window_;
    Controls controls_{};
};

} // namespace platform
