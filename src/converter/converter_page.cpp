#include "converter/converter_page.h"

namespace tallyfox {

CDialogTab5::CDialogTab5(ProgramValues& values, int templateNumber)
    : Dialog(templateNumber), values_(values) {}

}  // namespace tallyfox
