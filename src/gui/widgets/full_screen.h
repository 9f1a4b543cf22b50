#pragma once
/// Shows a control alone in a borderless full-screen window, with the small stay-on-top tool window
/// "全屏显示" whose "退出全屏" puts the control back where it was.
#include <QObject>
#include <QPointer>
#include <QRect>

class QBoxLayout;
class QWidget;

namespace p3::gui {

class FullScreenHost final : public QObject {
    Q_OBJECT
public:
    /// Moves the control into the full-screen window at once.
    explicit FullScreenHost(QWidget* control, QObject* parent = nullptr);
    ~FullScreenHost() override;

    QWidget* screenWindow() const { return m_window; }
    QWidget* toolWindow() const { return m_tool; }
    bool active() const { return m_active; }

public slots:
    /// Closes the full-screen window and returns the control to its previous parent.
    void exitFullScreen();

signals:
    void exited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_oldParent;
    QPointer<QBoxLayout> m_oldLayout;
    int m_oldIndex = -1;
    QRect m_oldGeometry;
    QWidget* m_window = nullptr;
    QWidget* m_tool = nullptr;
    bool m_active = false;
};

} // namespace p3::gui
