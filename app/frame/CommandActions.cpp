#include "frame/CommandActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "frame/FrameCommandTable.h"

namespace veldrix {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate(kFrameContext, text);
}

QList<QKeySequence> shortcutsOf(const char* keys) {
    QList<QKeySequence> shortcuts;
    for (const QString& key :
         QString::fromLatin1(keys).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        shortcuts << QKeySequence(key, QKeySequence::PortableText);
    }
    return shortcuts;
}

}  // namespace

CommandActions::CommandActions(QWidget& window) : QObject(&window) {
    for (const CommandEntry& entry : commandEntries()) {
        auto* action = new QAction(&window);
        action->setData(entry.id);
        action->setShortcuts(shortcutsOf(entry.keys));
        action->setCheckable(entry.checkable);
        if (entry.icon != nullptr) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(entry.icon))));
        }
        connect(action, &QAction::triggered, this, [this, id = entry.id] { emit triggered(id); });
        // Keys work even while no menu or button shows the action.
        window.addAction(action);
        actions_.emplace(entry.id, action);
    }
    retranslate();
}

QAction* CommandActions::action(int id) const {
    const auto found = actions_.find(id);
    return found != actions_.end() ? found->second : nullptr;
}

QMenu* CommandActions::addMenu(QWidget& parent, const char* title) {
    auto* menu = new QMenu(&parent);
    connect(menu, &QMenu::aboutToShow, this, &CommandActions::menuAboutToShow);
    menus_.emplace_back(menu, title);
    menu->setTitle(translated(title));
    return menu;
}

void CommandActions::fillMenuBar(QMenuBar& bar) {
    QMenu* menu = nullptr;
    QMenu* outer = nullptr;  // the menu around an open submenu
    for (const MenuRow& row : menuRows()) {
        switch (row.kind) {
            case MenuRowKind::Menu:
                menu = addMenu(bar, row.title);
                outer = nullptr;
                bar.addMenu(menu);
                break;
            case MenuRowKind::Submenu:
                outer = menu;
                menu = addMenu(*outer, row.title);
                outer->addMenu(menu);
                break;
            case MenuRowKind::EndSubmenu:
                menu = outer;
                outer = nullptr;
                break;
            case MenuRowKind::Command:
                menu->addAction(action(row.id));
                break;
            case MenuRowKind::Separator:
                menu->addSeparator();
                break;
            case MenuRowKind::BarCommand:
                bar.addAction(action(row.id));
                break;
        }
    }
}

void CommandActions::fillToolBar(QToolBar& bar) {
    for (const int id : toolBarRows()) {
        if (id == 0) {
            bar.addSeparator();
        } else {
            bar.addAction(action(id));
        }
    }
}

void CommandActions::retranslate() {
    for (const CommandEntry& entry : commandEntries()) {
        QAction* shown = action(entry.id);
        shown->setText(translated(entry.text));
        shown->setStatusTip(translated(entry.statusTip));
    }
    for (const auto& [menu, title] : menus_) {
        menu->setTitle(translated(title));
    }
}

}  // namespace veldrix
