#include "dialogs/DeviceWnd.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "core/Application.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/FamilyIcon.h"

namespace veldrix {

namespace {

// Pixels. The information box and the chip list are 10 pixels shorter than
// in the classic window, where they overlapped each other and the buttons.
const QRect kModuleList(10, 5, 100, 350);
const QRect kChipInfo(120, 5, 200, 150);
const QRect kChipList(120, 160, 200, 150);
const QRect kOkButton(120, 315, 80, 20);
const QRect kCancelButton(210, 315, 80, 20);
const QSize kClientSize(392, 360);
constexpr int kFontPixels = 10;
// The list box's default tab stops, dialog units of its font.
constexpr int kTabStopUnits = 32;

// The window on screen, for a second request to open one.
QPointer<DeviceWnd>& openWindow() {
    static QPointer<DeviceWnd> window;
    return window;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Row changes made by the window itself are not the user's choices.
class QuietList {
public:
    explicit QuietList(QListWidget& list) : list_(list), wasBlocked_(list.blockSignals(true)) {}
    ~QuietList() { list_.blockSignals(wasBlocked_); }
    QuietList(const QuietList&) = delete;
    QuietList& operator=(const QuietList&) = delete;

private:
    QListWidget& list_;
    bool wasBlocked_;
};

void fill(QListWidget& list, const std::vector<std::string>& names,
          std::optional<std::size_t> row) {
    const QuietList quiet(list);
    list.clear();
    for (const std::string& name : names) {
        list.addItem(fromStd(name));
    }
    list.setCurrentRow(row && *row < names.size() ? static_cast<int>(*row) : -1);
}

}  // namespace

DeviceWnd::DeviceWnd(Application& app, QWidget* parent)
    : QDialog(parent), selection_(app.modules()) {
    setObjectName(QStringLiteral("DeviceWnd"));
    setWindowTitle(tr("Select IC"));
    setWindowIcon(familyIcon(app.familyIndex()));
    QFont font = this->font();
    font.setPixelSize(kFontPixels);
    font.setWeight(QFont::Normal);
    setFont(font);
    setFixedSize(kClientSize);
    buildControls();
    showModules();
    showChips();
}

void DeviceWnd::buildControls() {
    modules_ = new QListWidget(this);
    modules_->setObjectName(QStringLiteral("modules"));
    modules_->setGeometry(kModuleList);
    chipInfo_ = new QPlainTextEdit(this);
    chipInfo_->setObjectName(QStringLiteral("chipInfo"));
    chipInfo_->setGeometry(kChipInfo);
    chipInfo_->setReadOnly(true);
    chipInfo_->setTextInteractionFlags(Qt::NoTextInteraction);
    chipInfo_->setFocusPolicy(Qt::NoFocus);
    chipInfo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    chipInfo_->setTabStopDistance(DialogUnits(font()).x(kTabStopUnits));
    chips_ = new QListWidget(this);
    chips_->setObjectName(QStringLiteral("chips"));
    chips_->setGeometry(kChipList);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setGeometry(kOkButton);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setGeometry(kCancelButton);
    for (QPushButton* button : {ok_, cancel_}) {
        // Enter does nothing special here, not even on a button.
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(modules_, &QListWidget::currentRowChanged, this, &DeviceWnd::onModuleRow);
    connect(chips_, &QListWidget::currentRowChanged, this, &DeviceWnd::onChipRow);
    connect(chips_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { onChipDoubleClicked(chips_->row(item)); });
    connect(ok_, &QPushButton::clicked, this, &DeviceWnd::onOk);
    connect(cancel_, &QPushButton::clicked, this, &DeviceWnd::reject);
}

void DeviceWnd::showModules() {
    fill(*modules_, selection_.moduleNames(), selection_.selectedModuleRow());
}

void DeviceWnd::showChips() {
    const std::vector<std::string> names = selection_.chipNames();
    fill(*chips_, names,
         names.empty() ? std::nullopt : std::optional<std::size_t>(selection_.selectedChipRow()));
    showChipInfo();
}

void DeviceWnd::showChipInfo() {
    QStringList lines;
    for (const std::string& line : selection_.chipInfoLines()) {
        lines << fromStd(line);
    }
    chipInfo_->setPlainText(lines.join(QLatin1Char('\n')));
}

void DeviceWnd::onModuleRow(int row) {
    if (row < 0) {
        return;
    }
    selection_.chooseModuleRow(static_cast<std::size_t>(row));
    showChips();
}

void DeviceWnd::onChipRow(int row) {
    if (row < 0) {
        return;
    }
    selection_.chooseChipRow(static_cast<std::size_t>(row));
    showChipInfo();
}

void DeviceWnd::onChipDoubleClicked(int row) {
    if (row < 0) {
        return;
    }
    selection_.acceptChipRow(static_cast<std::size_t>(row));
    accept();
}

void DeviceWnd::onOk() {
    selection_.accept();
    accept();
}

void DeviceWnd::reject() {
    // Also after a second request to open the window, which has cancelled
    // the selection already.
    if (selection_.windowOpen()) {
        selection_.closeWindow();
    }
    QDialog::reject();
}

void DeviceWnd::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Enter:
        case Qt::Key_Return:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

ChipSelectionResult RunChipSelection(Application& app, QWidget* mainWindow) {
    if (app.busy()) {
        return ChipSelectionResult::NotOpened;
    }
    if (QPointer<DeviceWnd> open = openWindow(); open != nullptr) {
        // Closes the open window's selection as Cancel does.
        app.modules().openWindow();
        open->reject();
        return ChipSelectionResult::NotOpened;
    }
    app.modules().openWindow();
    DeviceWnd window(app, mainWindow);
    if (mainWindow != nullptr) {
        window.move(mainWindow->pos() + QPoint(DeviceWnd::kOffsetX, DeviceWnd::kOffsetY));
    }
    openWindow() = &window;
    const bool accepted = window.exec() == QDialog::Accepted;
    openWindow() = nullptr;
    app.chipSelectionClosed();
    return accepted ? ChipSelectionResult::Accepted : ChipSelectionResult::Cancelled;
}

}  // namespace veldrix
