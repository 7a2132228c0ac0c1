#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>

#include "RecordingUserInterface.h"
#include "frame/AboutBox.h"
#include "frame/AboutCredits.h"
#include "frame/AboutDisplay.h"
#include "frame/AboutScroller.h"

namespace veldrix::test {
namespace {

TEST(AboutCredits, TwentyLinesWithTheModuleAndTheSystemFilledIn) {
    const CreditLines lines = aboutCreditLines("Calypso module 1.2", {"6.1.0", "Debian 12"});
    EXPECT_EQ(lines[0], "BITMAP1\b");
    EXPECT_EQ(lines[1].back(), kCreditAuthor);
    EXPECT_EQ(lines[2].back(), kCreditAuthor);
    EXPECT_EQ(lines[4], "Software version: 0.04 for TEST\f");
    EXPECT_EQ(lines[6], "Date: Apr  4 2012\f");
    EXPECT_EQ(lines[8], "Current module copyright:\t");
    EXPECT_EQ(lines[10], "Calypso module 1.2");
    EXPECT_EQ(lines[14], "System version:\t");
    EXPECT_EQ(lines[15], "6.1.0");
    EXPECT_EQ(lines[16], "Debian 12");
    for (const std::size_t empty : {3u, 7u, 9u, 11u, 12u, 13u, 17u, 18u, 19u}) {
        EXPECT_TRUE(lines[empty].empty()) << empty;
    }
}

TEST(AboutCredits, AModuleDescriptionBecomesOnePlainCappedLine) {
    EXPECT_EQ(moduleAboutLine(nullptr), "");
    EXPECT_EQ(moduleAboutLine("EEPROM module\r\n(c) 2012"), "EEPROM module  (c) 2012");
    // A module cannot choose a style or a bitmap through its last character.
    EXPECT_EQ(creditStyleOf(moduleAboutLine("BITMAP1\b")).bitmap, false);
    EXPECT_EQ(moduleAboutLine("red\r"), "red ");
    const std::string longText(5000, 'm');
    EXPECT_EQ(moduleAboutLine(longText.c_str()).size(), kModuleAboutMax);
}

TEST(AboutCredits, KernelVersionsGiveThreeNumbers) {
    EXPECT_EQ(versionNumbers("6.1.0-18-amd64"), "6.1.0");
    EXPECT_EQ(versionNumbers("5.15.153.1-microsoft-standard-WSL2"), "5.15.153");
    EXPECT_EQ(versionNumbers("6.8"), "6.8.0");
    EXPECT_EQ(versionNumbers("unknown"), "0.0.0");
    EXPECT_EQ(versionNumbers(""), "0.0.0");
}

TEST(AboutCredits, TheLastCharacterChoosesTheStyle) {
    struct Expected {
        std::string line;
        int height;
        int weight;
        std::uint32_t rgb;
    };
    for (const Expected& e :
         {Expected{"small\f", 16, 100, 0xFFFFFF}, Expected{"author\r", 20, 300, 0xFF3737},
          Expected{"heading\t", 17, 400, 0x99EA99}, Expected{"large\n", 30, 400, 0x6464FF},
          Expected{"no code", 16, 100, 0xFFFFFF}}) {
        const CreditStyle style = creditStyleOf(e.line);
        EXPECT_FALSE(style.bitmap);
        EXPECT_EQ(style.fontHeight, e.height) << e.line;
        EXPECT_EQ(style.lineHeight, e.height) << e.line;
        EXPECT_EQ(style.weight, e.weight) << e.line;
        EXPECT_EQ(style.rgb, e.rgb) << e.line;
    }
    EXPECT_EQ(creditStyleOf("no code").text, "no code");
    EXPECT_EQ(creditStyleOf("large\n").text, "large");
    const CreditStyle bitmap = creditStyleOf("BITMAP1\b");
    EXPECT_TRUE(bitmap.bitmap);
    EXPECT_EQ(bitmap.text, "BITMAP1");
}

TEST(AboutCredits, TextFontsFitTheirLineHeight) {
    for (const char* line : {"a\f", "a\r", "a\t", "a\n"}) {
        const CreditStyle style = creditStyleOf(line);
        const QFont font = creditFont(style);
        EXPECT_LE(QFontMetrics(font).height(), style.lineHeight) << int(line[1]);
        EXPECT_GE(QFontMetrics(font).height(), style.lineHeight - 4) << int(line[1]);
    }
}

TEST(AboutScroller, ShowsEveryLineForItsHeightAndStartsAgainAfterTheLast) {
    const CreditLines lines = aboutCreditLines("module", {"6.1.0", "Linux"});
    // Line heights as the display sets them; the bitmap is 64 pixels high.
    auto heightOf = [&](std::size_t index) {
        return index == 0 ? 64 : creditStyleOf(lines[index]).lineHeight;
    };
    AboutScroller scroller;
    std::vector<std::size_t> order;
    int height = AboutScroller::kFirstLineHeight;  // before the first line: 16 blank pixels
    int lastStart = 0;
    for (int tick = 1; order.size() < 22; ++tick) {
        const auto started = scroller.tick();
        if (!started) {
            continue;
        }
        // The previous line had `height` ticks, one pixel each.
        EXPECT_EQ(tick - lastStart, height) << "before line " << *started;
        lastStart = tick;
        order.push_back(*started);
        if (!lines[*started].empty()) {
            height = heightOf(*started);
            scroller.setLineHeight(height);
        }
        EXPECT_EQ(scroller.row(), 0);
    }
    const std::vector<std::size_t> expected{0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                            11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 1};
    EXPECT_EQ(order, expected);
}

class AboutBoxTest : public ::testing::Test {
protected:
    // Ticks until line `index` has scrolled in `rows` rows.
    static void advanceInto(AboutDisplay& display, std::size_t index, int rows) {
        for (int guard = 0; guard < 20000; ++guard) {
            display.advance();
            if (display.scroller().nextIndex() == (index + 1) % kCreditLineCount &&
                display.scroller().row() == rows - 1) {
                return;
            }
        }
        FAIL() << "line " << index << " never came";
    }
    // How many pixels of the picture's lowest `rows` rows satisfy `test`.
    template <typename Test>
    static int pixelsIn(const AboutDisplay& display, int rows, Test test) {
        const QImage image = display.picture().toImage();
        int count = 0;
        for (int y = image.height() - rows; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += test(QColor(image.pixel(x, y))) ? 1 : 0;
            }
        }
        return count;
    }

    RecordingUserInterface ui;
};

TEST_F(AboutBoxTest, LinesScrollInWithTheirColours) {
    AboutBox box("module text", ui);
    AboutDisplay& display = box.display();
    advanceInto(display, 0, 40);  // the bitmap, partly in
    EXPECT_EQ(display.picture().size(), QSize(AboutBox::kDisplayWidth, AboutBox::kDisplayHeight));
    EXPECT_TRUE(display.currentStyle().bitmap);
    EXPECT_GT(pixelsIn(display, 40, [](QColor c) { return c.value() > 60; }), 100);

    advanceInto(display, 1, 20);  // the author's web page, red
    EXPECT_GT(pixelsIn(display, 20,
                       [](QColor c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; }),
              10);
    advanceInto(display, 8, 17);  // a green heading
    EXPECT_GT(pixelsIn(display, 17,
                       [](QColor c) { return c.green() > 150 && c.red() < 140 && c.blue() < 140; }),
              10);
    advanceInto(display, 9, 17);  // empty: keeps the height, draws nothing
    EXPECT_TRUE(display.currentLineEmpty());
    EXPECT_EQ(display.scroller().lineHeight(), 17);
    EXPECT_EQ(pixelsIn(display, 1, [](QColor c) { return c != Qt::black; }), 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(AboutBoxTest, EachBoxShowsTheModuleLoadedWhenItWasMade) {
    AboutBox first("Calypso module", ui);
    AboutBox second("Thalia module", ui);
    AboutBox none(nullptr, ui);
    EXPECT_EQ(first.display().lines()[10], "Calypso module");
    EXPECT_EQ(second.display().lines()[10], "Thalia module");
    EXPECT_EQ(none.display().lines()[10], "");
    EXPECT_EQ(creditStyleOf(first.display().lines()[10]).fontHeight, 16);
}

TEST_F(AboutBoxTest, ScrollsFromShowingUntilOk) {
    AboutBox box("m", ui);
    EXPECT_FALSE(box.display().running());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About.."));
    EXPECT_TRUE(box.display().running());
    box.findChild<QPushButton*>()->click();
    EXPECT_FALSE(box.display().running());
    EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutBoxTest, AMissingBitmapFreezesTheScrollerAndIsReported) {
    AboutBox box("m", ui, nullptr, QStringLiteral(":/no-such-folder/"));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    for (int tick = 0; tick < AboutScroller::kFirstLineHeight; ++tick) {
        box.display().advance();
    }
    EXPECT_FALSE(box.display().running());
    EXPECT_EQ(ui.boxTexts(), (std::vector<std::string>{
                                 "Could not find bitmap resource \"BITMAP1\". Be sure to assign "
                                 "the bitmap a QUOTED resource name"}));
    EXPECT_EQ(ui.boxes.front().style, 0u);
}

}  // namespace
}  // namespace veldrix::test
