#pragma once

// The checks every window of the game must pass, in any state a player can bring it to.
#include "platform/Form.h"
#include "qt/LayoutChecks.h"
#include "qt/Snapshot.h"

#include <gmock/gmock.h>
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

} // namespace stumpcraft::testing
