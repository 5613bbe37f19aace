#pragma once
// What the first window waits for, made ready on a second core while the application and the
// window are made. Reading the desktop's font configuration (some fifty files of it) and
// filling Qt's font database from it is the largest single part of a start, and the first text
// set on a widget starts Qt's accessibility bridge, which connects to the desktop's message
// bus and waits for the answer. None of it needs a window; the menu then waits only for what
// is not done yet.
#include <future>
#include <thread>

namespace stumpcraft::qt {

class StartAhead {
public:
    // Starts on the font configuration at once: make this before the application.
    StartAhead();
    ~StartAhead();
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    // The application exists: the font database may be filled and the bus connected, which
    // only Qt can do. Returns once the configuration is read (at once, on all but the slowest
    // machines), since Qt would read it again for the first text laid out before then.
    void ApplicationMade();
    // Waits until the work is done (or given up, when the application was never made). Call it
    // while the application is still there.
    void Finish();

private:
    std::promise<void> configuredPromise_;
    std::future<void> configured_ = configuredPromise_.get_future();
    std::promise<bool> madePromise_;
    bool told_ = false;
    std::thread worker_;
};

} // namespace stumpcraft::qt
