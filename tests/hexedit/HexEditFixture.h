#pragma once
// A shown, focused multi-line editor over 1024 bytes (byte i holds i mod 256,
// so 64 rows to scroll through) with the frame's
// configuration (6 address digits, address and ASCII columns, 16 bytes per
// row), and helpers to drive it like a user.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cstdint>
#include <memory>
#include <numeric>
#include <vector>

#include "hexedit/CHexEditBase.h"

namespace veldrix::test {

class HexEditFixture : public ::testing::Test {
protected:
    static constexpr std::uint32_t kLength = 1024;
    static constexpr std::uint32_t kLast = kLength - 1;

    void SetUp() override {
        bytes.resize(kLength);
        std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
        editor = makeEditor(CHexEditBase::kMultiLineStyle);
        editor->SetDataPtr(bytes.data(), static_cast<std::uint32_t>(bytes.size()), true);
        showFocused(*editor);
    }

    static std::unique_ptr<CHexEditBase> makeEditor(std::uint32_t style) {
        auto made = std::make_unique<CHexEditBase>(style);
        made->resize(600, 300);
        made->SetAddressDigits(6, false);
        made->SetShowAddress(true, false);
        made->SetShowAscii(true, false);
        made->SetBytesPerRow(16, false, false);
        return made;
    }

    static void showFocused(QWidget& widget) {
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        widget.activateWindow();
        widget.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
        QCoreApplication::processEvents();
    }

    // Lets posted work run: the scroll bar update is posted after a layout,
    // and showing or hiding a bar posts a layout of the scroll area.
    static void settle() {
        for (int round = 0; round < 3; ++round) {
            QCoreApplication::processEvents();
        }
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(editor.get(), k, modifiers);
    }
    void type(const char* text) { QTest::keyClicks(editor.get(), text); }

    // The middle of a byte's digit in viewport pixels.
    QPoint digitPoint(std::uint32_t index, bool highDigit) {
        const HexLayout& layout = editor->hexLayout();
        const HexGeometry geometry(layout, editor->topRow(), editor->hScroll());
        const auto row = geometry.viewRowOf(index);
        EXPECT_TRUE(row.has_value()) << "byte " << index << " is not in view";
        const int x = geometry.digitLeft(index % layout.rowWidth, highDigit ? 0 : 1) +
                      layout.charWidth / 2 - 1;
        return QPoint(x, geometry.rowTop(row.value_or(1)) + layout.rowHeight / 2);
    }

    // Sends a mouse event to the viewport as the platform would.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::LeftButton) {
        QWidget* target = editor->viewport();
        QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void press(QPoint at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void drag(QPoint to) { mouse(QEvent::MouseMove, to, Qt::LeftButton, Qt::NoButton); }
    void release(QPoint at) { mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }

    [[nodiscard]] ByteRange selection() const {
        ByteRange range;
        editor->GetSelection(range.start, range.end);
        return range;
    }

    std::vector<std::uint8_t> bytes;
    std::unique_ptr<CHexEditBase> editor;
};

}  // namespace veldrix::test
