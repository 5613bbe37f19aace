#pragma once

// The checks every window of the game must pass, in any state a player can bring it to.
#include "fakes/FakeServices.h"
#include "platform/Form.h"
#include "qt/ControlWidgets.h"
#include "qt/LayoutChecks.h"
#include "qt/Snapshot.h"
#include "qt/WindowZoom.h"

#include <QCoreApplication>
#include <gmock/gmock.h>
#include <stdexcept>
#include <string>

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

// Unloads every form and lets their windows go, so the next test starts with none.
inline void CloseEveryWindow()
{
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The widget that the renderer made for a control.
inline QWidget& WidgetOf(const Control& control)
{
    auto* binding = dynamic_cast<qt::ControlBinding*>(control.Peer());
    QWidget* widget = binding ? binding->Widget() : nullptr;
    if (!widget)
        throw std::logic_error(control.Name() + " has no widget");
    return *widget;
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
