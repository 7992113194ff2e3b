#include "support/modal_run.h"

#include "platform/test_seam.h"
#include "support/user_input.h"

namespace tallyfox::testing {

int RunModally(Dialog& dialog, const std::function<void()>& actions) {
  UiScript script;
  script.ExpectDialog(dialog.templateNumber(), [&](Dialog&) {
    actions();
    if (!dialog.HasEnded()) dialog.EndDialog(kIdOk);
  });
  const int result = dialog.DoModal();
  ExpectScriptMet(script);
  return result;
}

}  // namespace tallyfox::testing
