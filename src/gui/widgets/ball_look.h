#pragma once
/// What a ball picture name stands for when the program draws it: a colour family and the label a
/// player reads on it (the value of the cell or the Chinese word of the class it marks).
#include <QColor>
#include <QString>

namespace p3::gui {

/// The colour and text a ball name stands for.
struct BallLook {
    QColor colour; ///< the body colour of the ball
    QColor textColour;
    QString text;       ///< what is written on the ball
    QString family;     ///< the table entry that matched ("BlueD_", "qin_Dm"…), empty for an unknown name
    bool flat = false;  ///< an unchosen cell: a pale, flat disc rather than a shaded ball
    bool known = false; ///< whether the name is in the table of ball names
};

/// How a ball name is drawn when no picture file overrides it. A prefix name carries its value
/// ("BlueD_7" a blue ball with 7, "Red_3" a red one with 3, "Y3" a chosen red digit, "N3" an unchosen
/// pale one); a whole name stands for a class and reads as its word ("qin_Dm" 奇, "Qin_Z" 质); a
/// position difference ("qin_wz") reads as `value`, the text of the cell it marks.
BallLook ballLookOf(const QString& name, const QString& value = {});

} // namespace p3::gui
