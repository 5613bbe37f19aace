#pragma once

#include "qt/MerlinFile.h"

#include <QImage>
#include <QWidget>

namespace stumpcraft::qt {

// The speech balloon: a window of its own beside the character, with a tail pointing at its
// face. It is sized for the whole line at once, so it keeps its shape while the words appear
// one by one. It takes no clicks; they fall through to whatever lies beneath.
class AgentBalloon : public QWidget {
public:
    explicit AgentBalloon(const MerlinPalette& colours);

    // Shows the words spoken so far, in a balloon laid out for the whole line, beside the
    // character whose window covers character (screen coordinates).
    void Say(const QString& shown, const QString& whole, const QRect& character);
    // Keeps beside the character when it moves.
    void Follow(const QRect& character);
    const QString& Text() const { return shown_; }
    // The balloon as drawn, for snapshots.
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place(const QRect& character);
    void Redraw();

    MerlinPalette c_;
    QString shown_, whole_;
    QRect text_; // where the words go, inside the body
    bool tailRight_ = true; // the balloon is to the character's left
    int tailY_ = 0;
    QImage picture_;
};

} // namespace stumpcraft::qt
