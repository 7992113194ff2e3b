#include "platform/relayout.h"

#include <QWidget>
#include <utility>
#include <vector>

namespace tallyfox {

bool RelayoutFromTemplate(Dialog& window, int templateNumber) {
  const DialogTemplate* layout = FindTemplate(templateNumber);
  if (layout == nullptr || !window.HasWindow()) return false;
  bool result = true;
  int itemsWithoutId = 0;
  // Queue every move first and apply them together, as a deferred move did.
  std::vector<std::pair<Control*, PixelRect>> moves;
  for (const ItemTemplate& item : layout->items) {
    if (!window.HasItem(item.id)) {
      result = false;
      break;
    }
    Control& control = window.Item(item.id);
    moves.emplace_back(&control, window.MapDialogRect(item.rect));
    switch (item.kind) {
      case ControlKind::PushButton:
      case ControlKind::CheckBox:
      case ControlKind::RadioButton:
      case ControlKind::StaticText:
        control.SetText(item.caption);
        break;
      case ControlKind::Picture:
        static_cast<StaticText&>(control).SetImage(item.resource);
        break;
      case ControlKind::DropDownList:
      case ControlKind::ListBox: {
        auto& list = static_cast<ListControl&>(control);
        list.SetCurSel(list.CurSel());
        break;
      }
      default:
        break;
    }
    if (item.id == kIdcStatic) ++itemsWithoutId;
  }
  for (auto& [control, rect] : moves) {
    if (control->kind() == ControlKind::Picture) {
      control->widget()->move(rect.x, rect.y);  // a picture keeps its bitmap's size
    } else {
      control->Move(rect);
    }
  }
  return result && itemsWithoutId < 2;
}

}  // namespace tallyfox
