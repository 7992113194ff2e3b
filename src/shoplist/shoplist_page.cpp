#include "shoplist/shoplist_page.h"

namespace tallyfox {

CDialogTab4::CDialogTab4(ProgramValues& values, int templateNumber)
    : Dialog(templateNumber), values_(values) {}

}  // namespace tallyfox
