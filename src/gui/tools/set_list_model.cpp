#include "gui/tools/set_list_model.h"

#include "core/tools/set_tool.h"

namespace p3::gui {
namespace {

std::vector<ListGridModel::Column> setColumns() {
    using Look = ListGridModel::Look;
    const Qt::Alignment centre = Qt::AlignCenter;
    return {{QStringLiteral("序号"), Look::Text, centre},  {QStringLiteral("运算"), Look::Digit, centre},
            {QStringLiteral("名称"), Look::Text},          {QStringLiteral("注数"), Look::Text, centre},
            {QStringLiteral("保留"), Look::Digit, centre}, {QStringLiteral("容错"), Look::Digit, centre}};
}

/// The core flag a flag column shows.
core::SetFlag flagOf(int column) {
    return column == SetListModel::TakePart ? core::SetFlag::TakePart
           : column == SetListModel::Keep   ? core::SetFlag::Keep
                                            : core::SetFlag::Tolerate;
}

} // namespace

SetListModel::SetListModel(core::SetList& sets, QObject* parent)
    : ListGridModel(setColumns(), parent), m_sets(sets) {
    reload();
}

int SetListModel::rows() const {
    return static_cast<int>(m_sets.sets().size());
}

QString SetListModel::text(int row, int column) const {
    const core::NamedSet& set = m_sets.sets()[static_cast<std::size_t>(row)];
    if (column == Serial) return QString::number(row + 1);
    if (column == Name) return QString::fromStdString(set.name);
    if (column == Count) return QString::number(set.numbers.size());
    return {};
}

bool SetListModel::flag(int row, int column) const {
    const core::NamedSet& set = m_sets.sets()[static_cast<std::size_t>(row)];
    switch (flagOf(column)) {
    case core::SetFlag::TakePart:
        return set.takePart;
    case core::SetFlag::Keep:
        return set.keep;
    case core::SetFlag::Tolerate:
        break;
    }
    return set.tolerate;
}

void SetListModel::flip(int row, int column) {
    m_sets.flip(static_cast<std::size_t>(row), flagOf(column));
}

} // namespace p3::gui
