#include "gui/widgets/ball_look.h"

#include <QHash>
#include <array>

namespace p3::gui {
namespace {

enum class Match { Prefix, Whole };

/// One ball name of the grids: a prefix followed by the value, or a whole name for a class mark.
struct BallName {
    const char* name;
    Match match;
    QRgb colour;
    const char* word; ///< the label of a whole name; empty: the value of the cell
};

constexpr QRgb kRed = 0xd42a2a;
constexpr QRgb kBlue = 0x1f5fbf;
constexpr QRgb kSkyBlue = 0x2a6fd6;
constexpr QRgb kGreen = 0x2e9e3e;
constexpr QRgb kDarkGreen = 0x1b6b2c;
constexpr QRgb kLightGreen = 0x58b83a;
constexpr QRgb kCyan = 0x16a5b8;
constexpr QRgb kTeal = 0x0e7c86;
constexpr QRgb kPale = 0xe8edf3;

// Every ball name the grids and pickers draw. Whole names are tried before prefixes, and longer
// prefixes before shorter ones ("B_GreenD_" is not "BlueD_", "Qinx_" is not "Qin_").
constexpr BallName kBallNames[] = {
    // Class marks of the trend charts: the word of the class.
    {"qin_d", Match::Whole, kCyan, "大"},
    {"qin_x", Match::Whole, kCyan, "小"},
    {"qin_zh", Match::Whole, kCyan, "中"},
    {"qin_Dm", Match::Whole, kCyan, "奇"},
    {"qin_S", Match::Whole, kCyan, "偶"},
    {"Qin_Z", Match::Whole, kCyan, "质"},
    {"Qin_H", Match::Whole, kCyan, "合"},
    {"Qin_fu", Match::Whole, kCyan, "复"},
    {"qin_ge", Match::Whole, kCyan, "隔"},
    {"Qin_Lin", Match::Whole, kCyan, "邻"},
    {"Qin_Gu", Match::Whole, kCyan, "孤"},
    {"Qin_Chuan", Match::Whole, kCyan, "传"},
    {"Qin_Re", Match::Whole, kCyan, "热"},
    {"qin_Weng", Match::Whole, kCyan, "温"},
    {"Qin_Leng", Match::Whole, kCyan, "冷"},
    // A position difference reads as the difference it marks.
    {"qin_wz", Match::Whole, kCyan, ""},
    // Value balls: the value follows the prefix.
    {"B_GreenD_", Match::Prefix, kDarkGreen, ""},
    {"HongSe_", Match::Prefix, kRed, ""},
    {"HuangSe_", Match::Prefix, 0xe0a010, ""},
    {"GreenD_", Match::Prefix, kGreen, ""},
    {"BlueD_", Match::Prefix, kBlue, ""},
    {"LanSe_", Match::Prefix, kSkyBlue, ""},
    {"cheng_", Match::Prefix, 0xf07a1a, ""},
    {"Green_", Match::Prefix, kLightGreen, ""},
    {"HuiSe_", Match::Prefix, 0x8c8c8c, ""},
    {"Qinx_", Match::Prefix, kTeal, ""},
    // A digit the draw holds more than once: red, as the 组选 help promises.
    {"RedD_", Match::Prefix, kRed, ""},
    {"Red_", Match::Prefix, kRed, ""},
    {"LvSe_", Match::Prefix, kGreen, ""},
    {"ZiSe_", Match::Prefix, 0x8a3fb5, ""},
    {"fen_", Match::Prefix, 0xe0609a, ""},
    {"hei_", Match::Prefix, 0x303030, ""},
    {"Qin_", Match::Prefix, kCyan, ""},
    {"qin_", Match::Prefix, kCyan, ""},
    // The pickers: "Y" + digit a chosen cell, "N" + digit an unchosen one.
    {"Y", Match::Prefix, kRed, ""},
    {"N", Match::Prefix, kPale, ""},
};

// A name outside the table still gets a ball, in a colour of its own that is stable across runs.
constexpr std::array<QRgb, 6> kFallbackColours{{kSkyBlue, kRed, kGreen, 0xe0a010, 0x8a3fb5, kCyan}};

bool matches(const BallName& entry, const QString& name) {
    const QLatin1String key(entry.name);
    if (entry.match == Match::Whole) return name == key;
    if (!name.startsWith(key) || name.size() == key.size()) return false;
    // The one-letter picker families only take a bare value ("Y3", "N12"), never another family's name.
    if (key.size() == 1) return !name.contains(QLatin1Char('_'));
    return true;
}

} // namespace

BallLook ballLookOf(const QString& name, const QString& value) {
    BallLook look;
    look.textColour = Qt::white;
    for (const auto& entry : kBallNames) {
        if (!matches(entry, name)) continue;
        look.known = true;
        look.family = QString::fromLatin1(entry.name);
        look.colour = QColor(entry.colour);
        if (entry.match == Match::Prefix)
            look.text = name.mid(look.family.size());
        else
            look.text = *entry.word ? QString::fromUtf8(entry.word) : value;
        look.flat = look.family == QLatin1String("N");
        if (look.flat) look.textColour = QColor(51, 51, 153);
        return look;
    }
    look.colour = QColor(kFallbackColours[qHash(name) % kFallbackColours.size()]);
    if (!value.isEmpty()) {
        look.text = value;
    } else {
        const qsizetype underscore = name.lastIndexOf(QLatin1Char('_'));
        look.text = underscore >= 0 ? name.mid(underscore + 1) : name.right(1);
    }
    return look;
}

} // namespace p3::gui
