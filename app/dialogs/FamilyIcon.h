#pragma once
// The window icon of a hardware family, from the program's resources.

#include <QIcon>

namespace veldrix {

// The icon of family `index` (0 to 3; higher indices wrap as the family
// table does).
[[nodiscard]] QIcon familyIcon(unsigned index);

}  // namespace veldrix
