#include <gtest/gtest.h>

#include "support/Sandbox.h"
#include "window/SettingsWindow.h"

TEST(SettingsWindowTest, Opens) {
    testbed::RegistrySandbox sandbox;
    SettingsWindow w;
    w.Create();
    EXPECT_TRUE(IsWindow(w.Handle()));
}
