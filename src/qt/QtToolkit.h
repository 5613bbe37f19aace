#pragma once

#include "platform/Services.h"

#include <QMessageBox>
#include <QTimer>
#include <vector>

class QAction;

namespace stumpcraft::qt {

// How one of the game's message boxes looks in Qt: its icon, its buttons, the button that
// Enter presses and the one that Escape (or the close box) stands for.
struct MessageBoxLook {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    QMessageBox::StandardButton escapeButton = QMessageBox::Ok;
};

MessageBoxLook LookOf(MsgButtons buttons, MsgIcon icon);
// The game's answer for the button pressed; a box closed without a button gives the answer
// of its escape button.
MsgResult ResultOf(QMessageBox::StandardButton pressed, MsgButtons buttons);

// The live toolkit: Qt windows for the forms, Qt message boxes, and the event pump the game's
// waits use. Create it after the QApplication.
class QtToolkit : public Toolkit {
public:
    QtToolkit();

    MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
        const std::string& title) override;
    // Runs what is waiting; with nothing waiting it sleeps until something arrives, or for
    // kIdleWaitMs at most, so a loop on it waits without spinning a core.
    void DoEvents() override;
    // Serves events for the given time in a nested loop that sleeps between them.
    void Pause(int milliseconds) override;
    ScreenSize Screen() override;
    void EndProgram() override;
    void ShowForm(Form& form, bool modal) override;
    void WhenDrawn(Form& form, std::function<void()> then) override;

    // True once the game asked to end: the program's main loop must not start any more.
    bool Ending() const { return ending_; }

    // An action (with its shortcut) that every window of the game offers, such as bringing a
    // hidden commentator back.
    void AddWindowAction(QAction* action) { windowActions_.push_back(action); }

    static constexpr int kIdleWaitMs = 10;

private:
    QTimer wake_;
    bool ending_ = false;
    std::vector<QAction*> windowActions_;
};

} // namespace stumpcraft::qt
