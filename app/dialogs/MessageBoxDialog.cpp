#include "dialogs/MessageBoxDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QStringList>
#include <algorithm>

#include "core/MessageBoxModel.h"
#include "dialogs/CDynDialogEx.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/DynStyles.h"
#include "dlldata.h"

namespace veldrix {

namespace {

using namespace dynstyle;

// The edit takes no tab stop, so the first button has the focus.
constexpr std::uint32_t kTextStyle = kChild | kVisible | kVScroll | kEditMultiLine | kEditReadOnly;
constexpr std::uint32_t kButtonStyle = kChild | kVisible | kTabStop;
// Dialog units.
constexpr int kCaptionPadding = 8;  // a button's caption needs this much more room
constexpr int kRowMargin = 5;       // beside a widened row of buttons

QString editText(const std::string& text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.remove(QLatin1Char('\r'));
    return shown;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Some languages' captions are longer than the box's standard buttons: then
// every button takes the widest caption's width, the row stays centred and
// the box grows with it, instead of cutting words off.
void fitButtonsToCaptions(MessageBoxLayout& layout, const QStringList& captions,
                          const QFont& font) {
    if (layout.buttons.empty()) {
        return;
    }
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    const int standard = layout.buttons.front().right - layout.buttons.front().left;
    int width = standard;
    for (const QString& caption : captions) {
        const int pixels = metrics.horizontalAdvance(caption) + units.x(kCaptionPadding);
        width = std::max(width, (pixels * 4 + units.baseX() - 1) / units.baseX());
    }
    if (width == standard) {
        return;
    }
    const int count = static_cast<int>(layout.buttons.size());
    const int gap = count > 1 ? layout.buttons[1].left - layout.buttons[0].right : 0;
    const int row = count * width + (count - 1) * gap;
    layout.width = std::max(layout.width, row + 2 * kRowMargin);
    int left = (layout.width - row) / 2;
    for (DialogRect& button : layout.buttons) {
        button.left = left;
        button.right = left + width;
        left += width + gap;
    }
}

}  // namespace

QWidget* messageBoxParent(QWidget* fallback) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : fallback;
}

std::uint32_t showMessageBox(std::uint32_t style, const std::string& text, Language language,
                             QWidget* parent) {
    const MessageBoxModel model(style, text);
    const auto buttons = model.buttons();
    QStringList captions;
    for (const std::uint32_t id : buttons) {
        captions << fromView(messageBoxButtonCaption(id, language));
    }
    // The font the dialog would choose itself, known here to measure with.
    const QFont font = parent != nullptr ? parent->font() : QApplication::font();
    MessageBoxLayout layout = model.layout();
    fitButtonsToCaptions(layout, captions, font);

    CDynDialogEx dialog(parent);
    dialog.setObjectName(QStringLiteral("messageBox"));
    dialog.SetCaption(fromView(kMessageBoxCaption));
    dialog.SetDialogFont(font);
    dialog.SetAddButtons(false);
    dialog.AddControl(dynclass::kEdit, editText(model.text()), kTextStyle, 0, layout.text);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        dialog.AddControl(dynclass::kButton, captions[static_cast<qsizetype>(i)], kButtonStyle, 0,
                          layout.buttons[i], {}, static_cast<int>(buttons[i]));
    }
    dialog.SetDlgRect(DialogRect{0, 0, layout.width, layout.height});

    const QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    dialog.DoModal();
    if (previouslyActive != nullptr) {
        previouslyActive->activateWindow();
    }
    // Only a button or Esc and the close box end the box; anything else that
    // closed it counts as Cancel.
    const int closedBy = dialog.lastCommand();
    return model.offers(static_cast<std::uint32_t>(closedBy)) ? static_cast<std::uint32_t>(closedBy)
                                                              : DD_IDCANCEL;
}

}  // namespace veldrix
