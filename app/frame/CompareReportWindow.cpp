#include "frame/CompareReportWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace veldrix {

namespace {

// The report's widest line, a per-bit count of a large chip, fits beside
// the margins and the scroll bar.
constexpr int kColumns = 88;
constexpr int kLines = 24;

}  // namespace

CompareReportWindow::CompareReportWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("compareReport"));
    setModal(false);
    setSizeGripEnabled(true);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("reportText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(this);
    copy_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    copy_->setObjectName(QStringLiteral("copyReport"));
    copy_->setAutoDefault(false);
    close_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close_->setObjectName(QStringLiteral("closeReport"));
    connect(copy_, &QPushButton::clicked, this, &CompareReportWindow::copyToClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);

    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * kColumns, metrics.lineSpacing() * kLines);
    retranslate();
}

void CompareReportWindow::showReport(const QString& report) {
    text_->setPlainText(report);
    // The keyboard stays with the main window, where the user was working.
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    raise();
}

void CompareReportWindow::clearReport() {
    text_->clear();
    close();
}

void CompareReportWindow::reopen() {
    if (!hasReport()) {
        return;
    }
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    show();
    raise();
    activateWindow();
}

bool CompareReportWindow::hasReport() const {
    // A report always says how many differences it counted.
    return !text_->document()->isEmpty();
}

QString CompareReportWindow::report() const {
    return text_->toPlainText();
}

void CompareReportWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void CompareReportWindow::retranslate() {
    setWindowTitle(tr("Compare report"));
    copy_->setText(tr("Copy to clipboard"));
    close_->setText(tr("Close"));
}

void CompareReportWindow::copyToClipboard() const {
    QApplication::clipboard()->setText(report());
}

}  // namespace veldrix
