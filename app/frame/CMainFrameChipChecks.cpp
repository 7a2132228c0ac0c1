// The main window's checks of what the chip holds beyond the operations'
// own results: the compare report and read verification.
#include <QCoreApplication>

#include "buffer/CompareReportText.h"
#include "buffer/ReadComparisonText.h"
#include "core/Application.h"
#include "frame/CMainFrame.h"
#include "frame/CompareReportWindow.h"
#include "frame/EditorPane.h"
#include "frame/GuiUserInterface.h"

namespace veldrix {

void CMainFrame::readVerified() {
    const ReadVerification verification =
        engine_.verifyRead(kMinimumVerifiedReads, kDefaultListedDifferences);
    concludeOperation(verification.outcome);
    if (verification.check != ReadCheck::Unstable) {
        return;
    }
    // The engine put the image back behind the editors' backs.
    editors_->repaintEditors();
    const QString heading = QCoreApplication::translate(
        "CMainFrame", "The reads of the chip differ: the buffer keeps its image.");
    ui_.messageBox(DD_MB_ICONEXCLAMATION,
                   heading.toStdString() + "\n\n" + formatUnstableReads(verification.unstable));
}

void CMainFrame::reportComparison(const OperationOutcome& outcome) {
    if (!outcome.ran) {
        // Nothing was compared: the last report still stands.
        return;
    }
    // Only a compare that failed may have found differences, and only a
    // whole one says anything about the whole chip.
    if (outcome.verdict != Verdict::FailedChipUnchanged || outcome.cancelled || closeRequested_) {
        compareReport_->clearReport();
        return;
    }
    const ChipComparison comparison = engine_.compareChipWithBuffer(kDefaultListedDifferences);
    if (comparison.report && comparison.report->count != 0) {
        compareReport_->showReport(QString::fromStdString(formatCompareReport(*comparison.report)));
    } else {
        compareReport_->clearReport();
    }
}

void CMainFrame::showCompareReport() {
    compareReport_->reopen();
}

}  // namespace veldrix
