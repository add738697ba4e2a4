#pragma once

#include <QString>
#include <string_view>

#include "forms/utf16_text.h"

namespace quorvel {

// The layout tables' and the sheet's texts are UTF-8; every window decodes them the same way.
inline QString uiText(std::string_view utf8) {
  return QString::fromStdU16String(forms::toUtf16(utf8));
}

// A QString's UTF-16 units, as forms/ counts them, and back.
inline std::u16string_view units(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
inline QString fromUnits(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvel
