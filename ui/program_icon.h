#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorvel {

// The program's icon in every size it ships with.
[[nodiscard]] QIcon programIcon();

// The 32 x 32 image shown inside the About box.
[[nodiscard]] QPixmap programIconImage();

}  // namespace quorvel
