#pragma once

#include <QAction>
#include <QImage>
#include <QObject>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace stumpcraft::qt {

// The way back to a commentator the user has hidden: a "Show commentator" action for the
// game's own menus and, where the desktop has a tray, an icon whose menu shows or hides him.
class AgentTray : public QObject {
public:
    explicit AgentTray(bool wantIcon, QObject* parent = nullptr);
    ~AgentTray() override;

    QAction* ShowAction() const { return show_; }
    QAction* HideAction() const { return hide_; }
    // Follows the character: whether one is loaded, whether it is on the screen, and its
    // picture for the tray icon.
    void Update(bool loaded, bool shown, const QImage& picture);

private:
    bool wantIcon_;
    QAction* show_;
    QAction* hide_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_;
};

} // namespace stumpcraft::qt
