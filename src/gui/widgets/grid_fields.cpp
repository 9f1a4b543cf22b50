#include "gui/widgets/grid_fields.h"

#include <QGridLayout>
#include <QLabel>

namespace p3::gui {

void addCaptionedField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
                       int span, const QString& unit) {
    QWidget* owner = grid->parentWidget();
    grid->addWidget(new QLabel(caption, owner), row, column);
    grid->addWidget(field, row, column + 1, 1, span);
    if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, owner), row, column + 1 + span);
}

} // namespace p3::gui
