#include "qt/StartAhead.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <system_error>

namespace stumpcraft::qt {

StartAhead::StartAhead()
{
    try {
        worker_ = std::thread([this, made = madePromise_.get_future()]() mutable {
            // The configuration is the library's own, shared by every thread; Qt finds it
            // read when it first asks for a font.
            FcInit();
            configuredPromise_.set_value();
            if (!made.get())
                return;
            // Qt's font database is guarded for use from any thread, and filled once for all.
            QFontDatabase::families();
            // The session bus connection is one for the whole program: the accessibility
            // bridge finds it made (or found missing) instead of waiting for it with the
            // menu half made. The fonts come first, since the menu needs them sooner.
            QDBusConnection::sessionBus();
        });
    } catch (const std::system_error&) {
        // No thread to be had: Qt does all of it itself when the first window needs it.
    }
}

StartAhead::~StartAhead() { Finish(); }

void StartAhead::ApplicationMade()
{
    if (told_)
        return;
    told_ = true;
    madePromise_.set_value(true);
    if (worker_.joinable())
        configured_.wait();
}

void StartAhead::Finish()
{
    if (!told_) {
        told_ = true;
        madePromise_.set_value(false);
    }
    if (worker_.joinable())
        worker_.join();
}

} // namespace stumpcraft::qt
