#pragma once
/// One kind's panel of a condition editor, built from the kind's catalogue entry: per record a main
/// box, its value input, 保留/排除 and 容错; the panel's state read and written as a core PanelState.
#include <QWidget>
#include <functional>
#include <vector>

#include "core/catalogue/condition_editor.h"
#include "core/shrink/series_history.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace p3::gui {

class BallGrid;
class BallImageCache;
class RowListEditor;

/// What a panel needs from around it: pictures, the history for the series presets, and the picker.
struct PanelServices {
    const BallImageCache* balls = nullptr;
    std::function<core::SeriesHistory()> history;
    /// Runs the value-list picker on choices and the edit's text; empty when cancelled.
    std::function<QString(const core::PickerChoices&, const QString&)> pick;
    /// Shows a refusal of the panel's own buttons (row lists).
    std::function<void(const QString&)> inform;
};

class ConditionPanel final : public QWidget {
    Q_OBJECT
public:
    ConditionPanel(const core::KindSpec& spec, PanelServices services, QWidget* parent = nullptr);

    const core::KindSpec& spec() const { return m_spec; }
    /// The records, series and code lists as the controls show them (level tolerance is the editor's).
    core::PanelState state() const;
    /// Shows a state (the `LoadLine` result or a fresh panel).
    void setState(const core::PanelState& state);
    /// Runs the series preset of the selector's current item (history kinds).
    void runSeriesPreset();

    QCheckBox* mainBox(int record) const;
    BallGrid* valueGrid(int record) const;
    /// The option boxes of a record, in caption order.
    std::vector<QCheckBox*> optionBoxes(int record) const;

signals:
    /// A main box, a 容错 box or a row list changed: the counters are stale.
    void countsChanged();

private:
    struct Record;
    void buildRecord(int index);
    QWidget* buildInput(Record& r, QWidget* parent);
    void enableRecord(Record& r);
    QString recordValue(const Record& r) const;
    void showValue(Record& r, const std::string& value);
    void showSets();

    const core::KindSpec& m_spec;
    PanelServices m_services;
    std::vector<std::unique_ptr<Record>> m_records;
    QComboBox* m_series = nullptr;
    std::array<QLabel*, 3> m_setLabels{};
    core::ReferenceElement m_sets;
    RowListEditor* m_rows = nullptr;

public:
    ~ConditionPanel() override;
};

} // namespace p3::gui
