#pragma once
/// A tolerance row: a check box that turns the tolerance on, then the lowest and highest count in spin
/// boxes (0..100) with "至" between them — the editors' "本级容错", the shrink workspace's "总容错" and the
/// intersections' "容错".
#include <QFlags>
#include <QWidget>

#include "core/shrink/compiled_filter.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace p3::gui {

class ToleranceRange final : public QWidget {
    Q_OBJECT
public:
    enum Option {
        FollowsBox = 0x1, ///< the spin boxes are editable only while the box is ticked
        BoldWhenOn = 0x2, ///< the box's caption is bold while ticked
        FocusWhenOn = 0x4 ///< ticking the box puts the cursor in the lowest count
    };
    Q_DECLARE_FLAGS(Options, Option)

    /// The object names of the box and the two spin boxes, which scripts and tests look for.
    struct Names {
        QString box;
        QString begin;
        QString end;
    };

    ToleranceRange(const QString& caption, const Names& names, Options options, QWidget* parent);

    QCheckBox* box() const { return m_box; }
    QSpinBox* beginBox() const { return m_begin; }
    QSpinBox* endBox() const { return m_end; }
    bool isOn() const;
    int begin() const;
    int end() const;
    /// The range as the filter and the intersection take it.
    core::TotalTolerance total() const { return {isOn(), begin(), end()}; }
    void setOn(bool on);
    void setRange(int begin, int end);
    /// Shows or hides the row's parts (the row itself stays in its layout).
    void setPartsVisible(bool visible);
    /// Enables or disables the row's parts as one (rows whose counts do not follow the box).
    void setPartsEnabled(bool enabled);

signals:
    /// The box was ticked or cleared.
    void toggled(bool on);
    /// The box or a count changed.
    void changed();

private:
    QCheckBox* m_box;
    QSpinBox* m_begin;
    QLabel* m_to;
    QSpinBox* m_end;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ToleranceRange::Options)

} // namespace p3::gui
