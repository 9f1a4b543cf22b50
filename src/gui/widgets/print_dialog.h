#pragma once
/// The print window TF_print ("数据打印"): a number list laid out for print_data.txt, with its
/// title and count handed to the print program.
#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/tools/print_layout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace p3::gui {

class Prompter;

class PrintDialog final : public QDialog {
    Q_OBJECT
public:
    /// `startProgram` starts the print program once the hand-off is written.
    PrintDialog(std::filesystem::path home, Prompter& prompter, std::function<void()> startProgram,
                QWidget* parent = nullptr);

    /// Fills the list to print and proposes the title.
    void setNumbers(std::vector<std::string> numbers, const QString& title);
    core::PrintLayout layout() const;
    /// "打印": writes the hand-off and starts the print program.
    void print();

private:
    void preview();

    std::filesystem::path m_home;
    Prompter& m_prompter;
    std::function<void()> m_startProgram;
    std::vector<std::string> m_numbers;
    QComboBox* m_separator = nullptr;
    QComboBox* m_columns = nullptr;
    QComboBox* m_interval = nullptr;
    QCheckBox* m_sequence = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_count = nullptr;
    QPlainTextEdit* m_preview = nullptr;
};

} // namespace p3::gui
