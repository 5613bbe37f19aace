#include "qt/Snapshot.h"

#include "qt/FormWindow.h"

#include <QPixmap>

namespace stumpcraft::qt {

QImage RenderForm(Form& form)
{
    FormWindow& window = WindowFor(form);
    window.ensurePolished();
    return window.grab().toImage();
}

bool SaveSnapshot(Form& form, const std::string& pngPath)
{
    return RenderForm(form).save(QString::fromStdString(pngPath), "PNG");
}

} // namespace stumpcraft::qt
