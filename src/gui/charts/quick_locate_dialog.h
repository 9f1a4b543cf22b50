#pragma once
/// The quick-locate list TF_LeiXinDWei ("快速定位"): one line per kind of the statistics table; a click
/// scrolls the table to that kind's block and marks its title.
#include <QDialog>
#include <span>
#include <vector>

class QListWidget;
class QTableView;

namespace p3::gui {

class QuickLocateDialog final : public QDialog {
    Q_OBJECT
public:
    QuickLocateDialog(QTableView& table, QWidget* parent);

    /// The kinds the table shows, by name, with their numbers of value rows.
    void fill(const QStringList& names, std::vector<std::size_t> valueRows);
    /// Shows it without blocking at the right edge of the screen, vertically centred, above other windows.
    void showBeside();
    /// Lei_XinClick: scrolls the table so that the block of kind `line` is its top row.
    void Lei_XinClick(int line);

    QListWidget* list() const { return m_list; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTableView& m_table;
    QListWidget* m_list;
    std::vector<std::size_t> m_valueRows;
};

} // namespace p3::gui
