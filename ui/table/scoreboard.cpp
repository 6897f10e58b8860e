#include "ui/table/scoreboard.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "ui/table/scoreboard_texts.h"
#include "ui/table/table_layout.h"

namespace tazkova::ui {

namespace {
// Between the player's hand and the deck, in design pixels.
const QRect kPlace(285, 299, 113, 102);
constexpr int kFontPixels = 10;
const QColor kCloth(0x16, 0x52, 0x2c);
const QColor kChalk(0xf4, 0xf0, 0xd8);
const QColor kLit(0xf4, 0xd3, 0x5e);
}  // namespace

/// The board drawn in rows of equal height at any scale: the labels at the right, then your
/// column, then the computer's; the heading of the side to play lit.
class BoardView : public QWidget {
  public:
    explicit BoardView(QWidget* parent) : QWidget(parent) {}
    void Set(std::vector<ScoreboardLine> lines, ScoreboardFigures::Turn turn) {
        lines_ = std::move(lines);
        turn_ = turn;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), kCloth);
        p.setPen(kChalk.darker(140));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (lines_.empty()) return;
        const qreal row = height() / qreal(lines_.size());
        const qreal labelWidth = width() * 0.41, column = (width() - labelWidth) / 2;
        // The headings a little smaller, so that the computer's name fits its column.
        QFont heading = font();
        heading.setPixelSize(std::max(1, font().pixelSize() * 8 / 10));
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const qreal top = i * row;
            p.setFont(i == 0 ? heading : font());
            const QRectF label(width() - labelWidth, top, labelWidth - 3, row);
            const QRectF you(column, top, column, row), computer(0, top, column, row);
            if (i == 0) {
                const auto lit = [&](const QRectF& place, ScoreboardFigures::Turn side) {
                    if (turn_ != side) return;
                    p.fillRect(place.adjusted(1, 1, -1, 0), kLit);
                };
                lit(you, ScoreboardFigures::Turn::You);
                lit(computer, ScoreboardFigures::Turn::Computer);
            }
            const auto pen = [&](ScoreboardFigures::Turn side) {
                p.setPen(i == 0 && turn_ == side ? kCloth : kChalk);
            };
            p.setPen(kChalk);
            p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, lines_[i].label);
            pen(ScoreboardFigures::Turn::You);
            p.drawText(you, Qt::AlignCenter, lines_[i].you);
            pen(ScoreboardFigures::Turn::Computer);
            p.drawText(computer, Qt::AlignCenter, lines_[i].computer);
        }
    }

  private:
    std::vector<ScoreboardLine> lines_;
    ScoreboardFigures::Turn turn_ = ScoreboardFigures::Turn::None;
};

Scoreboard::Scoreboard(QWidget* window, TableLayout& layout, const game::Game& game)
    : QObject(window), game_(game) {
    setObjectName(QStringLiteral("Scoreboard"));
    board_ = new BoardView(window);
    board_->setObjectName(QStringLiteral("ScoreBoard"));
    board_->setAccessibleName(QString::fromUtf8(kScoreboardName));
    board_->setFocusPolicy(Qt::NoFocus);
    layout.PlaceText(board_, kPlace, kFontPixels, false);
    Show();
}

void Scoreboard::Refresh() {
    // At rest the human is to play, unless no hand is under way.
    computerToPlay_ = false;
    const int plays = game_.State().PlayCount;
    std::erase_if(sweeps_, [plays](const Sweep& s) { return s.play >= plays; });
    Show();
}

void Scoreboard::HandStarted(const game::HandStart& start) {
    sweeps_.clear();
    handOver_ = false;
    computerToPlay_ = start.starts == game::Side::Computer;
    Show();
}

void Scoreboard::PlayMade(const game::Play& play) {
    if (play.sweep) sweeps_.push_back({game_.State().PlayCount, play.side});
    computerToPlay_ = play.side == game::Side::Human;
    Show();
}

void Scoreboard::RestGathered(const game::Gather&) {
    Show();
}

void Scoreboard::HandScored(const game::ScoreSheet&) {
    handOver_ = true;
    Show();
}

void Scoreboard::Show() {
    const game::GameState& s = game_.State();
    ScoreboardFigures f;
    f.you.matchTotal = s.YouPile.Score;
    f.computer.matchTotal = s.MePile.Score;
    f.you.matchesWon = s.YouMatchWins;
    f.computer.matchesWon = s.MeMatchWins;
    const auto hand = [&](const game::Pile& pile, game::Side side, ScoreboardFigures::Side& out) {
        out.cards = pile.CardCount;
        out.scoringSuit = pile.ScoringSuitCount;
        out.sevens = pile.SevenCount;
        out.sweeps = static_cast<int>(std::count_if(
            sweeps_.begin(), sweeps_.end(), [&](const Sweep& w) { return w.side == side; }));
    };
    hand(s.YouPile, game::Side::Human, f.you);
    hand(s.MePile, game::Side::Computer, f.computer);
    f.turn =
        !s.GameActive || handOver_ || s.Input == game::InputState::Closed
            ? ScoreboardFigures::Turn::None
            : (computerToPlay_ ? ScoreboardFigures::Turn::Computer : ScoreboardFigures::Turn::You);
    board_->Set(ScoreboardLines(f), f.turn);
    // Read whole, you first: as its name changes, a screen reader says it.
    board_->setAccessibleName(ScoreboardSpoken(f));
}

}  // namespace tazkova::ui
