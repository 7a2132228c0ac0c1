#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/ProgressWindow.h"
#include "frame/UiTranslators.h"
#include "hexedit/CHexEditBase.h"

namespace veldrix::test {
namespace {

TEST(Resources, ToolBarFamilyAndAboutArtworkIsBuiltIn) {
    for (const char* name :
         {"open", "saveas", "copy", "paste", "settings", "about", "read", "write", "compare",
          "blank", "erase", "readid", "test", "lock", "unlock", "config"}) {
        const QPixmap icon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
        EXPECT_EQ(icon.size(), QSize(18, 18)) << name;
    }
    for (const char* family : {"vm204", "tessaro", "zenta", "holtan"}) {
        EXPECT_FALSE(
            QPixmap(QStringLiteral(":/icons/family_%1.png").arg(QLatin1String(family))).isNull())
            << family;
    }
    EXPECT_FALSE(QPixmap(QStringLiteral(":/bitmaps/BITMAP1")).isNull());
}

// What a window shows in each language, asked afresh after each switch.
QString progressCancelCaption() {
    ProgressWindow window(nullptr, 10, QPoint(-1, -1));
    return window.findChild<QPushButton*>()->text();
}

TEST(UiTranslators, RussianInstallsTheProgramsTextsAndEnglishRemovesThem) {
    UiTranslators translators;
    ASSERT_TRUE(translators.apply(Language::Russian));
    EXPECT_EQ(progressCancelCaption(), QStringLiteral("Отмена"));
    EXPECT_EQ(CHexEditBase::tr("Copy"), QStringLiteral("Копировать"));
    EXPECT_EQ(CHexEditBase::tr("Paste"), QStringLiteral("Вставить"));
    // The engine's driver messages come through the same translation.
    EXPECT_EQ(QCoreApplication::translate("DriverBinding", "Can't load driver: "),
              QStringLiteral("Невозможно загрузить драйвер: "));
    EXPECT_EQ(QCoreApplication::translate("DriverBinding", "Wrong Driver"),
              QStringLiteral("Драйвер несовместим"));

    ASSERT_TRUE(translators.apply(Language::English));
    EXPECT_EQ(progressCancelCaption(), QStringLiteral("Cancel"));
    EXPECT_EQ(CHexEditBase::tr("Copy"), QStringLiteral("Copy"));
    EXPECT_FALSE(translators.qtTranslationLoaded());

    // Switching twice the same way stacks nothing: one removal is enough.
    translators.apply(Language::Russian);
    translators.apply(Language::Russian);
    translators.apply(Language::English);
    EXPECT_EQ(progressCancelCaption(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace veldrix::test
