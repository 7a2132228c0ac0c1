#include "buffer/GoToAddress.h"

#include <QCoreApplication>
#include <QString>

#include "catalog/WholeNumber.h"

namespace veldrix {

namespace {

[[nodiscard]] std::string_view trimmed(std::string_view text) noexcept {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

[[nodiscard]] QString translated(const char* text) {
    return QCoreApplication::translate("GoToAddress", text);
}

[[nodiscard]] QString hex(std::uint64_t value) {
    return QString::number(value, 16).toUpper();
}

}  // namespace

GoToResult parseGoToAddress(std::string_view text, std::uint32_t firstAddress, std::size_t length) {
    const std::string_view entered = trimmed(text);
    // A "-" would wrap to a large address that might happen to be shown.
    const std::optional<std::uint32_t> address =
        entered.starts_with('-') ? std::nullopt : parseWholeNumber(entered);
    if (!address) {
        return {0, GoToFault::NotANumber,
                translated(QT_TRANSLATE_NOOP("GoToAddress", "Not an address: %1"))
                    .arg(QString::fromUtf8(entered.data(), static_cast<qsizetype>(entered.size())))
                    .toStdString()};
    }
    if (*address < firstAddress || *address - firstAddress >= length) {
        const QString message =
            length == 0
                ? translated(QT_TRANSLATE_NOOP("GoToAddress",
                                               "Address %1 is outside the data: none is shown"))
                      .arg(hex(*address))
                : translated(
                      QT_TRANSLATE_NOOP("GoToAddress", "Address %1 is outside the data (%2 to %3)"))
                      .arg(hex(*address), hex(firstAddress),
                           hex(std::uint64_t{firstAddress} + length - 1));
        return {0, GoToFault::OutsideData, message.toStdString()};
    }
    return {*address - firstAddress, std::nullopt, {}};
}

}  // namespace veldrix
