#pragma once
// The port bar: the list of the ports the hardware family can use. It asks
// for a fresh enumeration whenever it gets the focus, so a port plugged in
// meanwhile shows up before the list opens. (A second list of the classic
// bar was never filled; it is left out.)

#include <QToolBar>
#include <string>
#include <vector>

class QComboBox;

namespace veldrix {

class PortBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kListWidth = 78;  // dialog units

    explicit PortBar(QWidget* parent = nullptr);

    // The port labels, with `current` selected (the first when it is not
    // among them). Sends no signal.
    void fill(const std::vector<std::string>& labels, const std::string& current);

    [[nodiscard]] QComboBox& ports() noexcept { return *ports_; }

    void retranslate();

signals:
    // The list is getting the focus.
    void focusEntered();
    // The user chose the port with this label.
    void portChosen(const QString& label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* ports_;
};

}  // namespace veldrix
