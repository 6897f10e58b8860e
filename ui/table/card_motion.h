/// Cards that move. The game puts a card in its new place at once; the window lets the
/// picture glide there from where it was, in a fifth of a second, while the game pauses to
/// show the play (or after, when no pause follows). Captured cards slide toward their taker
/// as they go, and the deck shows the shuffle. Purely a drawing matter: the game's places
/// are never touched, and switched off every picture simply jumps.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointF>
#include <QTimer>
#include <vector>

class QWidget;

namespace tazkova::ui {

class TableLayout;

class CardMotion : public QObject {
    Q_OBJECT
  public:
    /// How long a glide takes.
    static constexpr int kGlideMs = 200;
    /// How long the deck is seen shuffling.
    static constexpr int kRiffleMs = 600;

    explicit CardMotion(const TableLayout& layout, QObject* parent = nullptr);

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    /// Where `widget` is drawn now, in design pixels (its place once it has stopped).
    QPointF Where(QWidget* widget) const;
    /// Puts `widget` at `to` (design pixels) at once.
    void Jump(QWidget* widget, QPointF to);
    /// Lets `widget` glide from where it is drawn now to `to`.
    void Glide(QWidget* widget, QPointF to);
    /// Lets `widget` glide from `from` to `to`.
    void Glide(QWidget* widget, QPointF from, QPointF to);
    /// Lets a shown `widget` slide by `offset` and then hides it, put back at `rest`.
    void Vanish(QWidget* widget, QPointF offset, QPointF rest);
    /// Lets the pictures of the deck, at their places `homes`, riffle for a moment.
    void Riffle(const std::vector<QWidget*>& deck, const std::vector<QPointF>& homes);

    /// Whether `widget` is on its way (a vanishing one is still shown until it ends).
    bool Moving(const QWidget* widget) const;

    /// Ends every motion at once: each picture at its end, vanishing ones hidden.
    void Finish();
    /// Draws every picture anew at its place, as after a change of zoom.
    void Redraw();

  private:
    enum class Kind { Glide, Vanish, Riffle };
    struct Move {
        QWidget* widget;
        Kind kind;
        QPointF from;
        QPointF to;
        QPointF rest;   // where a vanished picture is put back
        int phase = 0;  // a riffling picture's place in the deck
        qint64 startMs;
        int durationMs;
    };
    void Tick();
    void Place(QWidget* widget, QPointF at);
    void End(const Move& move);
    void Start(Move move);

    const TableLayout& layout_;
    bool enabled_ = true;
    QHash<QWidget*, QPointF> at_;
    std::vector<Move> moves_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace tazkova::ui
