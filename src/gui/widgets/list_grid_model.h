#pragma once
/// The model behind the workbench's list grids: the numbered rows of a core list, with text columns
/// and flag columns (使用, 保留, 容错 …) that are set through setData.
#include <QAbstractTableModel>
#include <algorithm>
#include <functional>
#include <vector>

namespace p3::gui {

class ListGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// The state of a flag cell as a bool; setData with it, or with Qt::CheckStateRole, sets the flag.
    static constexpr int FlagRole = Qt::UserRole + 1;

    /// How a column shows a row.
    enum class Look {
        Text,     ///< the row's text
        CheckBox, ///< a flag as a check box
        Digit,    ///< a flag as "1" or "0"
    };
    struct Column {
        QString header;
        Look look = Look::Text;
        /// Empty: the style's own alignment.
        Qt::Alignment alignment = {};
    };

    explicit ListGridModel(std::vector<Column> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    bool isFlagColumn(int column) const;
    /// Shows every row anew, after the list behind the model changed as a whole.
    void reload();

signals:
    /// A flag cell changed through setData.
    void flagChanged(int row, int column);

protected:
    virtual int rows() const = 0;
    virtual QString text(int row, int column) const = 0;
    virtual QString toolTip(int row, int column) const;
    virtual bool flag(int row, int column) const = 0;
    virtual void flip(int row, int column) = 0;

    /// Everything shown anew, after the list behind the model changed as a whole.
    void reset(const std::function<void()>& change);

private:
    std::vector<Column> m_columns;
};

/// One column of a VectorListModel: its shape and how a row fills it.
template <typename Row> struct RowColumn {
    ListGridModel::Column shape;
    /// The text of a Text column; the row number is the row's place in the list.
    std::function<QString(const Row&, int row)> text = {};
    /// The state of a flag column and how a click flips it.
    std::function<bool(const Row&)> flag = {};
    std::function<void(Row&)> flip = {};
    std::function<QString(const Row&)> toolTip = {};
};

/// "序号": the row's place, counted from 1.
template <typename Row> RowColumn<Row> serialColumn(const QString& header = QStringLiteral("序号")) {
    return {{header}, [](const Row&, int row) { return QString::number(row + 1); }};
}

/// A list grid over a list of core rows kept by its owner. Changes made through the model are shown
/// at once; an owner that changes the list itself calls reload() before anything repaints.
template <typename Row> class VectorListModel final : public ListGridModel {
public:
    VectorListModel(std::vector<Row>& list, std::vector<RowColumn<Row>> columns, QObject* parent = nullptr)
        : ListGridModel(shapes(columns), parent), m_columns(std::move(columns)), m_list(list) {}

    const std::vector<Row>& list() const { return m_list; }

    void setList(std::vector<Row> list) {
        reset([&] { m_list = std::move(list); });
    }
    void append(Row row) {
        const int at = static_cast<int>(m_list.size());
        beginInsertRows({}, at, at);
        m_list.push_back(std::move(row));
        endInsertRows();
    }
    void replace(int row, Row value) {
        if (row < 0 || row >= rows()) return;
        m_list[static_cast<std::size_t>(row)] = std::move(value);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    /// Removes the rows named (in any order; repeats and rows out of the list are ignored); the rows
    /// after them are numbered anew.
    void eraseRows(const std::vector<int>& doomed) {
        std::vector<bool> gone(m_list.size(), false);
        for (int row : doomed)
            if (row >= 0 && row < rows()) gone[static_cast<std::size_t>(row)] = true;
        if (std::find(gone.begin(), gone.end(), true) == gone.end()) return;
        reset([&] {
            std::vector<Row> kept;
            for (std::size_t i = 0; i < m_list.size(); ++i)
                if (!gone[i]) kept.push_back(std::move(m_list[i]));
            m_list = std::move(kept);
        });
    }

protected:
    int rows() const override { return static_cast<int>(m_list.size()); }
    QString text(int row, int column) const override {
        const auto& c = m_columns[static_cast<std::size_t>(column)];
        return c.text ? c.text(m_list[static_cast<std::size_t>(row)], row) : QString();
    }
    QString toolTip(int row, int column) const override {
        const auto& c = m_columns[static_cast<std::size_t>(column)];
        return c.toolTip ? c.toolTip(m_list[static_cast<std::size_t>(row)]) : QString();
    }
    bool flag(int row, int column) const override {
        const auto& c = m_columns[static_cast<std::size_t>(column)];
        return c.flag && c.flag(m_list[static_cast<std::size_t>(row)]);
    }
    void flip(int row, int column) override {
        const auto& c = m_columns[static_cast<std::size_t>(column)];
        if (c.flip) c.flip(m_list[static_cast<std::size_t>(row)]);
    }

private:
    static std::vector<Column> shapes(const std::vector<RowColumn<Row>>& columns) {
        std::vector<Column> out;
        for (const auto& c : columns)
            out.push_back(c.shape);
        return out;
    }

    std::vector<RowColumn<Row>> m_columns;
    std::vector<Row>& m_list;
};

} // namespace p3::gui
