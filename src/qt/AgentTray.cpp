#include "qt/AgentTray.h"

#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace stumpcraft::qt {

AgentTray::AgentTray(bool wantIcon, QObject* parent)
    : QObject(parent)
    , wantIcon_(wantIcon)
    , show_(new QAction(tr("Show commentator"), this))
    , hide_(new QAction(tr("Hide commentator"), this))
{
    show_->setEnabled(false);
    hide_->setEnabled(false);
}

AgentTray::~AgentTray() = default;

void AgentTray::Update(bool loaded, bool shown, const QImage& picture)
{
    show_->setEnabled(loaded && !shown);
    hide_->setEnabled(loaded && shown);
    // The icon comes once the commentator has first appeared: asking the desktop for its tray
    // may start a message bus, which the game's first window need not wait for.
    if (!wantIcon_ || !loaded || !(shown || icon_) || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!icon_) {
        menu_ = std::make_unique<QMenu>();
        menu_->addAction(show_);
        menu_->addAction(hide_);
        icon_ = std::make_unique<QSystemTrayIcon>();
        icon_->setContextMenu(menu_.get());
        icon_->setToolTip(tr("Stumpcraft commentator"));
        icon_->setIcon(QIcon(QPixmap::fromImage(picture)));
        icon_->show();
    }
}

} // namespace stumpcraft::qt
