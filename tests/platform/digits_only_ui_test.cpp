#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string_view>

#include "platform/dialog.h"
#include "res/shoplist_ids.h"
#include "support/modal_run.h"

namespace tallyfox {
namespace {

// Each character as a key of its own, whatever the keyboard that made it.
void TypeCharacters(QLineEdit& edit, std::u16string_view text) {
  edit.setFocus();
  for (const char16_t c : text) {
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(QChar(c)), Qt::NoModifier);
  }
}

// Quantities and percentages are typed into boxes that take the digits 0 to
// 9 and nothing else.
TEST(DigitsOnlyBoxTest, KeepsOnlyTheDigitsTyped) {
  const struct {
    const char* name;
    std::u16string_view typed;
    std::u16string_view shown;
  } cases[] = {
      {"digits", u"120", u"120"},
      {"letters, signs, point and space", u"1a-2.5 e+", u"125"},
      {"digits of other scripts", u"1\u0663\uFF12", u"1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Dialog dialog(kIddItemEdit);
    testing::RunModally(dialog, [&] {
      TypeCharacters(*static_cast<QLineEdit*>(dialog.Item(kIdcItemEditQty).widget()), c.typed);
      EXPECT_EQ(dialog.ItemText(kIdcItemEditQty), c.shown);
    });
  }
}

}  // namespace
}  // namespace tallyfox
