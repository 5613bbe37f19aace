#pragma once

#include "platform/Services.h"

namespace stumpcraft::qt {

// Opens documents with the desktop's default viewer.
class QtShell : public Shell {
public:
    void OpenDocument(
        const Form* owner, const std::string& path, const std::string& workingFolder) override;
};

} // namespace stumpcraft::qt
