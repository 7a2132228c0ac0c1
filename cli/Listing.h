#pragma once
// A listing of veldrix-cli (families, ports, modules, chips, keys): named
// columns and rows, printed as an aligned table or as a JSON array of
// objects with the column names as keys.

#include <QJsonArray>
#include <QJsonValue>
#include <string>
#include <vector>

namespace veldrix::cli {

class Listing {
public:
    explicit Listing(std::vector<std::string> columns) : columns_(std::move(columns)) {}

    // One value per column, in column order.
    void addRow(std::vector<QJsonValue> values);

    [[nodiscard]] bool empty() const noexcept { return rows_.empty(); }
    // A header line and one line per row, columns padded to their widest
    // cell and two spaces apart; arrays are joined with ",".
    [[nodiscard]] std::string table() const;
    [[nodiscard]] QJsonArray json() const;

private:
    std::vector<std::string> columns_;
    std::vector<std::vector<QJsonValue>> rows_;
};

// A cell as the table shows it.
[[nodiscard]] std::string cellText(const QJsonValue& value);

}  // namespace veldrix::cli
