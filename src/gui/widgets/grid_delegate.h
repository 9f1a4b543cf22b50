#pragma once
/// Paints the cells of the workbench grids from their roles: background, centred text, the light cell
/// lines, the dark group lines and the two-part "图表　遗漏" strip with its highlighted part.
#include <QStyledItemDelegate>

namespace p3::gui {

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// Roles the delegate reads besides Qt's display, background, foreground and alignment roles.
    struct Roles {
        int kind = -1;       ///< int; compared with boldKinds and stripKind
        int activePart = -1; ///< int: 0 none, 1 the left part, 2 the right part of a strip
        int span = -1;       ///< int: how many columns the cell stands over
    };
    GridDelegate(Roles roles, QList<int> boldKinds, int stripKind, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    static const QColor kActivePartColour;
    static const QColor kGroupLineColour;
    static const QColor kCellLineColour;

private:
    void paintStrip(QPainter* painter, const QRect& rect, const QString& text, int activePart) const;

    Roles m_roles;
    QList<int> m_boldKinds;
    int m_stripKind;
};

} // namespace p3::gui
