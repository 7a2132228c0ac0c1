// What the main window is made of: menus, tool bar, keys, panes, port bar,
// title, editors and the language of all of it.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "core/HardwareFamilies.h"
#include "frame/FrameCommandIds.h"

namespace veldrix::test {
namespace {

constexpr int kSeparator = 0;
constexpr int kSubmenu = -1;

// The identifiers of a menu's entries, separators as 0 and pop-ups as -1.
std::vector<int> entriesOf(const QList<QAction*>& actions) {
    std::vector<int> ids;
    for (const QAction* entry : actions) {
        ids.push_back(entry->isSeparator()       ? kSeparator
                      : entry->menu() != nullptr ? kSubmenu
                                                 : entry->data().toInt());
    }
    return ids;
}

QMenu* submenuAt(QMenu* menu, int index) {
    return menu->actions().at(index)->menu();
}

using MainFrameLayout = MainFrameFixture;

TEST_F(MainFrameLayout, MenusHoldEveryCommandWithItsIdentifier) {
    storeSimulatorChoice();
    start();
    const QList<QAction*> bar = frame().menuBar()->actions();
    QStringList titles;
    for (const QAction* entry : bar) {
        titles << entry->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "HEX-Editor", "Device", "Command",
                                   "Options", "&Help"}));
    // Device is a command on the bar, not a pop-up.
    EXPECT_EQ(bar.at(4)->menu(), nullptr);
    EXPECT_EQ(bar.at(4)->data().toInt(), 0x802E);

    const auto menu = [&](int index) { return bar.at(index)->menu()->actions(); };
    EXPECT_EQ(entriesOf(menu(0)),
              (std::vector<int>{0xE101, 0x8008, kSeparator, 0x8007, 0x8006, kSeparator, 0xE141}));
    EXPECT_EQ(entriesOf(menu(1)), (std::vector<int>{0xE12B, 0x8034, kSeparator, 0xE123, 0xE122,
                                                    0xE125, kSeparator, 0x8035, 0x8036, 0x8037,
                                                    0x8038}));
    EXPECT_EQ(entriesOf(menu(2)), (std::vector<int>{0xE800, 0xE801}));
    EXPECT_EQ(entriesOf(menu(3)), (std::vector<int>{0x8025, 0x800A, 0x800B, 0x800C, kSeparator,
                                                    0x800D, 0x801D, 0x801E}));
    EXPECT_EQ(entriesOf(menu(5)),
              (std::vector<int>{0x800E, 0x800F, 0x8010, 0x8011, kSeparator, 0x8012, 0x8013, 0x8014,
                                0x8015, 0x8016, kSeparator, cmd::kCompareReport}));
    QMenu* options = bar.at(6)->menu();
    EXPECT_EQ(entriesOf(options->actions()),
              (std::vector<int>{kSubmenu, 0x8018, 0x8019, kSeparator, 0x8005, 0x8017, kSubmenu}));
    EXPECT_EQ(entriesOf(submenuAt(options, 0)->actions()),
              (std::vector<int>{0x802B, 0x802C, 0x802D, 0x8033}));
    EXPECT_EQ(submenuAt(options, 0)->title(), "Hardware");
    EXPECT_EQ(entriesOf(submenuAt(options, 6)->actions()), (std::vector<int>{0x8028, 0x8029}));
    EXPECT_EQ(submenuAt(options, 6)->title(), "Language");
    EXPECT_EQ(entriesOf(menu(7)), (std::vector<int>{0xE140}));

    EXPECT_EQ(action(0xE101)->text(), "Open ...");
    EXPECT_EQ(action(0x8011)->text(), "Blank check");
    EXPECT_EQ(action(0x802C)->text(), "Tessaro");
}

TEST_F(MainFrameLayout, ToolBarButtonsAreTheMenusCommandsWithIconsAndTips) {
    storeSimulatorChoice();
    start();
    auto* toolBar = frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(
        entriesOf(toolBar->actions()),
        (std::vector<int>{0xE101, 0x8008,     kSeparator, 0xE122, 0xE125, kSeparator, 0x8005,
                          0xE140, kSeparator, 0x800E,     0x800F, 0x8010, 0x8011,     kSeparator,
                          0x8012, 0x8013,     0x8014,     0x8015, 0x8016, 0x8024}));
    EXPECT_EQ(toolBar->iconSize(), QSize(18, 18));
    for (QAction* button : toolBar->actions()) {
        if (button->isSeparator()) {
            continue;
        }
        SCOPED_TRACE(button->data().toInt());
        EXPECT_FALSE(button->icon().pixmap(18, 18).isNull());
        EXPECT_FALSE(button->toolTip().isEmpty());
        EXPECT_FALSE(button->statusTip().isEmpty());
    }
    // Configuration is on the tool bar only.
    for (const QObject* user : action(0x8024)->associatedObjects()) {
        EXPECT_EQ(qobject_cast<const QMenu*>(user), nullptr);
    }
}

TEST_F(MainFrameLayout, AcceleratorsAreBoundAsTheMenuShowsThem) {
    storeSimulatorChoice();
    start();
    const auto keys = [&](int id) {
        QStringList texts;
        for (const QKeySequence& key : action(id)->shortcuts()) {
            texts << key.toString(QKeySequence::PortableText);
        }
        return texts;
    };
    EXPECT_EQ(keys(0xE122), (QStringList{"Ctrl+C", "Ctrl+Ins"}));
    EXPECT_EQ(keys(0xE125), (QStringList{"Ctrl+V", "Shift+Ins"}));
    EXPECT_EQ(keys(0xE123), (QStringList{"Ctrl+X", "Shift+Del"}));
    EXPECT_EQ(keys(0xE12B), (QStringList{"Ctrl+Z", "Alt+Backspace"}));
    EXPECT_EQ(keys(0x8034), (QStringList{"Ctrl+Y", "Ctrl+Shift+Z"}));
    EXPECT_EQ(keys(0x8035), QStringList{"Ctrl+F"});
    EXPECT_EQ(keys(0x8036), QStringList{"Ctrl+F3"});
    EXPECT_EQ(keys(0x8037), QStringList{"Ctrl+Shift+F3"});
    EXPECT_EQ(keys(0x8038), QStringList{"Ctrl+G"});
    EXPECT_EQ(keys(0xE140), QStringList{"F1"});
    EXPECT_EQ(keys(0x8008), QStringList{"F2"});  // the menu says F2 saves
    EXPECT_EQ(keys(0xE101), QStringList{"F3"});
    EXPECT_EQ(keys(0x800E), QStringList{"F5"});
    EXPECT_EQ(keys(0x800F), QStringList{"F6"});
    EXPECT_EQ(keys(0x8010), QStringList{"F7"});
    EXPECT_EQ(keys(0x8011), QStringList{"F8"});
    EXPECT_EQ(keys(0x8018), QStringList{"Alt+F9"});
    EXPECT_EQ(keys(0x8005), QStringList{"F12"});
    EXPECT_EQ(keys(0xE141), QStringList{"Alt+X"});

    // A key reaches its command wherever the focus is in the window.
    QString opened;
    onNextModal([&](QWidget& box) {
        opened = box.objectName();
        box.close();
    });
    QTest::keyClick(&mainEditor(), Qt::Key_F1);
    EXPECT_EQ(opened, "aboutBox");
}

TEST_F(MainFrameLayout, StatusBarHasSevenPanesWithTheChipsData) {
    storeSimulatorChoice(QStringLiteral("W27E257"));
    start();
    const QStringList names{"paneMessage", "paneAddress", "paneChip", "paneSize",
                            "paneVcc",     "paneVpp",     "paneVid"};
    for (const QString& name : names) {
        EXPECT_NE(frame().statusBar()->findChild<QLabel*>(name), nullptr) << name.toStdString();
    }
    EXPECT_EQ(pane("paneAddress"), "00000000");
    EXPECT_EQ(pane("paneChip"), "W27E257");
    EXPECT_EQ(pane("paneSize"), "size: 32Kx8");
    EXPECT_EQ(pane("paneVcc"), "Vcc:5.0");
    EXPECT_EQ(pane("paneVpp"), "Vpp:12.0");

    // The caret's address, as the editor reports it.
    mainEditor().setFocus();
    QTest::keyClick(&mainEditor(), Qt::Key_Down);
    EXPECT_EQ(pane("paneAddress"), "00000010");
}

TEST_F(MainFrameLayout, TitleNamesFamilyPortAndDocument) {
    storeSimulatorChoice();
    start();
    EXPECT_EQ(frame().windowTitle(), "Tessaro 0.39b [SIM] - Untitled.bin");
    EXPECT_FALSE(frame().windowIcon().isNull());
    const qint64 tessaroIcon = frame().windowIcon().cacheKey();

    store(QStringLiteral("Hardware/holtan/port"), QStringLiteral("SIM"));
    frame().execute(cmd::kFamilyHoltan);
    EXPECT_EQ(frame().windowTitle(), "HOLTAN [SIM] - Untitled.bin");
    EXPECT_NE(frame().windowIcon().cacheKey(), tessaroIcon);
    EXPECT_TRUE(action(cmd::kFamilyHoltan)->isChecked());
    EXPECT_FALSE(action(cmd::kFamilyTessaro)->isChecked());
}

TEST_F(MainFrameLayout, PortBarListsTheFamilysPortsAndWarnsOfAMissingOne) {
    storeSimulatorChoice();
    store(QStringLiteral("Hardware/tessaro/port"), QStringLiteral("LPT9"));
    start();
    EXPECT_TRUE(statusShows(Application::kPortNotFound));
    auto* ports = frame().findChild<QComboBox*>(QStringLiteral("ports"));
    ASSERT_NE(ports, nullptr);
    QStringList listed;
    for (int i = 0; i < ports->count(); ++i) {
        listed << ports->itemText(i);
    }
    // The parallel family lists the simulated board; the first port is taken.
    ASSERT_TRUE(listed.contains("SIM"));
    EXPECT_FALSE(listed.contains("LPT9"));
    EXPECT_EQ(ports->currentIndex(), 0);
    EXPECT_EQ(QString::fromStdString(engine().portName()), listed.first());

    // Choosing a port takes it and shows it in the title.
    ports->setCurrentIndex(listed.indexOf("SIM"));
    emit ports->activated(ports->currentIndex());
    EXPECT_EQ(engine().portName(), "SIM");
    EXPECT_TRUE(frame().windowTitle().contains("[SIM]"));

    // Getting the focus lists the ports anew and keeps the choice.
    ports->clear();
    ports->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(ports->currentText(), "SIM");
    EXPECT_EQ(ports->count(), listed.size());
}

TEST_F(MainFrameLayout, SecondEditorShowsOnlyWithSplitViewAndASecondArea) {
    storeSimulatorChoice();
    start();
    // calypso's chips have no second area.
    EXPECT_TRUE(secondEditor().isHidden());
    const int fullHeight = mainEditor().height();

    dlldata& block = engine().callBlock();
    block.eepofs = block.size;
    block.eeplen = 256;
    engine().buffer().SetBuffers();
    EXPECT_FALSE(secondEditor().isHidden());
    EXPECT_EQ(secondEditor().length(), 256u);
    EXPECT_EQ(secondEditor().addressOffset(), block.size);
    QTest::qWait(0);  // the layout settles
    EXPECT_EQ(secondEditor().height(), EditorPane::kSecondHeight);
    EXPECT_EQ(mainEditor().y() + mainEditor().height() + EditorPane::kEditorGap,
              secondEditor().y());
    EXPECT_LT(mainEditor().height(), fullHeight);
    EXPECT_EQ(mainEditor().x(), EditorPane::kSideMargin);

    // Without the split view the main editor shows everything alone.
    engine().buffer().setSplitView(false);
    engine().buffer().AttachEditors();
    EXPECT_TRUE(secondEditor().isHidden());
    EXPECT_EQ(mainEditor().length(), engine().buffer().length());
}

TEST_F(MainFrameLayout, WindowKeepsItsMinimumSizeAndStoredPlace) {
    store(QStringLiteral("Position/W"), 600);
    store(QStringLiteral("Position/H"), 200);
    store(QStringLiteral("Position/X"), 40);
    store(QStringLiteral("Position/Y"), 30);
    start();
    EXPECT_EQ(frame().size(), QSize(740, 300));
    frame().resize(500, 100);
    EXPECT_EQ(frame().size(), QSize(740, 300));
    EXPECT_EQ(frame().pos(), QPoint(40, 30));

    frame().resize(900, 500);
    frame().move(70, 60);
    frame().showMaximized();
    QTest::qWait(0);
    frame().close();
    // The place it returns to from maximised.
    EXPECT_EQ(stored(QStringLiteral("Position/W")).toInt(), 900);
    EXPECT_EQ(stored(QStringLiteral("Position/H")).toInt(), 500);
    EXPECT_EQ(stored(QStringLiteral("Position/X")).toInt(), 70);
    EXPECT_EQ(stored(QStringLiteral("Position/Y")).toInt(), 60);
}

TEST_F(MainFrameLayout, LanguageSwitchRetranslatesTheOpenWindowBothWays) {
    storeSimulatorChoice();
    start();
    auto* fileMenu = frame().menuBar()->actions().at(0)->menu();
    frame().execute(cmd::kLanguageRussian);
    QCoreApplication::processEvents();  // the language change reaches every window
    EXPECT_EQ(fileMenu->title(), "&Файл");
    EXPECT_EQ(action(cmd::kRead)->text(), "Чтение");
    EXPECT_EQ(action(cmd::kRead)->toolTip(), "Чтение");
    EXPECT_EQ(action(cmd::kRead)->statusTip(), "Прочитать микросхему в буфер");
    EXPECT_EQ(action(cmd::kDevice)->text(), "Микросхема");
    EXPECT_TRUE(action(cmd::kLanguageRussian)->isChecked());
    // Panes the engine wrote keep their texts; only initial ones follow.
    EXPECT_EQ(pane("paneChip"), "W27C512");
    EXPECT_EQ(engine().settings().settings().main.language, Language::Russian);

    frame().execute(cmd::kLanguageEnglish);
    QCoreApplication::processEvents();
    EXPECT_EQ(fileMenu->title(), "&File");
    EXPECT_EQ(action(cmd::kRead)->text(), "Read");
    EXPECT_TRUE(action(cmd::kLanguageEnglish)->isChecked());
}

}  // namespace
}  // namespace veldrix::test
