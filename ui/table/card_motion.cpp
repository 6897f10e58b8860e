#include "ui/table/card_motion.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/table/table_layout.h"

namespace tazkova::ui {

namespace {

/// Eases out: fast at first, settling gently on the place.
qreal EaseOut(qreal t) {
    return 1 - std::pow(1 - t, 3);
}

}  // namespace

CardMotion::CardMotion(const TableLayout& layout, QObject* parent)
    : QObject(parent), layout_(layout) {
    // About sixty pictures a second; the timer runs only while something moves.
    timer_.setInterval(16);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CardMotion::Tick);
    clock_.start();
}

void CardMotion::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled_) Finish();
}

QPointF CardMotion::Where(QWidget* widget) const {
    const auto it = at_.constFind(widget);
    return it != at_.constEnd() ? *it : QPointF(layout_.Unscale(widget->pos()));
}

void CardMotion::Place(QWidget* widget, QPointF at) {
    at_[widget] = at;
    widget->move(layout_.Scale(at).toPoint());
}

void CardMotion::Jump(QWidget* widget, QPointF to) {
    moves_.erase(std::remove_if(moves_.begin(), moves_.end(),
                                [&](const Move& m) { return m.widget == widget; }),
                 moves_.end());
    Place(widget, to);
}

void CardMotion::Glide(QWidget* widget, QPointF to) {
    Glide(widget, Where(widget), to);
}

void CardMotion::Glide(QWidget* widget, QPointF from, QPointF to) {
    if (!enabled_ || from == to) {
        Jump(widget, to);
        return;
    }
    Jump(widget, from);
    Start({widget, Kind::Glide, from, to, to, 0, clock_.elapsed(), kGlideMs});
}

void CardMotion::Vanish(QWidget* widget, QPointF offset, QPointF rest) {
    if (!enabled_ || !widget->isVisible()) {
        widget->hide();
        Jump(widget, rest);
        return;
    }
    const QPointF from = Where(widget);
    Jump(widget, from);
    Start({widget, Kind::Vanish, from, from + offset, rest, 0, clock_.elapsed(), kGlideMs});
}

void CardMotion::Riffle(const std::vector<QWidget*>& deck, const std::vector<QPointF>& homes) {
    for (std::size_t k = 0; k < deck.size(); ++k) {
        Jump(deck[k], homes[k]);
        if (enabled_) {
            Start({deck[k], Kind::Riffle, homes[k], homes[k], homes[k], int(k), clock_.elapsed(),
                   kRiffleMs});
        }
    }
}

void CardMotion::Start(Move move) {
    moves_.push_back(move);
    if (!timer_.isActive()) timer_.start();
}

void CardMotion::Tick() {
    const qint64 now = clock_.elapsed();
    std::vector<Move> ended;
    for (const Move& move : moves_) {
        const qreal t = std::clamp(qreal(now - move.startMs) / move.durationMs, 0.0, 1.0);
        if (t >= 1) {
            ended.push_back(move);
            continue;
        }
        switch (move.kind) {
            case Kind::Glide:
            case Kind::Vanish:
                Place(move.widget, move.from + (move.to - move.from) * EaseOut(t));
                break;
            case Kind::Riffle: {
                // The pictures of the deck slip sideways in turn, as cards cut and riffled.
                const qreal swing = std::sin(t * 6 * std::numbers::pi + move.phase * 1.1) * (1 - t);
                Place(move.widget, move.from + QPointF(7 * swing, 0));
                break;
            }
        }
    }
    for (const Move& move : ended) End(move);
    if (moves_.empty()) timer_.stop();
}

void CardMotion::End(const Move& move) {
    Jump(move.widget, move.kind == Kind::Vanish ? move.rest : move.to);
    if (move.kind == Kind::Vanish) move.widget->hide();
}

bool CardMotion::Moving(const QWidget* widget) const {
    return std::any_of(moves_.begin(), moves_.end(),
                       [widget](const Move& move) { return move.widget == widget; });
}

void CardMotion::Finish() {
    const std::vector<Move> moving = moves_;
    for (const Move& move : moving) End(move);
    timer_.stop();
}

void CardMotion::Redraw() {
    for (auto it = at_.begin(); it != at_.end(); ++it) it.key()->move(layout_.Scale(*it).toPoint());
}

}  // namespace tazkova::ui
