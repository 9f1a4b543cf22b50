#pragma once
/// The splash window TF_LoginPic: the picture Image/login.jpg of the home, sized to the picture.
#include <QWidget>
#include <filesystem>

namespace p3::gui {

class LoginPic final : public QWidget {
    Q_OBJECT
public:
    explicit LoginPic(const std::filesystem::path& home, QWidget* parent = nullptr);
    /// Whether the picture was found and decoded; without it the splash is not shown.
    bool hasPicture() const { return m_hasPicture; }

private:
    bool m_hasPicture = false;
};

} // namespace p3::gui
