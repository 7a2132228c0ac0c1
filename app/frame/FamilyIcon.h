#pragma once
// The window icon of each hardware family, in family order.

#include <QIcon>
#include <array>

namespace veldrix {

[[nodiscard]] inline QIcon familyIcon(unsigned index) {
    static constexpr std::array<const char*, 4> kFiles{
        ":/icons/family_vm204.png", ":/icons/family_tessaro.png", ":/icons/family_zenta.png",
        ":/icons/family_holtan.png"};
    return QIcon(QString::fromLatin1(kFiles[index & 3u]));
}

}  // namespace veldrix
