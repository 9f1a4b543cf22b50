#include "gui/widgets/dialog_buttons.h"

namespace p3::gui {

QPushButton* makeButton(QWidget* parent, const QString& caption, const char* objectName) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace p3::gui
