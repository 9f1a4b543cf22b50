#include "gui/app/main_grid_model.h"

#include <array>

namespace p3::gui {
namespace {

constexpr std::array<const char*, 5> kPositionLabels{{"百", "十", "个", "四", "五"}};

const QColor kHeaderBackground(232, 240, 249);
const QColor kLabelColour(22, 77, 137);
const QColor kGreyDigit(128, 128, 128);
const QColor kNumberDigit(51, 51, 153);
const QColor kStripColour(0, 0, 255);
// Blocks 1 and 4, 2 and 5, 3 and 6 share a background.
const std::array<QColor, 3> kBlockBackgrounds{
    {QColor(255, 255, 224), QColor(238, 255, 255), QColor(255, 240, 238)}};

} // namespace

HeaderPart headerPartOfColumn(int column) {
    if (column <= 0) return HeaderPart::None;
    switch (positionOfColumn(column)) {
    case 1:
    case 2:
        return HeaderPart::Chart;
    case 4:
    case 5:
        return HeaderPart::Omission;
    default:
        return HeaderPart::None;
    }
}

MainGridModel::MainGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void MainGridModel::rebuild(const core::DrawList* draws, const core::TrackTable* table,
                            const core::PredictionRow* prediction, int digitCount) {
    beginResetModel();
    m_draws = draws;
    m_table = table;
    m_prediction = prediction;
    m_digits = digitCount;
    endResetModel();
}

void MainGridModel::predictionChanged(int position) {
    const int row = predictionRow();
    for (int group = 0; group < kGroupCount; ++group) {
        const QModelIndex cell = index(row, group * 5 + 1 + position);
        emit dataChanged(cell, cell);
    }
}

void MainGridModel::setActiveHeader(int group, HeaderPart part) {
    if (part == HeaderPart::None) group = -1;
    if (group == m_activeGroup && part == m_activePart) return;
    const int before = m_activeGroup;
    m_activeGroup = group;
    m_activePart = part;
    for (int g : {before, group}) {
        if (g < 0) continue;
        const QModelIndex cell = index(0, g * 5 + 1);
        emit dataChanged(cell, cell.siblingAtColumn(g * 5 + 5));
    }
}

int MainGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : drawCount() + 6;
}

int MainGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumns;
}

QString MainGridModel::groupTitle(int group) {
    if (group == 0) return QStringLiteral("开奖号码");
    return QStringLiteral("星轨%1(X%1)").arg(group);
}

QString MainGridModel::positionLabel(int position) {
    if (position < 1 || position > 5) return {};
    return QString::fromUtf8(kPositionLabels[position - 1]);
}

MainGridModel::CellKind MainGridModel::kindOf(int row, int column) const {
    const int n = drawCount();
    const int last = n + 5;
    if (column == 0) {
        if (row < kHeaderRows || row >= n + 4) return Corner;
        return row == n + 3 ? PredictionLabel : Period;
    }
    if (row == 0) return ChartStrip;
    if (row == 1 || row == last) return GroupTitle;
    if (row == 2 || row == n + 4) return PositionLabel;
    return row == n + 3 ? Prediction : Digit;
}

QString MainGridModel::textOf(int row, int column, CellKind kind) const {
    const int group = groupOfColumn(column);
    const int position = positionOfColumn(column);
    const bool groupStart = position == 1;
    switch (kind) {
    case Empty:
        return {};
    case Corner:
        return row == 0 || row == drawCount() + 4 ? QStringLiteral("期号") : QString();
    case ChartStrip:
        return groupStart ? QStringLiteral("图表　遗漏") : QString();
    case GroupTitle:
        return groupStart ? groupTitle(group) : QString();
    case PositionLabel:
        return positionLabel(position);
    case PredictionLabel:
        return QStringLiteral("下期预测");
    case Period:
        return QString::fromStdString((*m_draws)[row - kHeaderRows].period);
    case Digit: {
        if (position > m_digits || !positionShown(position)) return {};
        const std::size_t drawIndex = static_cast<std::size_t>(row - kHeaderRows);
        if (group == 0) {
            const std::string& digits = (*m_draws)[drawIndex].digits;
            const std::size_t at = static_cast<std::size_t>(position - 1);
            return at < digits.size() ? QString(QLatin1Char(digits[at])) : QString();
        }
        if (!m_table || !m_table->hasBlockValue(group, drawIndex)) return {};
        return QString(QChar(u'0' + m_table->blockDigit(group, drawIndex, position - 1)));
    }
    case Prediction: {
        if (!m_prediction || !positionShown(position)) return {};
        const int value = m_prediction->cell(group, position - 1);
        return value < 0 ? QString() : QString(QChar(u'0' + value));
    }
    }
    return {};
}

QColor MainGridModel::backgroundOf(int, int column, CellKind kind) const {
    switch (kind) {
    case Corner:
    case ChartStrip:
    case GroupTitle:
    case PositionLabel:
        return kHeaderBackground;
    case Digit:
    case Prediction: {
        const int group = groupOfColumn(column);
        return group == 0 ? QColor(Qt::white) : kBlockBackgrounds[(group - 1) % 3];
    }
    default:
        return Qt::white;
    }
}

QColor MainGridModel::foregroundOf(int column, CellKind kind) const {
    const bool grey = positionOfColumn(column) >= 4;
    switch (kind) {
    case ChartStrip:
        return kStripColour;
    case GroupTitle:
        return kLabelColour;
    case PositionLabel:
        return grey ? kGreyDigit : kLabelColour;
    case Digit:
    case Prediction:
        if (grey) return kGreyDigit;
        return groupOfColumn(column) == 0 ? kNumberDigit : kLabelColour;
    case PredictionLabel:
        return QColor(192, 78, 59);
    default:
        return Qt::black;
    }
}

QVariant MainGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_draws) return {};
    const int row = index.row();
    const int column = index.column();
    const CellKind kind = kindOf(row, column);
    switch (role) {
    case Qt::DisplayRole:
        return textOf(row, column, kind);
    case Qt::BackgroundRole:
        return backgroundOf(row, column, kind);
    case Qt::ForegroundRole:
        return foregroundOf(column, kind);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case KindRole:
        return int(kind);
    case ActivePartRole:
        if (kind == ChartStrip && groupOfColumn(column) == m_activeGroup) return int(m_activePart);
        return int(HeaderPart::None);
    case SpanRole:
        return (kind == ChartStrip || kind == GroupTitle) && positionOfColumn(column) == 1 ? 5 : 1;
    default:
        return {};
    }
}

Qt::ItemFlags MainGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const CellKind kind = kindOf(index.row(), index.column());
    // Only draw cells and the prediction row can be selected; headers and footers are fixed cells, and
    // without draws there is nothing to predict from.
    if (kind == Period || kind == Digit ||
        ((kind == Prediction || kind == PredictionLabel) && drawCount() > 0))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled;
}

} // namespace p3::gui
