#include "app/tallyfox_app.h"

#include "app/main_window.h"

namespace tallyfox {

int CTallyfoxApp::Run() {
  CTallyfoxDlg mainWindow;
  mainWindow.DoModal();
  return 0;
}

}  // namespace tallyfox
