#pragma once
/// The application's hint timing: hints appear after 10 ms and stay for 10 s.
#include <QProxyStyle>

namespace p3::gui {

class HintStyle final : public QProxyStyle {
public:
    static constexpr int kWakeUpMs = 10;
    static constexpr int kFallAsleepMs = 10000;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return kWakeUpMs;
        if (hint == SH_ToolTip_FallAsleepDelay) return kFallAsleepMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace p3::gui
