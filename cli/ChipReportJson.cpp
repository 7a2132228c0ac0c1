#include "ChipReportJson.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace veldrix::cli {
namespace {

const char* faultKindWord(FaultKind kind) {
    switch (kind) {
        case FaultKind::DataLineStuck:
            return "dataLineStuck";
        case FaultKind::AddressLineOpen:
            return "addressLineOpen";
        case FaultKind::NotErased:
            break;
    }
    return "notErased";
}

QJsonObject diagnosisJson(const Diagnosis& diagnosis) {
    QJsonObject json;
    json.insert("kind", faultKindWord(diagnosis.kind));
    if (diagnosis.kind != FaultKind::NotErased) {
        json.insert("line", static_cast<int>(diagnosis.line));
        json.insert("level", static_cast<int>(diagnosis.level));
    }
    json.insert("count", static_cast<qint64>(diagnosis.count));
    json.insert("text", QString::fromStdString(diagnosisText(diagnosis)));
    return json;
}

}  // namespace

void setCompareReport(const CompareReport& report, CommandOutput& output) {
    QJsonArray listed;
    for (const ByteDifference& difference : report.listed) {
        QJsonObject entry;
        entry.insert("address", static_cast<qint64>(difference.address));
        entry.insert("chip", difference.chip);
        entry.insert("expected", difference.expected);
        listed.append(entry);
    }
    QJsonArray bits;
    for (std::size_t bit = 0; bit < report.bits.size(); ++bit) {
        QJsonObject entry;
        entry.insert("bit", static_cast<int>(bit));
        entry.insert("readZeroForOne", static_cast<qint64>(report.bits[bit].readZeroForOne));
        entry.insert("readOneForZero", static_cast<qint64>(report.bits[bit].readOneForZero));
        bits.append(entry);
    }
    output.set("differences", static_cast<qint64>(report.count));
    output.set("firstDifferences", listed);
    output.set("bitDifferences", bits);
    if (report.diagnosis) {
        output.set("diagnosis", diagnosisJson(*report.diagnosis));
    }
}

void setUnstableReads(const ReadComparison& unstable, CommandOutput& output) {
    QJsonArray listed;
    for (const UnstableByte& byte : unstable.listed) {
        QJsonArray values;
        for (const std::uint8_t value : byte.values) {
            values.append(value);
        }
        QJsonObject entry;
        entry.insert("address", static_cast<qint64>(byte.address));
        entry.insert("values", values);
        listed.append(entry);
    }
    output.set("unstable", static_cast<qint64>(unstable.count));
    output.set("unstableAddresses", listed);
}

}  // namespace veldrix::cli
