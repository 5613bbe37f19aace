#pragma once

#include "platform/Services.h"

#include <QString>

namespace stumpcraft::qt {

// Opens documents with the desktop's default viewer: through the desktop's own opener
// (xdg-open) where it has one, so that a missing or failing viewer is known and reported,
// else through Qt.
class QtShell : public Shell {
public:
    void OpenDocument(const Form* owner, const std::string& path, const std::string& workingFolder,
        std::function<void()> failed) override;

    // The opener program, looked up on the PATH; empty to always go through Qt.
    QString opener = QStringLiteral("xdg-open");
};

} // namespace stumpcraft::qt
