#include "qt/FontsAhead.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <system_error>

namespace stumpcraft::qt {

FontsAhead::FontsAhead()
{
    try {
        worker_ = std::thread([this, made = madePromise_.get_future()]() mutable {
            // The configuration is the library's own, shared by every thread; Qt finds it
            // read when it first asks for a font.
            FcInit();
            configuredPromise_.set_value();
            // Qt's font database is guarded for use from any thread, and filled once for all.
            if (made.get())
                QFontDatabase::families();
        });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the fonts itself when the first window needs them.
    }
}

FontsAhead::~FontsAhead() { Finish(); }

void FontsAhead::ApplicationMade()
{
    if (told_)
        return;
    told_ = true;
    madePromise_.set_value(true);
    if (worker_.joinable())
        configured_.wait();
}

void FontsAhead::Finish()
{
    if (!told_) {
        told_ = true;
        madePromise_.set_value(false);
    }
    if (worker_.joinable())
        worker_.join();
}

} // namespace stumpcraft::qt
