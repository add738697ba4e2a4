#pragma once

#include <string>

#include "sheet/address_sheet.h"

namespace quorvel::web {

// Form1 as HTML, from its layout table and the sheet's initial state: the boxes in tab order (the
// document's order is the tab order), with their texts and flags, then the labels. The page is
// built with it at build time, so that the window is there at the first paint.
[[nodiscard]] std::string form1Html(const AddressSheet& initial);

}  // namespace quorvel::web
