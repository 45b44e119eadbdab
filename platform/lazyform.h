#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace platform {

// A window that is loaded on its first use, as the game's windows are: code
// that reaches for its controls loads it (hidden) when it is not loaded yet.
// Controls is a plain struct of pointers to the window's controls, which the
// window itself holds; it hands the struct over with Attach from its
// constructor, before it runs any handler of its own. Show, Unload, Window
// and IsLoaded need no complete Controls type, so a lower layer may show or
// unload a higher layer's window.
template <class Controls> class LazyForm {
public:
    using Maker = std::function<QWidget*()>;

    void SetMaker(Maker maker) { maker_ = std::move(maker); }

    // The controls, loading the window hidden first if it is not loaded.
    Controls& Load()
    {
        ensureLoaded();
        return *controls_;
    }

    // Loads the window if need be and brings it to the front.
    void Show()
    {
        ensureLoaded();
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    bool IsLoaded() const { return !window_.isNull(); }

    // The window's top-level widget, or null while it is not loaded.
    QWidget* Window() const { return window_.data(); }

    void Attach(QWidget* window, Controls* controls)
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
            controls_ = nullptr;
            window->hide();
            window->deleteLater();
        }
    }

private:
    void ensureLoaded()
    {
        if (IsLoaded())
            return;
        // A window whose constructor reaches for its own form before Attach
        // would otherwise make itself again and again.
        if (loading_)
            qFatal("LazyForm: a window reached for its own controls while it was being loaded");
        if (!maker_)
            qFatal("LazyForm: no window registered");
        loading_ = true;
        maker_();
        loading_ = false;
        if (!IsLoaded())
            qFatal("LazyForm: the window did not attach its controls");
    }

    Maker maker_;
    QPointer<QWidget> window_;
    Controls* controls_ = nullptr;
    bool loading_ = false;
};

} // namespace platform
