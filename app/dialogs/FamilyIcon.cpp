#include "dialogs/FamilyIcon.h"

#include <array>

namespace veldrix {

QIcon familyIcon(unsigned index) {
    // In family order; the resource names drop the display names' punctuation.
    static constexpr std::array<const char*, 4> kNames{"vm204", "tessaro", "zenta", "holtan"};
    return QIcon(QStringLiteral(":/icons/family_%1.png").arg(QLatin1String(kNames[index & 3u])));
}

}  // namespace veldrix
