#pragma once
// The main window's actions, one per command of the command table, each
// carrying its identifier in data(). The menus and the tool bar are built
// from the table's rows over the same actions, so a command enabled or
// checked is so everywhere, and its keys work wherever the focus is in the
// window.

#include <QObject>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace veldrix {

class CommandActions : public QObject {
    Q_OBJECT

public:
    // The actions belong to `window`, whose keys trigger them.
    explicit CommandActions(QWidget& window);

    // Null for an identifier that is not in the command table.
    [[nodiscard]] QAction* action(int id) const;
    [[nodiscard]] const std::map<int, QAction*>& all() const noexcept { return actions_; }

    void fillMenuBar(QMenuBar& bar);
    void fillToolBar(QToolBar& bar);

    // Texts, fly-by help and menu titles in the current language.
    void retranslate();

signals:
    void triggered(int id);
    // A menu is about to open: the time to bring the enables up to date.
    void menuAboutToShow();

private:
    QMenu* addMenu(QWidget& parent, const char* title);

    std::map<int, QAction*> actions_;
    std::vector<std::pair<QMenu*, const char*>> menus_;
};

}  // namespace veldrix
