#include "core/BasePath.h"

#include <gtest/gtest.h>

namespace veldrix {
namespace {

TEST(BasePath, RelativeSettingsAreTakenFromTheBase) {
    EXPECT_EQ(resolveFromBase("Modules for 0.04", "/opt/veldrix"),
              std::filesystem::path("/opt/veldrix/Modules for 0.04"));
    EXPECT_EQ(resolveFromBase("/srv/modules", "/opt/veldrix"),
              std::filesystem::path("/srv/modules"));
}

TEST(BasePath, AFolderInsideTheBaseIsStoredRelativeComponentByComponent) {
    const std::filesystem::path base = "/x/app";
    EXPECT_EQ(settingFromBase("/x/app/Modules for 0.04", base), "Modules for 0.04");
    EXPECT_EQ(settingFromBase("/x/app/a/b/", base), "a/b");
    EXPECT_EQ(settingFromBase("/x/app/./a/../m", "/x/app/"), "m");
    EXPECT_EQ(settingFromBase("/x/app", base), ".");
    // A sibling whose name starts like the base is not inside it.
    EXPECT_EQ(settingFromBase("/x/application/m", base), "/x/application/m");
    EXPECT_EQ(settingFromBase("/x/ap", base), "/x/ap");
    EXPECT_EQ(settingFromBase("/y/m", base), "/y/m");
    EXPECT_EQ(settingFromBase("/x", base), "/x");
    // The stored setting names the chosen folder again.
    for (const char* chosen : {"/x/app/m/n", "/x/application/m"}) {
        EXPECT_EQ(resolveFromBase(settingFromBase(chosen, base), base).lexically_normal(),
                  std::filesystem::path(chosen).lexically_normal())
            << chosen;
    }
}

}  // namespace
}  // namespace veldrix
