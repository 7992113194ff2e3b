#pragma once

// Runs a calculator page the way the main window holds it, but alone: as a
// child of a modal window's tab control, over the test's own program-wide
// values, so no other page's start-up gets in the way.

#include <functional>

#include "platform/dialog.h"
#include "platform/test_seam.h"
#include "res/main_ids.h"

namespace tallyfox::testing {

// Creates `page` inside the host and runs `actions` while the host is open;
// the expectations `actions` add to `script` come after the host's own.
inline void RunHosted(UiScript& script, Dialog& page, const std::function<void()>& actions) {
  script.ExpectDialog(kIddMainPortrait, [&](Dialog& host) {
    page.Create(host.Item(kIdcTabControl));
    page.ShowWindow(true);
    actions();
    page.DestroyWindow();
    host.EndDialog(kIdOk);
  });
  Dialog(kIddMainPortrait).DoModal();
}

}  // namespace tallyfox::testing
