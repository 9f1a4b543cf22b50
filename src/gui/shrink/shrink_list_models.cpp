#include "gui/shrink/shrink_list_models.h"

#include "core/catalogue/condition_summary.h"
#include "gui/widgets/text.h"

namespace p3::gui {
namespace {

/// A flag column over a "0"/"1" text field of a row; a flag other than "0" reads as set.
template <typename Row> RowColumn<Row> flagColumn(const QString& header, std::string Row::*field) {
    return {{header, ListGridModel::Look::CheckBox},
            {},
            [field](const Row& row) { return row.*field != "0"; },
            [field](Row& row) { row.*field = core::toggleFlag(row.*field); }};
}

template <typename Row>
RowColumn<Row> textColumn(const QString& header, std::function<QString(const Row&)> text) {
    return {{header}, [text = std::move(text)](const Row& row, int) { return text(row); }};
}

/// 序号 使用 name 注数: a named number list of the workbench pages.
template <typename Row> std::vector<RowColumn<Row>> namedListColumns(const QString& nameHeader) {
    return {serialColumn<Row>(), flagColumn(QStringLiteral("使用"), &Row::use),
            textColumn<Row>(nameHeader, [](const Row& r) { return toQString(r.name); }),
            textColumn<Row>(QStringLiteral("注数"),
                            [](const Row& r) { return QString::number(r.numbers.size()); })};
}

/// The condition line's flag, flipped by the line's own rule (a line kept verbatim keeps its flags).
RowColumn<core::ConditionLine> conditionFlag(const QString& header, std::string core::ConditionLine::*field,
                                             core::FlagColumn column) {
    auto c = flagColumn(header, field);
    c.flip = [column](core::ConditionLine& line) { core::toggleFlag(line, column); };
    return c;
}

} // namespace

ConditionListModel* makeConditionListModel(const core::ConditionList& lines, ConditionListModel::Edit edit,
                                           QObject* parent) {
    using Line = core::ConditionLine;
    // The content column is not shown: what the line holds is told in words over the row, with the
    // stored text below it.
    const auto summary = [](const Line& line) {
        return toQString(core::describeConditionLine(line)) + QStringLiteral("\n\n条件内容：") +
               toQString(line.content);
    };
    std::vector<RowColumn<Line>> columns{
        serialColumn<Line>(),
        conditionFlag(QStringLiteral("使用"), &Line::use, core::FlagColumn::Use),
        textColumn<Line>(QStringLiteral("条件名"), [](const Line& line) { return toQString(line.keyword); }),
        textColumn<Line>(QStringLiteral("条件数|容错数|本级容错"),
                         [](const Line& line) { return toQString(line.counts); }),
        conditionFlag(QStringLiteral("保留"), &Line::keep, core::FlagColumn::Keep),
        conditionFlag(QStringLiteral("容错"), &Line::tolerant, core::FlagColumn::Tolerant),
        textColumn<Line>(QStringLiteral("条件内容"),
                         [](const Line& line) { return toQString(line.content); }),
    };
    for (ConditionColumn c : {ColNumber, ColKeyword, ColCounts})
        columns[c].toolTip = summary;
    return new ConditionListModel(lines, std::move(edit), std::move(columns), parent);
}

BetListModel* makeBetListModel(std::vector<std::string>& bets, QObject* parent) {
    return new BetListModel(
        bets, {serialColumn<std::string>(), textColumn<std::string>(QStringLiteral("投注号码"), toQString)},
        parent);
}

EntryListModel* makeEntryListModel(std::vector<core::IntersectionEntry>& entries, QObject* parent) {
    using Entry = core::IntersectionEntry;
    auto columns = namedListColumns<Entry>(QStringLiteral("交集名称"));
    columns.insert(columns.begin() + 3, textColumn<Entry>(QStringLiteral("星轨参数"), [](const Entry& e) {
                       return toQString(core::seriesText(e.series));
                   }));
    columns.push_back(flagColumn(QStringLiteral("保留"), &Entry::keep));
    columns.push_back(flagColumn(QStringLiteral("容错"), &Entry::tolerant));
    return new EntryListModel(entries, std::move(columns), parent);
}

StagedListModel* makeStagedListModel(std::vector<core::StagedList>& staged, QObject* parent) {
    return new StagedListModel(staged, namedListColumns<core::StagedList>(QStringLiteral("名称")), parent);
}

} // namespace p3::gui
