#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/modal.h"
#include "platform/test_seam.h"
#include "res/shoplist_ids.h"
#include "res/tax_setup_ids.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using testing::ExpectScriptMet;

// Counts what the platform tells it and exchanges the rate field.
class CountingDialog : public Dialog {
 public:
  explicit CountingDialog(int templateNumber = kIddTaxSetup) : Dialog(templateNumber) {}
  bool initialised = false;
  // Each time cancel mode came: how many message boxes had been shown by then.
  std::vector<std::size_t> cancelModes;
  std::u16string rate;

 protected:
  bool OnInitDialog() override {
    initialised = true;
    return Dialog::OnInitDialog();
  }
  void DoDataExchange(DataExchange& dx) override {
    if (templateNumber() == kIddTaxSetup) dx.Text(kIdcRateField, rate);
  }
  void OnCancelMode() override { cancelModes.push_back(UiScript::Installed()->messages().size()); }
};

bool Mentions(const std::vector<std::string>& failures, const std::string& words) {
  for (const std::string& failure : failures) {
    if (failure.find(words) != std::string::npos) return true;
  }
  return false;
}

TEST(ModalSeamTest, ScriptActsAfterInitialisationAndHowItEndsIsTheResult) {
  struct Case {
    const char* name;
    std::function<void(Dialog&)> close;
    int result;
    std::u16string saved;
  };
  const Case cases[] = {
      {"caption OK exchanges data", testing::CloseWithCaptionOk, kIdOk, u"7.5"},
      {"Escape", testing::PressEscape, kIdCancel, u""},
      {"the window's own end", [](Dialog& d) { d.EndDialog(7); }, 7, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UiScript script;
    CountingDialog dialog;
    script.ExpectDialog(kIddTaxSetup, [&](Dialog& running) {
      EXPECT_EQ(&running, &dialog);
      EXPECT_TRUE(dialog.initialised);
      EXPECT_EQ(ActiveDialog(), &dialog);
      testing::TypeInto(running, kIdcRateField, u"7.5");
      c.close(running);
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(dialog.rate, c.saved);
    EXPECT_FALSE(dialog.HasWindow());
    EXPECT_EQ(ActiveDialog(), nullptr);
    ExpectScriptMet(script);
  }
}

TEST(ModalSeamTest, WhatGoesAgainstTheScriptIsReportedAndNeverHangs) {
  struct Case {
    const char* name;
    std::function<void(UiScript&)> prepare;
    bool runsDialog;
    std::vector<std::string> reported;
  };
  const auto nothing = [](UiScript&) {};
  const auto itemEdit = [](UiScript& s) {
    s.ExpectDialog(kIddItemEdit, [](Dialog& d) { d.EndDialog(kIdOk); });
  };
  const auto leftOpen = [](UiScript& s) { s.ExpectDialog(kIddTaxSetup, [](Dialog&) {}); };
  const auto message = [](UiScript& s) { s.ExpectMessage(u"Saved."); };
  const Case cases[] = {
      {"nothing expected", nothing, true, {"unexpected dialog 132"}},
      {"another dialog expected", itemEdit, true, {"unexpected dialog 132", "140 never ran"}},
      {"left open", leftOpen, true, {"132 was left open"}},
      {"message expected first", message, true, {"unexpected dialog 132", "never came"}},
      {"message never came", message, false, {"\"Saved.\" never came"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UiScript script;
    c.prepare(script);
    if (c.runsDialog) {
      CountingDialog dialog;
      EXPECT_EQ(dialog.DoModal(), kIdCancel);
    }
    const auto failures = script.Failures();
    EXPECT_EQ(failures.size(), c.reported.size());
    for (const std::string& words : c.reported) {
      EXPECT_TRUE(Mentions(failures, words)) << "no failure mentions " << words;
    }
  }
}

TEST(ModalSeamTest, MessageBoxesRecordTheirTextsAndGiveTheScriptedAnswer) {
  UiScript script;
  script.ExpectMessage(u"Delete this list?", MessageResult::Yes)
      .ExpectMessage(u"Delete this item?", MessageResult::No)
      .ExpectMessage(u"Saved.");
  EXPECT_EQ(MessageBox(nullptr, u"Delete this list?", MessageButtons::YesNo), MessageResult::Yes);
  EXPECT_EQ(MessageBox(nullptr, u"Delete this item?", MessageButtons::YesNo), MessageResult::No);
  EXPECT_EQ(MessageBox(nullptr, u"Saved."), MessageResult::Ok);
  EXPECT_TRUE(script.Failures().empty());

  EXPECT_EQ(MessageBox(nullptr, u"Surprise"), MessageResult::Ok);
  script.ExpectMessage(u"Expected", MessageResult::Yes);
  EXPECT_EQ(MessageBox(nullptr, u"Other", MessageButtons::YesNo), MessageResult::Yes);
  const std::vector<std::u16string> shown = {u"Delete this list?", u"Delete this item?", u"Saved.",
                                             u"Surprise", u"Other"};
  EXPECT_EQ(script.messages(), shown);
  const auto failures = script.Failures();
  EXPECT_EQ(failures.size(), 2u);
  EXPECT_TRUE(Mentions(failures, "unexpected message \"Surprise\""));
  EXPECT_TRUE(Mentions(failures, "\"Other\" where \"Expected\""));
}

TEST(ModalSeamTest, WhatOpensAboveADialogSendsItCancelModeFirst) {
  UiScript script;
  CountingDialog outer;
  CountingDialog inner(kIddAddList);
  script.ExpectDialog(kIddTaxSetup, [&](Dialog& running) {
    MessageBox(&running, u"Saved.");
    EXPECT_EQ(inner.DoModal(), kIdOk);
    running.EndDialog(kIdOk);
  });
  script.ExpectMessage(u"Saved.");
  script.ExpectDialog(kIddAddList, [&](Dialog& running) {
    EXPECT_EQ(outer.cancelModes.size(), 2u) << "before the nested run starts";
    EXPECT_EQ(ActiveDialog(), &inner);
    MessageBox(&running, u"Inner");
    running.EndDialog(kIdOk);
  });
  script.ExpectMessage(u"Inner");
  EXPECT_EQ(outer.DoModal(), kIdOk);
  EXPECT_EQ(outer.cancelModes, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(inner.cancelModes, std::vector<std::size_t>{1}) << "a box concerns the active one";

  script.ExpectMessage(u"No window");
  MessageBox(nullptr, u"No window");  // nothing active: nothing to tell
  ExpectScriptMet(script);
}

}  // namespace
}  // namespace tallyfox
