#pragma once
// The report of the last Compare that found differences, as the engine
// words it: beside the main window, not modal, so the user can keep it open
// while looking at the marked bytes in the editors.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace veldrix {

class CompareReportWindow : public QDialog {
    Q_OBJECT

public:
    explicit CompareReportWindow(QWidget* parent);

    // Replaces the report and shows it in front, leaving the keyboard where it is.
    void showReport(const QString& report);
    // The report goes; the window closes.
    void clearReport();
    // Shows the kept report again, with the keyboard; nothing without one.
    void reopen();

    [[nodiscard]] bool hasReport() const;
    [[nodiscard]] QString report() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void copyToClipboard() const;

    QPlainTextEdit* text_;
    QPushButton* copy_;
    QPushButton* close_;
};

}  // namespace veldrix
