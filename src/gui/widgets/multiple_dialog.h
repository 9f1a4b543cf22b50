#pragma once
/// TF_Form1: asks for a whole multiple, picked from the offered choices or typed in (digits only),
/// centred on the screen.
#include <QDialog>

class QComboBox;

namespace p3::gui {

class MultipleDialog final : public QDialog {
    Q_OBJECT
public:
    MultipleDialog(const QString& title, const QString& label, const QStringList& choices,
                   QWidget* parent = nullptr);

    /// The text of the box as the user left it (digits only, possibly empty).
    QString value() const;
    QComboBox* box() const { return m_box; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* m_box;
};

} // namespace p3::gui
