#pragma once
/// The one conversion of the core's UTF-8 texts into the texts the widgets show.
#include <QString>
#include <string_view>

namespace p3::gui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace p3::gui
