#pragma once
// The hex editor control: an address column, a column of two-digit hex byte
// values and an ASCII column under a header row, with a block caret on one
// hex digit, a selection, a highlight range and per-byte marks. It shows the
// data buffer's memory in place and overwrites bytes as the user types; the
// data length never changes.

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "buffer/EditRecorder.h"
#include "buffer/EditorView.h"
#include "hexedit/ByteRange.h"
#include "hexedit/HexColors.h"
#include "hexedit/HexGeometry.h"
#include "hexedit/HexLayout.h"
#include "hexedit/MarkMap.h"

class QMenu;
class QScrollBar;

namespace veldrix {

class HexKeyController;
class HexMouseController;

class CHexEditBase : public QAbstractScrollArea, public EditorView {
    Q_OBJECT

public:
    // Style bit: rows wrap at the row width inside a 5-pixel margin, scroll
    // bars and auto-scroll work, and the selection stays visible without the
    // focus. Without it the editor is one row holding all bytes.
    static constexpr std::uint32_t kMultiLineStyle = 0x4;

    explicit CHexEditBase(std::uint32_t style = kMultiLineStyle, QWidget* parent = nullptr);
    ~CHexEditBase() override;

    // EditorView: the data buffer attaches its areas here in place.
    void attachData(std::uint8_t* data, std::uint32_t length, std::uint32_t addressOffset) override;
    void detachData() override;
    bool setMark(std::uint32_t index, bool marked) override;
    void clearMarks() override;

    // Data. Both setters reset highlight, selection, anchor and marks, and put
    // the caret on byte 0, high digit.
    // Shows a private copy of `length` bytes; null shows nothing.
    void SetDataCopy(const std::uint8_t* bytes, std::uint32_t length, bool redraw);
    // Shows the caller's bytes in place; the caller keeps them alive.
    void SetDataPtr(std::uint8_t* data, std::uint32_t length, bool redraw);
    // Copies min(length, capacity) bytes out; returns the length shown.
    std::uint32_t GetData(std::uint8_t* destination, std::uint32_t capacity) const;
    void SetAddressOffset(std::uint32_t offset, bool redraw);

    // Marks, selection, highlight (inclusive ranges; kNoIndex = none).
    void SetMarks(std::uint32_t start, std::uint32_t count, bool set, bool redraw);
    [[nodiscard]] bool IsMarked(std::uint32_t index) const noexcept;
    void SetSelection(std::uint32_t start, std::uint32_t end, bool makeVisible, bool redraw);
    bool GetSelection(std::uint32_t& start, std::uint32_t& end) const noexcept;
    [[nodiscard]] bool HasSelection() const noexcept { return selection_.isSet(); }
    void SetHighlight(std::uint32_t start, std::uint32_t end, bool makeVisible, bool redraw);
    bool GetHighlight(std::uint32_t& start, std::uint32_t& end) const noexcept;
    [[nodiscard]] bool HasHighlight() const noexcept { return highlight_.isSet(); }

    // Presentation.
    void SetBytesPerRow(std::uint32_t count, bool automatic, bool redraw);
    void SetShowAddress(bool on, bool redraw);
    void SetShowAscii(bool on, bool redraw);
    // 0 to 255 digits.
    void SetAddressDigits(std::uint32_t digits, bool redraw);
    virtual void SetReadonly(bool on, bool redraw);
    void SetAddressColors(Colorref background, Colorref text, bool redraw);
    void SetHexColors(Colorref background, Colorref text, bool redraw);
    void SetAsciiColors(Colorref background, Colorref text, bool redraw);
    void SetHighlightColors(Colorref frame, Colorref background, Colorref text, bool redraw);
    // The first argument is not used; it keeps the frame's call shape.
    void SetMarkColors(Colorref unused, Colorref background, Colorref text, bool redraw);
    void SetBackgroundColor(Colorref color, bool redraw);
    void SetSelectedNoFocusColors(Colorref background, Colorref text, bool redraw);
    // Note the order: text first.
    void SetSelectedColors(Colorref text, Colorref background, bool redraw);
    // Takes `font` only when it is fixed-pitch; true when taken.
    bool SetFont(const QFont& font, bool redraw);
    [[nodiscard]] QFont GetFont() const { return font_; }

    // Caret and scrolling.
    void SetCaret(std::uint32_t index, bool highDigit);
    // Moves the caret by `delta` bytes, clamped at both ends of the data.
    // With `extendSelection` (Shift held) and an anchor set, the selection
    // runs from the anchor to the caret; without it the selection is cleared.
    void MoveCaret(std::int64_t delta, bool highDigit, bool extendSelection);
    [[nodiscard]] HexPosition HitTest(QPoint point);
    void MakeVisible(std::uint32_t first, std::uint32_t last, bool redraw);
    void SetTopLine(std::uint32_t row, bool redraw);
    void SetHScroll(std::uint32_t pixels, bool redraw);
    // Scrolls by `rows` rows, stopping at the first.
    void ScrollRows(std::int64_t rows, bool redraw);
    void CalculateLayout();

    // Told of every byte the user overwrites, so that it can be undone; null
    // for none.
    void setEditRecorder(EditRecorder* recorder) noexcept { recorder_ = recorder; }

    // Editing helpers used by the input controllers.
    // Overwrites the caret's digit with `value` (0..15) and moves on.
    void TypeHexDigit(std::uint8_t value);
    // Starts a selection at `anchor`; nothing is selected yet.
    void BeginSelection(std::uint32_t anchor);
    // Sets the anchor, keeping the selection.
    void SetAnchor(std::uint32_t anchor) noexcept { anchor_ = anchor; }
    // Selects from the anchor to `movingEnd`.
    void ExtendSelection(std::uint32_t movingEnd);

    // State, for the controllers and the main window.
    [[nodiscard]] const std::uint8_t* data() const noexcept { return data_; }
    [[nodiscard]] std::uint32_t length() const noexcept { return length_; }
    [[nodiscard]] std::uint32_t caret() const noexcept { return caret_; }
    [[nodiscard]] bool isHighDigit() const noexcept { return highDigit_; }
    [[nodiscard]] std::uint32_t anchor() const noexcept { return anchor_; }
    [[nodiscard]] std::uint32_t topRow() const noexcept { return topRow_; }
    [[nodiscard]] std::uint32_t hScroll() const noexcept { return hScroll_; }
    [[nodiscard]] std::uint32_t addressOffset() const noexcept { return addressOffset_; }
    [[nodiscard]] bool isMultiLine() const noexcept { return (style_ & kMultiLineStyle) != 0; }
    [[nodiscard]] bool isReadonly() const noexcept { return readOnly_; }
    [[nodiscard]] const HexEditColors& colors() const noexcept { return colors_; }
    // The layout, recomputed first when stale.
    [[nodiscard]] const HexLayout& hexLayout();
    // Where the block caret is drawn; empty when it is hidden.
    [[nodiscard]] QRect caretRect() const noexcept { return caretRect_; }

    // The mouse handling, whose auto-scroll runs on a timer.
    [[nodiscard]] HexMouseController& mouseInput() noexcept { return *mouse_; }

    // The context menu as it would open now.
    [[nodiscard]] std::unique_ptr<QMenu> CreateContextMenu();

    // "%08X" of an address, as the main window's address pane shows it.
    [[nodiscard]] static QString AddressText(std::uint32_t address);

public slots:
    // With a selection: its bytes as "BinaryData" and as hex text.
    void Copy();
    // Writes a "BinaryData" block at the selection start or the caret.
    void Paste();
    void SelectAll();
    // The third context entry: the check value of the selection, or of all
    // data without one.
    void ShowCrc();

signals:
    // A typed digit or a non-empty paste changed the data.
    void editChanged();
    // The caret's address (byte index plus address offset) changed; the
    // text is the address pane's.
    void addressChanged(std::uint32_t address, const QString& text);
    // "CRC32: %08X" for the main window's message box.
    void crcCalculated(const QString& message);
    // The selection was made, changed or cleared, by the user or by a call;
    // the main window enables Copy, Paste and the block commands from it.
    void selectionChanged();

protected:
    // Receives the context menu before it is shown.
    virtual void OnExtendContextMenu(QMenu& menu);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void attach(std::uint8_t* data, std::uint32_t length, bool redraw);
    void ensureLayout();
    // Recomputes the layout and caret at once when a window exists.
    void layoutChanged(bool redraw);
    void repaint(bool redraw);
    // Stores a selection or highlight range the way SetSelection describes;
    // true when it changed.
    bool storeRange(ByteRange& range, std::uint32_t start, std::uint32_t end, bool makeVisible,
                    bool redraw);
    // Reads a range the way GetSelection describes.
    static bool readRange(const ByteRange& range, std::uint32_t& start,
                          std::uint32_t& end) noexcept;
    // Every change of the selection goes through here, so none goes unannounced.
    void changeSelection(ByteRange range);
    // Around every write of the user's into the data: the recorder is told
    // and editChanged follows.
    void beginEdit(std::uint32_t index, std::uint32_t count, EditKind kind);
    void endEdit();
    void scheduleScrollBarUpdate();
    void updateScrollBars();
    void syncScrollBar(QScrollBar& bar, const std::function<void(QScrollBar&)>& change);
    void placeCaret();
    void notifyAddress();
    [[nodiscard]] HexGeometry geometry() const noexcept {
        return HexGeometry(layout_, topRow_, hScroll_);
    }

    std::uint32_t style_;
    std::unique_ptr<std::uint8_t[]> ownedData_;
    std::uint8_t* data_ = nullptr;
    std::uint32_t length_ = 0;
    MarkMap marks_;
    std::uint32_t addressOffset_ = 0;
    std::uint32_t bytesPerRow_ = 16;
    std::uint32_t addressDigits_ = 8;
    ByteRange highlight_;
    ByteRange selection_;
    std::uint32_t caret_ = 0;
    bool highDigit_ = true;
    std::uint32_t anchor_ = kNoIndex;
    std::uint32_t movingEnd_ = kNoIndex;
    std::uint32_t topRow_ = 0;
    std::uint32_t hScroll_ = 0;
    HexLayout layout_;
    bool layoutDirty_ = true;
    QRect caretRect_;
    bool autoRowWidth_ = false;
    bool showAddress_ = false;
    bool showAscii_ = false;
    bool readOnly_ = false;
    bool scrollBarUpdatePending_ = false;
    bool syncingScrollBars_ = false;
    HexEditColors colors_;
    QFont font_;
    std::optional<std::uint32_t> notifiedAddress_;
    std::vector<std::unique_ptr<HexKeyController>> keyControllers_;
    std::unique_ptr<HexMouseController> mouse_;
    EditRecorder* recorder_ = nullptr;
};

}  // namespace veldrix
