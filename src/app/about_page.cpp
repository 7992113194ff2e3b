#include "app/about_page.h"

namespace tallyfox {

bool CDialogTab3::OnInitDialog() {
  Dialog::OnInitDialog();
  SetItemText(kIdcVersion, kVersionLine);
  return true;
}

}  // namespace tallyfox
