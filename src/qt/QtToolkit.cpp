#include "qt/QtToolkit.h"

#include "qt/FormWindow.h"
#include "qt/Renderer.h"
#include "qt/WindowZoom.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>

namespace stumpcraft::qt {

MessageBoxLook LookOf(MsgButtons buttons, MsgIcon icon)
{
    MessageBoxLook look;
    switch (icon) {
    case MsgIcon::None:
        look.icon = QMessageBox::NoIcon;
        break;
    case MsgIcon::Critical:
        look.icon = QMessageBox::Critical;
        break;
    case MsgIcon::Question:
        look.icon = QMessageBox::Question;
        break;
    case MsgIcon::Exclamation:
        look.icon = QMessageBox::Warning;
        break;
    case MsgIcon::Information:
        look.icon = QMessageBox::Information;
        break;
    }
    using B = QMessageBox;
    switch (buttons) {
    case MsgButtons::OK:
        look.buttons = B::Ok;
        look.defaultButton = look.escapeButton = B::Ok;
        break;
    case MsgButtons::OKCancel:
        look.buttons = B::Ok | B::Cancel;
        look.defaultButton = B::Ok;
        look.escapeButton = B::Cancel;
        break;
    case MsgButtons::YesNo:
        // A question without Cancel: Escape is the cautious answer.
        look.buttons = B::Yes | B::No;
        look.defaultButton = B::Yes;
        look.escapeButton = B::No;
        break;
    case MsgButtons::YesNoCancel:
        look.buttons = B::Yes | B::No | B::Cancel;
        look.defaultButton = B::Yes;
        look.escapeButton = B::Cancel;
        break;
    case MsgButtons::RetryCancel:
        look.buttons = B::Retry | B::Cancel;
        look.defaultButton = B::Retry;
        look.escapeButton = B::Cancel;
        break;
    }
    return look;
}

MsgResult ResultOf(QMessageBox::StandardButton pressed, MsgButtons buttons)
{
    switch (pressed) {
    case QMessageBox::Ok:
        return MsgResult::OK;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default: {
        const QMessageBox::StandardButton escape = LookOf(buttons, MsgIcon::None).escapeButton;
        return escape == QMessageBox::NoButton ? MsgResult::Cancel : ResultOf(escape, buttons);
    }
    }
}

QtToolkit::QtToolkit()
{
    wake_.setSingleShot(true);
    wake_.setInterval(kIdleWaitMs);
}

MsgResult QtToolkit::MessageBox(
    const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title)
{
    if (ending_)
        return ResultOf(QMessageBox::NoButton, buttons); // nobody is there to answer
    const MessageBoxLook look = LookOf(buttons, icon);
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(look.icon, QString::fromStdString(title), QString::fromStdString(text),
        look.buttons, parent);
    // At the zoom of the window it speaks for, or the one the game's windows open at: its
    // print (and icon) as large as the game's own.
    const auto* form = qobject_cast<const FormWindow*>(parent);
    const double zoom = form ? form->Zoom() : OpeningZoom();
    if (zoom != 1) {
        DrawAtZoom(box, zoom);
        box.setIcon(look.icon); // drawn again at the grown size
    }
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(look.defaultButton);
    box.setEscapeButton(look.escapeButton);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return ResultOf(clicked ? box.standardButton(clicked) : QMessageBox::NoButton, buttons);
}

void QtToolkit::DoEvents()
{
    // The timer is the latest wake-up: the wait ends sooner when any event arrives.
    wake_.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtToolkit::Pause(int milliseconds)
{
    if (ending_ || milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

ScreenSize QtToolkit::Screen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return { screen->geometry().width(), screen->geometry().height() };
    return { 1024, 768 };
}

void QtToolkit::EndProgram()
{
    if (ending_)
        return;
    ending_ = true;
    // Queued, so the event being handled finishes first. exit() rather than quit(): quitting
    // asks every window to close, and a form's close box means something else to the game.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void QtToolkit::ShowForm(Form& form, bool modal)
{
    FormWindow& window = WindowFor(form);
    for (QAction* action : windowActions_)
        if (!window.actions().contains(action))
            window.addAction(action);
    window.SyncFromModel();
    if (!modal || ending_ || !form.Visible())
        return;
    // The form may be unloaded, even destroyed, inside the loop: only the window's signal
    // says when it is over, and the form is not touched afterwards.
    QEventLoop loop;
    QObject::connect(&window, &FormWindow::Dismissed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void QtToolkit::WhenDrawn(Form& form, std::function<void()> then)
{
    WindowFor(form).WhenDrawn(std::move(then));
}

} // namespace stumpcraft::qt
