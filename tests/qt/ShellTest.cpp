// The live platform links and runs offscreen.
#include "qt/QtShell.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(QtPlatform, RunsOffscreen) { EXPECT_EQ(QGuiApplication::platformName(), "offscreen"); }
