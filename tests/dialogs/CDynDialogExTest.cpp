#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "ModalDialogs.h"
#include "dialogs/CDynDialogEx.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/DynControlFactory.h"
#include "dialogs/DynStyles.h"

namespace veldrix::test {
namespace {

using namespace dynstyle;
constexpr std::uint32_t kShown = kChild | kVisible | kTabStop;

template <typename W>
W* windowOf(CDynDialogEx& dialog, int id) {
    auto* widget = qobject_cast<W*>(dialog.controlWindow(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

TEST(CDynDialogEx, ControlsWithoutRectanglesFillRowsEightUnitsApart) {
    CDynDialogEx dialog;
    dialog.AddControl(dynclass::kStatic, "first", kShown);
    dialog.AddControl(QStringLiteral("EDIT"), "second", kShown);
    dialog.AddControl(dynclass::kButton, "third", kShown, 0, DialogRect{30, 40, 70, 52});
    dialog.AddControl(dynclass::kButton, "fourth", kShown);
    const auto& controls = dialog.controls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].rect, (DialogRect{10, 8, 120, 16}));   // by code
    EXPECT_EQ(controls[1].rect, (DialogRect{10, 16, 270, 24}));  // by name: wider
    EXPECT_EQ(controls[2].rect, (DialogRect{30, 40, 70, 52}));
    EXPECT_EQ(controls[3].rect,
              (DialogRect{10, 32, 120, 40}));  // a given rectangle takes a row too
    // The frame ends 5 units beyond the furthest edges.
    EXPECT_EQ(dialog.GetDlgRect(), (DialogRect{0, 0, 275, 57}));
}

TEST(CDynDialogEx, ClassNamesAndTypeCodesNameEachOther) {
    CDynDialogEx dialog;
    dialog.AddControl(QStringLiteral("msctls_trackbar32"), "", kShown);
    dialog.AddControl(QStringLiteral("button"), "", kShown);  // compared with case
    dialog.AddControl(146, "", kShown);
    dialog.AddControl(147, "", kShown);
    const auto& controls = dialog.controls();
    EXPECT_EQ(controls[0].typeCode, dynclass::kTrackBar);
    EXPECT_EQ(controls[1].typeCode, dynclass::kNone);
    EXPECT_EQ(controls[2].className, QStringLiteral("ComboBoxEx32"));
    EXPECT_TRUE(controls[3].className.isEmpty());
}

TEST(CDynDialogEx, AutomaticIdentifiersCountOnAcrossDialogs) {
    CDynDialogEx first;
    const int a = first.AddControl(dynclass::kStatic, "", kShown);
    const int b = first.AddControl(dynclass::kStatic, "", kShown);
    const int given = first.AddControl(dynclass::kStatic, "", kShown, 0, std::nullopt, {}, 77);
    CDynDialogEx second;
    const int c = second.AddControl(dynclass::kStatic, "", kShown);
    EXPECT_GE(a, CDynDialogEx::kFirstAutomaticId);
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(given, 77);
    EXPECT_EQ(c, b + 1);
}

TEST(CDynDialogEx, EmptyDialogShowsOkAndCancelInAFrameOf120By31) {
    CDynDialogEx dialog;
    onNextModal([](QWidget& modal) {
        auto& open = static_cast<CDynDialogEx&>(modal);
        EXPECT_EQ(windowOf<QPushButton>(open, 1)->text(), QStringLiteral("OK"));
        EXPECT_EQ(windowOf<QPushButton>(open, 2)->text(), QStringLiteral("Cancel"));
        windowOf<QPushButton>(open, 1)->click();
    });
    EXPECT_EQ(dialog.DoModal(), CDynDialogEx::kOk);
    const auto& controls = dialog.controls();
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_EQ(controls[0].rect, (DialogRect{10, 14, 60, 26}));
    EXPECT_EQ(controls[1].rect, (DialogRect{65, 14, 115, 26}));
    EXPECT_EQ(dialog.GetDlgRect(), (DialogRect{0, 0, 120, 31}));
    // Running it again adds no second pair.
    onNextModal([](QWidget& modal) { static_cast<CDynDialogEx&>(modal).OnCommand(2, 0); });
    EXPECT_EQ(dialog.DoModal(), CDynDialogEx::kCancel);
    EXPECT_EQ(dialog.controls().size(), 2u);
}

TEST(CDynDialogEx, CommandsCloseAsOkOrCancelByIdentifier) {
    struct Case {
        int command;
        int result;
    };
    for (const Case c :
         {Case{1, CDynDialogEx::kOk}, Case{4, CDynDialogEx::kOk}, Case{5, CDynDialogEx::kOk},
          Case{6, CDynDialogEx::kOk}, Case{2, CDynDialogEx::kCancel},
          Case{3, CDynDialogEx::kCancel}, Case{7, CDynDialogEx::kCancel}}) {
        CDynDialogEx dialog;
        dialog.SetAddButtons(false);
        onNextModal([&](QWidget& modal) {
            auto& open = static_cast<CDynDialogEx&>(modal);
            open.OnCommand(0, 0);  // default handling only: stays open
            EXPECT_TRUE(open.isVisible());
            open.OnCommand(c.command, 0);
        });
        EXPECT_EQ(dialog.DoModal(), c.result) << "command " << c.command;
        EXPECT_EQ(dialog.lastCommand(), c.command);
    }
}

TEST(CDynDialogEx, EscAndTheCloseBoxCancelAndCountAsCommandTwo) {
    CDynDialogEx dialog;
    onNextModal([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), CDynDialogEx::kCancel);
    EXPECT_EQ(dialog.lastCommand(), 2);

    onNextModal([](QWidget& modal) { modal.close(); });
    EXPECT_EQ(dialog.DoModal(), CDynDialogEx::kCancel);
    EXPECT_EQ(dialog.lastCommand(), 2);
}

struct Values {
    int check = 1;
    int radio = 2;
    QString text = QStringLiteral("initial");
};

// A check box, a group of three radio buttons, a second group of two and an
// edit, all exchanging with `values`.
void addExchangeControls(CDynDialogEx& dialog, Values& values, int& otherRadio) {
    dialog.AddControl(dynclass::kButton, "check", kShown | kAutoCheckBox, 0, std::nullopt,
                      &values.check, 100);
    dialog.AddControl(dynclass::kButton, "r0", kShown | kGroup | kAutoRadioButton, 0, std::nullopt,
                      &values.radio, 110);
    dialog.AddControl(dynclass::kButton, "r1", kShown | kAutoRadioButton, 0, std::nullopt, {}, 111);
    dialog.AddControl(dynclass::kButton, "r2", kShown | kAutoRadioButton, 0, std::nullopt, {}, 112);
    dialog.AddControl(dynclass::kButton, "s0", kShown | kGroup | kAutoRadioButton, 0, std::nullopt,
                      &otherRadio, 120);
    dialog.AddControl(dynclass::kButton, "s1", kShown | kAutoRadioButton, 0, std::nullopt, {}, 121);
    dialog.AddControl(dynclass::kEdit, "", kShown, 0, std::nullopt, &values.text, 130);
}

TEST(CDynDialogEx, OkTakesCheckRadioAndEditValuesCancelKeepsThem) {
    for (const bool ok : {true, false}) {
        Values values;
        int otherRadio = 0;
        CDynDialogEx dialog;
        addExchangeControls(dialog, values, otherRadio);
        onNextModal([&](QWidget& modal) {
            auto& open = static_cast<CDynDialogEx&>(modal);
            // The variables went into the controls as the dialog started.
            EXPECT_TRUE(windowOf<QCheckBox>(open, 100)->isChecked());
            EXPECT_TRUE(windowOf<QRadioButton>(open, 112)->isChecked());
            EXPECT_TRUE(windowOf<QRadioButton>(open, 120)->isChecked());
            EXPECT_EQ(windowOf<QLineEdit>(open, 130)->text(), QStringLiteral("initial"));

            windowOf<QCheckBox>(open, 100)->click();
            windowOf<QRadioButton>(open, 111)->click();
            // The second group is a group of its own.
            windowOf<QRadioButton>(open, 121)->click();
            EXPECT_TRUE(windowOf<QRadioButton>(open, 111)->isChecked());
            QLineEdit* edit = windowOf<QLineEdit>(open, 130);
            edit->clear();
            QTest::keyClicks(edit, "typed");
            windowOf<QPushButton>(open, ok ? 1 : 2)->click();
        });
        dialog.DoModal();
        if (ok) {
            EXPECT_EQ(values.check, 0);
            EXPECT_EQ(values.radio, 1);
            EXPECT_EQ(otherRadio, 1);
            EXPECT_EQ(values.text, QStringLiteral("typed"));
        } else {
            EXPECT_EQ(values.check, 1);
            EXPECT_EQ(values.radio, 2);
            EXPECT_EQ(otherRadio, 0);
            EXPECT_EQ(values.text, QStringLiteral("initial"));
        }
    }
}

TEST(CDynDialogEx, OtherControlsHandTheCallerTheControlAndMismatchedVariablesAreLeftAlone) {
    QWidget* label = nullptr;
    QString notAnInt = QStringLiteral("unchanged");
    int position = 40;
    CDynDialogEx dialog;
    dialog.AddControl(dynclass::kStatic, "label", kShown, 0, std::nullopt, &label, 200);
    dialog.AddControl(dynclass::kButton, "check", kShown | kAutoCheckBox, 0, std::nullopt,
                      &notAnInt, 201);
    dialog.AddControl(dynclass::kTrackBar, "", kShown, 0, std::nullopt, &position, 202);
    onNextModal([&](QWidget& modal) {
        auto& open = static_cast<CDynDialogEx&>(modal);
        EXPECT_EQ(label, open.controlWindow(200));
        auto* slider = qobject_cast<QAbstractSlider*>(open.controlWindow(202));
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->value(), 40);
        slider->setValue(70);
        open.OnCommand(1, 0);
    });
    dialog.DoModal();
    EXPECT_EQ(notAnInt, QStringLiteral("unchanged"));
    EXPECT_EQ(position, 70);
}

TEST(CDynDialogEx, CommandsFromEightOnReachTheParentAndLeaveTheDialogOpen) {
    CDynDialogEx dialog;
    QSignalSpy forwarded(&dialog, &CDynDialogEx::commandForwarded);
    dialog.AddControl(dynclass::kButton, "apply", kShown, 0, std::nullopt, {}, 1000);
    const int list = dialog.AddControl(QStringLiteral("COMBOBOX"), "", kShown | 0x3);
    dialog.SetComboItems({QStringLiteral("Fast"), QStringLiteral("Safe")}, 1);
    QString notes = QStringLiteral("preset");
    const int notesId =
        dialog.AddControl(dynclass::kEdit, "", kShown | kEditMultiLine, 0, std::nullopt, &notes);
    onNextModal([&](QWidget& modal) {
        auto& open = static_cast<CDynDialogEx&>(modal);
        // Filling the controls at the start is no user's command.
        EXPECT_EQ(forwarded.count(), 0);
        windowOf<QPushButton>(open, 1000)->click();
        auto* combo = windowOf<QComboBox>(open, list);
        EXPECT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->currentText(), QStringLiteral("Safe"));
        emit combo->activated(0);
        QTest::keyClicks(windowOf<QPlainTextEdit>(open, notesId), "!");
        open.OnCommand(7, 0);  // below 8: closes, not forwarded
        EXPECT_FALSE(open.isVisible());
    });
    dialog.DoModal();
    ASSERT_EQ(forwarded.count(), 3);
    EXPECT_EQ(forwarded[0], (QList<QVariant>{1000, dynnotify::kButtonClicked}));
    EXPECT_EQ(forwarded[1], (QList<QVariant>{list, dynnotify::kSelectionChange}));
    EXPECT_EQ(forwarded[2], (QList<QVariant>{notesId, dynnotify::kEditChange}));
    EXPECT_EQ(notes, QStringLiteral("preset"));  // closed with Cancel
}

TEST(CDynDialogEx, ADropDownListStartsEmptyWithoutItems) {
    CDynDialogEx dialog;
    const int list = dialog.AddControl(QStringLiteral("COMBOBOX"), "", kShown | 0x3);
    dialog.SetComboItems({}, 0);
    onNextModal([&](QWidget& modal) {
        auto* combo = windowOf<QComboBox>(static_cast<CDynDialogEx&>(modal), list);
        EXPECT_EQ(combo->count(), 0);
        EXPECT_EQ(combo->currentIndex(), -1);
        modal.close();
    });
    dialog.DoModal();
}

TEST(CDynDialogEx, AControlThatCannotBeMadeIsReportedAndTheRestStillOpen) {
    std::vector<std::string> reported;
    CDynDialogEx::SetFailureReporter([&](const std::string& text) { reported.push_back(text); });
    CDynDialogEx dialog;
    const int unknown = dialog.AddControl(QStringLiteral("NoSuchClass"), "x", kShown);
    const int label = dialog.AddControl(dynclass::kStatic, "still here", kShown);
    onNextModal([&](QWidget& modal) {
        auto& open = static_cast<CDynDialogEx&>(modal);
        EXPECT_EQ(open.controlWindow(unknown), nullptr);
        EXPECT_EQ(windowOf<QLabel>(open, label)->text(), QStringLiteral("still here"));
        open.OnCommand(1, 0);
    });
    EXPECT_EQ(dialog.DoModal(), CDynDialogEx::kOk);
    CDynDialogEx::SetFailureReporter({});
    EXPECT_EQ(reported, (std::vector<std::string>{"Failed to create DlgItem."}));
}

TEST(CDynDialogEx, DialogUnitsFollowTheChosenFont) {
    QWidget parent;
    QFont parentFont = parent.font();
    parentFont.setPointSize(9);
    parent.setFont(parentFont);
    const DialogRect rect{10, 8, 110, 20};

    auto placeIn = [&](CDynDialogEx& dialog) {
        const int id = dialog.AddControl(dynclass::kEdit, "", kShown, 0, rect);
        QRect placed;
        QFont used;
        onNextModal([&](QWidget& modal) {
            placed = modal.findChild<QLineEdit*>()->geometry();
            used = modal.font();
            modal.close();
        });
        dialog.DoModal();
        EXPECT_EQ(placed, DialogUnits(used).toPixels(rect)) << "control " << id;
        return std::make_pair(placed, used);
    };

    CDynDialogEx fromParent(&parent);
    const auto [small, parentUsed] = placeIn(fromParent);
    EXPECT_EQ(parentUsed.pointSize(), 9);

    CDynDialogEx ownFont(&parent);
    QFont big = parentFont;
    big.setPointSize(20);
    ownFont.SetDialogFont(big);
    const auto [large, bigUsed] = placeIn(ownFont);
    EXPECT_EQ(bigUsed.pointSize(), 20);
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());

    CDynDialogEx sized(&parent);
    sized.SetDialogFontSize(14);
    const auto [unused, sizedUsed] = placeIn(sized);
    EXPECT_EQ(sizedUsed.pointSize(), 14);
    EXPECT_EQ(sizedUsed.family(), parentFont.family());
}

TEST(DialogUnits, ConvertsEachEdgeWithTheFontsBaseUnits) {
    QFont font;
    font.setPixelSize(13);
    const DialogUnits units(font);
    EXPECT_EQ(units.x(4), units.baseX());
    EXPECT_EQ(units.y(8), units.baseY());
    EXPECT_EQ(units.x(400), units.baseX() * 100);
    // Adjacent rectangles stay adjacent, whatever the rounding.
    const QRect left = units.toPixels(DialogRect{3, 3, 17, 9});
    const QRect right = units.toPixels(DialogRect{17, 3, 29, 9});
    EXPECT_EQ(left.right() + 1, right.left());
}

}  // namespace
}  // namespace veldrix::test
