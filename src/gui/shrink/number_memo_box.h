#pragma once
/// A box of numbers on the list workbench pages of the shrink window (交集结果, 暂存号码, 开奖号码).
#include <QGroupBox>
#include <string>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QPlainTextEdit;

namespace p3::gui {

class Prompter;

/// The numbers in a memo with its popup menu (清空 / 全部复制), over a row of "列数：" and the column box,
/// which lays the numbers out again when changed; the row takes the buttons of the box's page.
class NumberMemoBox final : public QGroupBox {
    Q_OBJECT
public:
    NumberMemoBox(const QString& title, const QString& memoName, const QString& columnsName,
                  Prompter& prompter, QWidget* parent);

    QPlainTextEdit* memo() const { return m_memo; }
    QComboBox* columns() const { return m_columns; }
    /// The row under the memo, for the page's buttons after the column box.
    QHBoxLayout* buttonRow() const { return m_row; }
    /// The numbers the memo holds, as the user may have typed them.
    std::vector<std::string> numbers() const;
    /// Shows numbers in the column count the box is set to, or in `columns` where one is given.
    void showNumbers(const std::vector<std::string>& numbers, int columns = 0);

private:
    void buildMemoMenu(Prompter& prompter);

    QPlainTextEdit* m_memo;
    QComboBox* m_columns;
    QHBoxLayout* m_row;
};

} // namespace p3::gui
