#pragma once

#include <QString>
#include <string_view>

#include "forms/utf16_text.h"

namespace quorvel {

// The layout tables' and the sheet's texts are UTF-8; every window decodes them the same way.
inline QString uiText(std::string_view utf8) {
  return QString::fromStdU16String(forms::toUtf16(utf8));
}

}  // namespace quorvel
