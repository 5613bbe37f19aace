#pragma once

#include "qt/AgentPlacement.h"
#include "qt/MerlinFile.h"

#include <QImage>
#include <QPainterPath>
#include <QWidget>

namespace stumpcraft::qt {

// The speech balloon: a window of its own beside the character, with a tail pointing at its
// face. It is sized for the whole line at once, so it keeps its shape while the words appear
// one by one. It opens to the side clear of the game's windows (the character's preferred
// one among equals), or above him where neither side is. It takes no clicks; they fall
// through to whatever lies beneath.
//
// It is drawn at the character's zoom: print, margins and corners grow with it (the tail keeps
// its reach, which the character's placement counts on).
class AgentBalloon : public QWidget {
public:
    explicit AgentBalloon(const MerlinPalette& colours);

    // Shows the words spoken so far, in a balloon laid out for the whole line, beside the
    // character whose window covers character (screen coordinates).
    void Say(const QString& shown, const QString& whole, const QRect& character,
        BalloonSide preferred = BalloonSide::Left);
    // Keeps beside the character when it moves, or when the windows round it change.
    void Follow(const QRect& character, BalloonSide preferred = BalloonSide::Left);
    // Lays the words out at the character's new zoom (see BalloonZoom); a balloon on show
    // takes its new size at the next Follow.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    const QString& Text() const { return shown_; }
    BalloonSide Side() const { return side_; }
    // The body the character keeps room for: a long line's, or the line's in hand where that
    // is longer.
    QSize Room() const;
    // Lays out a line about to be said; true when it is a new one.
    bool SetLine(const QString& whole);
    // The balloon as drawn, for snapshots.
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place(const QRect& character, BalloonSide preferred);
    QSize Body() const;
    void Measure();
    int Z(int length) const;
    QPainterPath Outline() const;
    void Redraw();

    MerlinPalette c_;
    double zoom_ = 1;
    QString shown_, whole_;
    QRect text_; // where the words go, inside the body
    BalloonSide side_ = BalloonSide::Left;
    QPoint tail_; // where the tail's tip touches the character, in the balloon's window
    QImage picture_;
};

} // namespace stumpcraft::qt
