#pragma once

#include "platform/Form.h"

#include <QImage>
#include <string>

namespace stumpcraft::qt {

// Draws the form's window as it looks now, without showing it on a screen. The form gets a
// window if it has none yet.
QImage RenderForm(Form& form);

// The same, written to a PNG file; false when the file cannot be written.
bool SaveSnapshot(Form& form, const std::string& pngPath);

} // namespace stumpcraft::qt
