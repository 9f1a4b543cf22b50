#include "gui/editors/record_list_model.h"

namespace p3::gui {
namespace {

using Record = core::RecordState;

/// The k-th "^"-separated part of the record's value; empty past the end.
QString part(const Record& r, std::size_t k) {
    const auto parts = core::splitKeepEmpty(r.value, '^');
    return k < parts.size() ? QString::fromStdString(parts[k]) : QString();
}

RowColumn<Record> partColumn(const QString& header, std::size_t k) {
    return {{header}, [k](const Record& r, int) { return part(r, k); }};
}

RowColumn<Record> boolColumn(const QString& header, bool Record::*field) {
    return {{header, ListGridModel::Look::CheckBox},
            {},
            [field](const Record& r) { return r.*field; },
            [field](Record& r) { r.*field = !(r.*field); }};
}

/// 使用 is the first part of the value: the row is used while it reads "1".
RowColumn<Record> useColumn() {
    return {{QStringLiteral("使用"), ListGridModel::Look::CheckBox},
            {},
            [](const Record& r) { return part(r, 0) == QLatin1String("1"); },
            [](Record& r) {
                auto parts = core::splitKeepEmpty(r.value, '^');
                parts[0] = core::toggleFlag(parts[0]);
                std::string joined;
                for (std::size_t k = 0; k < parts.size(); ++k)
                    joined += (k ? "^" : "") + parts[k];
                r.value = joined;
            }};
}

} // namespace

RecordListModel* makeRecordListModel(std::vector<core::RecordState>& rows, bool positionList,
                                     QObject* parent) {
    std::vector<RowColumn<Record>> columns{serialColumn<Record>(), useColumn()};
    if (positionList) {
        columns.push_back(partColumn(QStringLiteral("内容"), 1));
        columns.push_back(partColumn(QStringLiteral("正确位置"), 2));
    } else {
        columns.push_back(partColumn(QStringLiteral("号码组"), 1));
        columns.push_back(partColumn(QStringLiteral("中出个数"), 2));
        columns.push_back(partColumn(QStringLiteral("算1个"), 3));
    }
    columns.push_back(boolColumn(QStringLiteral("保留"), &Record::keep));
    columns.push_back(boolColumn(QStringLiteral("容错"), &Record::tolerant));
    return new RecordListModel(rows, std::move(columns), parent);
}

} // namespace p3::gui
