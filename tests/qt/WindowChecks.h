#pragma once

// The checks every window of the game must pass, in any state a player can bring it to, and the
// ways a test reaches the widgets that the renderer made.
#include "fakes/FakeServices.h"
#include "qt/ControlWidgets.h"
#include "qt/FormWindow.h"
#include "qt/LayoutChecks.h"
#include "qt/Snapshot.h"
#include "qt/WindowZoom.h"

#include <QCoreApplication>
#include <QTest>
#include <gmock/gmock.h>
#include <stdexcept>

namespace stumpcraft::testing {

// Nothing cut short, nothing overlapping, nothing outside its container.
inline void ExpectFinished(Form& form, const std::string& state)
{
    using ::testing::IsEmpty;
    qt::RenderForm(form);
    EXPECT_THAT(qt::CaptionsThatDoNotFit(form), IsEmpty()) << state;
    EXPECT_THAT(qt::OverlappingSiblings(form), IsEmpty()) << state;
    EXPECT_THAT(qt::ControlsOutsideContainer(form), IsEmpty()) << state;
}

// The same on every page of the tab strip; the first page is left showing.
inline void ExpectEveryTabFinished(Form& form, TabStrip& tabs, const std::string& state)
{
    for (int tab = 0; tab < tabs.Tabs(); ++tab) {
        tabs.Tab = tab;
        ExpectFinished(form, state + ", tab " + std::to_string(tab));
    }
    tabs.Tab = 0;
}

// The same at each zoom a window opens at on a screen from 1280x720 up to 1920x1080, and at
// the models' own size; the window is left at the models' size.
inline void ExpectFinishedAtEveryZoom(Form& form, const std::string& state)
{
    qt::RenderForm(form);
    for (const int tenths : { 10, 11, 12, 13, 14, 15, 16, 17, 18 }) {
        qt::WindowFor(form).SetZoom(tenths / 10.0);
        ExpectFinished(form, state + " at " + std::to_string(tenths / 10.0));
    }
    qt::WindowFor(form).SetZoom(1);
}

// Unloads every form and lets their windows go, so the next test starts with none.
inline void CloseEveryWindow()
{
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The widget that shows a control, as its concrete Qt type; throws when there is none.
template <typename W = QWidget> W* WidgetOf(const Control& control)
{
    auto* binding = dynamic_cast<qt::ControlBinding*>(control.Peer());
    W* widget = binding ? qobject_cast<W*>(binding->Widget()) : nullptr;
    if (!widget)
        throw std::logic_error(
            std::string(control.Name()) + " is not shown as the widget expected");
    return widget;
}

// The form's window; throws when it has none.
inline qt::FormWindow* WindowOf(const Form& form)
{
    qt::FormWindow* window = qt::ExistingWindow(form);
    if (!window)
        throw std::logic_error(form.TypeName() + " has no window");
    return window;
}

// Shows the form in its live window, as the game does, and waits until it is on the screen.
inline bool ShownOnScreen(Form& form)
{
    form.Show();
    qt::FormWindow& window = qt::WindowFor(form);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// A test of the game's windows on the fake services, drawn by the live renderer.
class WindowTest : public ::testing::Test {
protected:
    ~WindowTest() override { CloseEveryWindow(); }

    fakes::FakePlatform platform;
};

// Windows opened while this lives are drawn at the given zoom; then back to the models' size.
class OpeningZoom {
public:
    explicit OpeningZoom(double zoom) { qt::SetOpeningZoom(zoom, false); }
    ~OpeningZoom() { qt::SetOpeningZoom(1, false); }
    OpeningZoom(const OpeningZoom&) = delete;
    OpeningZoom& operator=(const OpeningZoom&) = delete;
};

} // namespace stumpcraft::testing
