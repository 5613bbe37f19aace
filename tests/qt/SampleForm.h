#pragma once

// The sample window on the live toolkit.
#include "FrmSample.h"
#include "WindowChecks.h"
#include "qt/QtToolkit.h"
#include "qt/Renderer.h"

#include <QApplication>
#include <QPushButton>

namespace stumpcraft::testing {

// The live toolkit over the fakes: windows are real (offscreen), the agent and shell are not.
// Every form and window is gone at the end of each test.
class LivePlatform : public ::testing::Test {
protected:
    LivePlatform()
    {
        qt::InstallLook();
        Platform().toolkit = &toolkit;
    }
    ~LivePlatform() override { CloseEveryWindow(); }

    fakes::FakePlatform platform;
    qt::QtToolkit toolkit;
};

} // namespace stumpcraft::testing
