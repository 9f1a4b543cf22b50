#pragma once
/// TF_Jiaoji_Frm ("大底交集"): the name and series of a list put into the intersection area, or the
/// name of a staged list.
#include <QDialog>

class QComboBox;
class QLabel;

namespace p3::gui {

class Prompter;

class IntersectionNameDialog final : public QDialog {
    Q_OBJECT
public:
    IntersectionNameDialog(Prompter& prompter, QWidget* parent = nullptr);

    /// Presets the dialog: caption, name label, proposed name, series (-1 hides the series controls,
    /// `seriesEnabled` false shows it disabled) and the count text "共: n 注".
    void prepare(const QString& caption, const QString& nameLabel, const QString& name, int series,
                 bool seriesEnabled, std::size_t count);
    QString name() const { return m_name; }
    int series() const;
    QComboBox* nameBox() const { return m_nameBox; }
    QComboBox* seriesBox() const { return m_series; }
    /// "确定": refuses an empty name with "请输入 交集名称".
    void confirm();

protected:
    /// The name box takes the focus whenever the dialog becomes the active window.
    bool event(QEvent* event) override;

private:
    Prompter& m_prompter;
    QLabel* m_nameLabel = nullptr;
    QComboBox* m_nameBox = nullptr;
    QLabel* m_seriesLabel = nullptr;
    QComboBox* m_series = nullptr;
    QLabel* m_count = nullptr;
    QString m_name;
};

} // namespace p3::gui
