#include "qt/QtShell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace stumpcraft::qt {

void QtShell::OpenDocument(const Form*, const std::string& path, const std::string&)
{
    // The shell's answer is not ours to report: a missing viewer is the desktop's business.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace stumpcraft::qt
