#pragma once
/// The statistics table Ms_Grid as a model over the omission query: title, header and value rows with
/// their colours, and the column sort of a header click.
#include <QAbstractTableModel>

namespace p3::core {
class OmissionQuery;
}

namespace p3::gui {

class OmissionModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { RowKindRole = Qt::UserRole + 1 };
    static constexpr int kColumnCount = 15;

    explicit OmissionModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    /// Shows the table of a query (or none); the query must outlive its showing.
    void setQuery(core::OmissionQuery* query);
    /// The query's table changed (a new query, a new range).
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override;

    /// Ms_GridClick: a header-row cell sorts its block; true when it did.
    bool sortAt(int row, int column);

private:
    core::OmissionQuery* m_query = nullptr;
};

} // namespace p3::gui
