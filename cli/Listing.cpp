#include "Listing.h"

#include <QJsonObject>
#include <algorithm>
#include <stdexcept>

namespace veldrix::cli {

std::string cellText(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Bool:
            return value.toBool() ? "yes" : "no";
        case QJsonValue::Double:
            return std::to_string(value.toInteger());
        case QJsonValue::String:
            return value.toString().toStdString();
        case QJsonValue::Array: {
            std::string joined;
            for (const QJsonValue& item : value.toArray()) {
                if (!joined.empty()) {
                    joined += ',';
                }
                joined += cellText(item);
            }
            return joined;
        }
        default:
            return {};
    }
}

void Listing::addRow(std::vector<QJsonValue> values) {
    if (values.size() != columns_.size()) {
        throw std::logic_error("listing row does not match its columns");
    }
    rows_.push_back(std::move(values));
}

std::string Listing::table() const {
    std::vector<std::vector<std::string>> cells;
    cells.emplace_back(columns_);
    for (const auto& row : rows_) {
        std::vector<std::string> texts;
        for (const QJsonValue& value : row) {
            texts.push_back(cellText(value));
        }
        cells.push_back(std::move(texts));
    }
    std::vector<std::size_t> widths(columns_.size(), 0);
    for (const auto& line : cells) {
        for (std::size_t c = 0; c < line.size(); ++c) {
            widths[c] = std::max(widths[c], line[c].size());
        }
    }
    std::string text;
    for (const auto& line : cells) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            out += line[c];
            if (c + 1 < line.size()) {
                out += std::string(widths[c] - line[c].size() + 2, ' ');
            }
        }
        text += out + '\n';
    }
    return text;
}

QJsonArray Listing::json() const {
    QJsonArray array;
    for (const auto& row : rows_) {
        QJsonObject object;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            object.insert(QString::fromStdString(columns_[c]), row[c]);
        }
        array.append(object);
    }
    return array;
}

}  // namespace veldrix::cli
