#include "qt/QtShell.h"

#include "qt/Renderer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <memory>
#include <utility>

namespace stumpcraft::qt {

// The opener tells by its exit status whether a viewer took the document; it may keep running
// as long as the viewer does, so the answer comes whenever it ends, and only a failure is
// reported.
void QtShell::OpenDocument(const Form*, const std::string& path, const std::string& workingFolder,
    std::function<void()> failed)
{
    const QString document = QString::fromStdString(path);
    const QString program = opener.isEmpty() ? QString() : QStandardPaths::findExecutable(opener);
    if (program.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(document)) && failed)
            RunGameEvent(failed);
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setWorkingDirectory(QString::fromStdString(workingFolder));
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto once = std::make_shared<std::function<void()>>(std::move(failed));
    const auto fail = [once] {
        if (*once)
            RunGameEvent(std::exchange(*once, {}));
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process, fail](auto error) {
        if (error == QProcess::FailedToStart) {
            fail();
            process->deleteLater();
        }
    });
    QObject::connect(process, &QProcess::finished, process,
        [process, fail](int code, QProcess::ExitStatus status) {
            if (code != 0 || status != QProcess::NormalExit)
                fail();
            process->deleteLater();
        });
    process->start(program, { document });
}

} // namespace stumpcraft::qt
