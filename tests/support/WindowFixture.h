#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Messages.h"
#include "store/Registry.h"
#include "support/Sandbox.h"
#include "window/SettingsWindow.h"

namespace testbed {

// The real settings window, created in-process against a scratch registry, with its outside world
// (shell launches, error boxes) recorded instead of performed.
class SettingsWindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (createInSetUp) CreateWindowUnderTest();
    }
    bool createInSetUp = true;

    void CreateWindowUnderTest() {
        window = std::make_unique<SettingsWindow>();
        window->shellOpen = [this](const std::wstring& file, const std::wstring& parameters) {
            launches.emplace_back(file, parameters);
        };
        // Each notice with the number of registry accessors alive when it went out; it still goes out.
        window->clockNotice = [this](WPARAM notice) {
            notices.push_back({notice, store::RegistryAccessor::LiveCount()});
            SendClockNotice(notice);
        };
        window->Create();
        Pump();
    }

    // A click on the page's tab, as the user's mouse gives it.
    void ClickTab(ui::Page& page) {
        auto& pages = window->PageControl1.pages;
        int index = static_cast<int>(std::find(pages.begin(), pages.end(), &page) - pages.begin());
        RECT r{};
        HWND tabs = window->PageControl1.Handle();
        SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(tabs, WM_LBUTTONUP, 0, at);
        Pump();
    }

    RegistrySandbox sandbox;
    ErrorCapture errors;
    std::vector<std::pair<std::wstring, std::wstring>> launches;
    struct Notice {
        WPARAM wParam;
        int liveAccessors;
    };
    std::vector<Notice> notices;
    std::unique_ptr<SettingsWindow> window;
};

}  // namespace testbed
