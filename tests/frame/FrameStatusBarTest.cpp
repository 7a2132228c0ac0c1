#include "frame/FrameStatusBar.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

#include "frame/UiTranslators.h"

namespace veldrix {
namespace {

TEST(FrameStatusBar, PanesStartWithTranslatedTextsUntilTheyAreWritten) {
    QStatusBar bar;
    FrameStatusBar panes(bar);
    EXPECT_EQ(panes.text(Pane::Message), QStringLiteral("Ready"));
    EXPECT_EQ(panes.text(Pane::Address), QStringLiteral("00000000"));
    EXPECT_EQ(panes.text(Pane::Chip), QStringLiteral("Chip: --------"));
    EXPECT_EQ(panes.text(Pane::Size), QStringLiteral("Size: 00000000"));
    EXPECT_EQ(panes.text(Pane::Vcc), QStringLiteral("Vcc:0000"));
    EXPECT_EQ(panes.text(Pane::Vpp), QStringLiteral("Vpp:0000"));
    EXPECT_EQ(panes.text(Pane::Vid), QStringLiteral("Vid:0000"));
    // The message pane stretches; the others sit at the right, each wide
    // enough for its initial text.
    auto* chip = bar.findChild<QLabel*>(QStringLiteral("paneChip"));
    ASSERT_NE(chip, nullptr);
    EXPECT_GE(chip->minimumWidth(), chip->fontMetrics().horizontalAdvance(chip->text()));

    panes.setText(Pane::Chip, QStringLiteral("W27C512"));
    UiTranslators translators;
    ASSERT_TRUE(translators.apply(Language::Russian));
    panes.retranslate();
    EXPECT_EQ(panes.text(Pane::Message), QStringLiteral("Готово"));
    EXPECT_EQ(panes.text(Pane::Size), QStringLiteral("Размер: 00000000"));
    // What the program wrote stays.
    EXPECT_EQ(panes.text(Pane::Chip), QStringLiteral("W27C512"));
    // A pane as wide as the longer Russian text.
    auto* size = bar.findChild<QLabel*>(QStringLiteral("paneSize"));
    EXPECT_GE(size->minimumWidth(), size->fontMetrics().horizontalAdvance(size->text()));

    ASSERT_TRUE(translators.apply(Language::English));
    panes.retranslate();
    EXPECT_EQ(panes.text(Pane::Message), QStringLiteral("Ready"));
}

}  // namespace
}  // namespace veldrix
