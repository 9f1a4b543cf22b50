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
    /// Shows the list anew after its keeper changed it: the same rows (and the user's choice of them)
    /// when only their content changed, else a new list.
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

    /// A change of the list that the views see as a new list.
    void reset(const std::function<void()>& change);
    /// A change that inserts one row at `at`.
    void insertAt(int at, const std::function<void()>& change);

private:
    /// The row is in the list as the views know it and as it stands.
    bool isShownRow(const QModelIndex& index) const;

    std::vector<Column> m_columns;
    /// The row count the views were last told.
    int m_shown = 0;
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

/// Removes the rows named (in any order; repeats and rows out of the list are ignored).
template <typename Row> void eraseListRows(std::vector<Row>& list, const std::vector<int>& doomed) {
    std::vector<bool> gone(list.size(), false);
    for (int row : doomed)
        if (row >= 0 && row < static_cast<int>(list.size())) gone[static_cast<std::size_t>(row)] = true;
    std::vector<Row> kept;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!gone[i]) kept.push_back(std::move(list[i]));
    list = std::move(kept);
}

/// A list grid over a list of core rows. The model shows the list as it was at the last change told
/// to it, so a keeper that changes the list itself calls reload() afterwards.
template <typename Row> class VectorListModel final : public ListGridModel {
public:
    /// How a change reaches a list kept elsewhere.
    using Edit = std::function<void(const std::function<void(std::vector<Row>&)>&)>;

    /// A list its owner changes through this model (rows added, replaced, removed, flags flipped).
    VectorListModel(std::vector<Row>& list, std::vector<RowColumn<Row>> columns, QObject* parent = nullptr)
        : VectorListModel(
              list, [&list](const auto& change) { change(list); }, std::move(columns), parent) {
        m_owned = &list;
    }
    /// A list shared with other windows: the model flips flags through `edit` only, and the list's
    /// keeper calls reload() whenever the list has changed.
    VectorListModel(const std::vector<Row>& list, Edit edit, std::vector<RowColumn<Row>> columns,
                    QObject* parent = nullptr)
        : ListGridModel(shapes(columns), parent), m_columns(std::move(columns)), m_list(list),
          m_edit(std::move(edit)) {
        reload();
    }

    const std::vector<Row>& list() const { return m_list; }

    // Row changes of an owned list; a shared list changes through its keeper.
    void setList(std::vector<Row> list) {
        if (m_owned) reset([&] { *m_owned = std::move(list); });
    }
    void append(Row row) {
        if (m_owned) insertAt(rows(), [&] { m_owned->push_back(std::move(row)); });
    }
    void replace(int row, Row value) {
        if (!m_owned || row < 0 || row >= rows()) return;
        (*m_owned)[static_cast<std::size_t>(row)] = std::move(value);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    /// Removes the rows named (in any order; repeats and rows out of the list are ignored); the rows
    /// after them are numbered anew.
    void eraseRows(const std::vector<int>& doomed) {
        if (!m_owned) return;
        std::vector<bool> gone(m_list.size(), false);
        for (int row : doomed)
            if (row >= 0 && row < rows()) gone[static_cast<std::size_t>(row)] = true;
        if (std::find(gone.begin(), gone.end(), true) == gone.end()) return;
        reset([&] { eraseListRows(*m_owned, doomed); });
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
        if (c.flip) m_edit([&](std::vector<Row>& list) { c.flip(list[static_cast<std::size_t>(row)]); });
    }

private:
    static std::vector<Column> shapes(const std::vector<RowColumn<Row>>& columns) {
        std::vector<Column> out;
        for (const auto& c : columns)
            out.push_back(c.shape);
        return out;
    }

    std::vector<RowColumn<Row>> m_columns;
    const std::vector<Row>& m_list;
    Edit m_edit;
    std::vector<Row>* m_owned = nullptr;
};

} // namespace p3::gui
