#pragma once

#include "qt/AgentPlacement.h"
#include "qt/MerlinAnimator.h"
#include "qt/MerlinFile.h"
#include "qt/MerlinPainter.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace stumpcraft::qt {

// The character's own window: frameless, above other windows, shaped to the figure so that
// only the wizard shows (with or without a compositor) and clicks beside him reach the
// windows underneath. It breathes and blinks while idle, plays animations, glides to where
// it is sent and can be dragged with the mouse. Its right-click menu offers "Hide" and, where
// there is a voice, "Speak aloud". While hidden it does nothing at all.
//
// It never stands over the game: sent somewhere, it goes to the nearest place from which
// neither it nor its balloon covers a shown game window, and it moves aside again (towards
// where it was last sent) whenever one of those windows appears, moves or changes size, or
// a line needs a larger balloon. Where the screen has no such place it keeps off the windows'
// controls, drawn smaller if it must.
//
// It is drawn at the zoom the game's windows open at, and follows when the player zooms one:
// the character file's size times that factor. The places the game sends it to are those of
// its corner at the file's size; drawn larger or smaller, it keeps the centre it would have
// had there, as a zoomed game window keeps the centre of the place its model gives it.
class AgentWindow : public QWidget {
    Q_OBJECT
public:
    AgentWindow(const MerlinCharacter& character, double timeScale);

    // Plays the animation named in any letter case; its length in milliseconds, 0 when the
    // character has no such animation.
    int Play(const QString& name);
    QString Playing() const;
    // Settles back to rest at once, dropping the animation or trip in progress.
    void Rest();
    void SetTalking(bool talking);
    // Glides so that its top-left corner comes as near to to as the game's windows allow
    // (and on the screen), to being the corner at the file's size; the trip's length in
    // milliseconds. A hidden window just moves.
    int GlideTo(QPoint to);
    // The factor it is drawn at; it takes up the game's opening zoom when that has changed,
    // each time it is sent somewhere or steps out of the way, or a share of it where the
    // screen has no room for him at that size.
    double Zoom() const { return zoom_; }
    // The balloon body the character keeps room for beside him.
    void SetBalloonRoom(QSize body) { balloonRoom_ = body; }
    // The same, for a line about to be said: he looks again for the place nearest to where he
    // was sent from which neither he nor the balloon covers a control.
    void MakeRoomFor(QSize body);
    // The way the balloon opens from where he stands.
    BalloonSide Side() const { return side_; }

    QAction* HideAction() const { return hide_; }
    QAction* VoiceAction() const { return voice_; }
    // The picture on screen now, and the part of the window it covers.
    const QImage& Picture() const { return picture_; }
    const QRegion& Shape() const { return shape_; }
    // How many pictures it has drawn so far.
    int Drawn() const { return drawn_; }
    // Whether a next frame is due: not once he has stood at rest for a while.
    bool Ticking() const { return frames_.isActive(); }

signals:
    // It moved, or the windows round it changed: the balloon finds its place again.
    void Moved();
    // It stepped out of the way of the windows (and came up above them).
    void Refitted();
    // It is drawn at another zoom from now on; the balloon follows before it finds its place.
    void Zoomed(double zoom);
    // Its menu is about to open: the actions on it may be brought up to date.
    void MenuOpening();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double Now() const;
    void Tick();
    void Redraw(double now);
    QPoint OnScreen(QPoint topLeft) const;
    struct Stand {
        AgentSpot spot;
        double zoom;
    };
    Stand Choose(QPoint sent) const;
    void TakeZoom(double zoom);
    QPoint Corner(QPoint sent) const;
    QPoint CornerFor(QPoint sent, QSize drawn) const;
    int Travel(QPoint to);
    void Refit(bool jump);

    const MerlinCharacter& character_;
    MerlinPainter painter_;
    MerlinAnimator animator_;
    double timeScale_;
    QElapsedTimer clock_;
    QTimer frames_;
    double restingSince_ = -1; // on the clock; -1 while he moves
    QImage picture_;
    QRegion shape_;
    int drawn_ = 0;

    // The step of the breath on the screen now, if it is one, and the size and pixel ratio it
    // was drawn at.
    std::optional<int> showing_;
    QSize shownSize_;
    qreal shownRatio_ = 0;
    double zoom_ = 1;
    QPoint wanted_; // where it was last sent, as the corner at the file's size
    BalloonSide side_ = BalloonSide::Left;
    QSize balloonRoom_;
    QTimer refit_; // gathers the changes of a window's move or resize into one

    struct Trip {
        QPoint from, to;
        double start = 0, end = 0;
    };
    std::optional<Trip> trip_;
    std::optional<QPoint> grip_; // where the mouse holds the window while it is dragged

    QAction* hide_;
    QAction* voice_;
};

} // namespace stumpcraft::qt
