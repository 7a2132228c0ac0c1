// The compare report window on its own: shown without taking the keyboard,
// in a fixed-pitch font, copied whole, and kept when closed until a clean
// compare clears it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "frame/CompareReportWindow.h"

namespace veldrix::test {
namespace {

const QString kReport = QStringLiteral(
    "2 differences\n  00000010: chip 00, expected FF\n  00000011: chip 00, expected FF\n");

TEST(CompareReportWindow, ShowsCopiesAndKeepsTheReportUntilCleared) {
    QWidget owner;
    owner.show();
    CompareReportWindow window(&owner);
    EXPECT_FALSE(window.hasReport());
    window.reopen();
    EXPECT_FALSE(window.isVisible());

    window.showReport(kReport);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowTitle(), "Compare report");
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("reportText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());

    QApplication::clipboard()->clear();
    window.findChild<QPushButton*>(QStringLiteral("copyReport"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), kReport);

    window.findChild<QPushButton*>(QStringLiteral("closeReport"))->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.hasReport());
    window.reopen();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.report(), kReport);

    window.clearReport();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.hasReport());
    window.reopen();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace veldrix::test
