#include "qt/Addons.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

// Where an installed program finds its add-ons, from the folder it runs in. The build sets it
// from the install folders it was configured with.
#ifndef STUMPCRAFT_ADDONS_FROM_BIN
#define STUMPCRAFT_ADDONS_FROM_BIN "../lib/stumpcraft"
#endif

namespace stumpcraft::qt {

namespace {
    // An add-on once looked for: opened for the rest of the run, or null when it could not be.
    // It is never closed (letting go of a QLibrary leaves it open): what it made (a chart on a
    // closing window, the voice's engine) may outlive any owner that would close it.
    QLibrary* Open(const char* addon)
    {
        static std::map<std::string, std::unique_ptr<QLibrary>> opened;
        const auto found = opened.find(addon);
        if (found != opened.end())
            return found->second.get();
        const QString file = QStringLiteral("lib%1.so").arg(QLatin1String(addon));
        const QString folder = QCoreApplication::applicationDirPath();
        QStringList tried;
        std::unique_ptr<QLibrary> library;
        for (const QString& path : { folder + '/' + file,
                 folder + QLatin1String("/" STUMPCRAFT_ADDONS_FROM_BIN "/") + file }) {
            if (!QFileInfo::exists(path))
                continue;
            auto candidate = std::make_unique<QLibrary>(path);
            if (candidate->load()) {
                library = std::move(candidate);
                break;
            }
            tried << candidate->errorString();
        }
        if (!library)
            qWarning("Stumpcraft: the add-on %s could not be opened (%s)", addon,
                qPrintable(tried.isEmpty() ? QStringLiteral("not found")
                                           : tried.join(QStringLiteral("; "))));
        return opened.emplace(addon, std::move(library)).first->second.get();
    }
} // namespace

QFunctionPointer AddonFunction(const char* addon, const char* function)
{
    QLibrary* library = Open(addon);
    return library ? library->resolve(function) : nullptr;
}

} // namespace stumpcraft::qt
