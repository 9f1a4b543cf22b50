#pragma once
/// A captioned field in a dialog's grid: "caption  field  unit" from a given cell on.
#include <QString>

class QGridLayout;
class QWidget;

namespace p3::gui {

/// Puts the caption at (row, column), the field right of it over `span` columns, and the unit, where there
/// is one, right of the field. The labels belong to the grid's widget.
void addCaptionedField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
                       int span = 1, const QString& unit = {});

} // namespace p3::gui
