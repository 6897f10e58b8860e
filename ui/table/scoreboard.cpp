#include "ui/table/scoreboard.h"

#include <QLabel>
#include <algorithm>

#include "ui/table/scoreboard_texts.h"
#include "ui/table/table_layout.h"

namespace tazkova::ui {

namespace {
// Beside the floor, below the computer's hand, in design pixels.
const QRect kPlace(4, 116, 118, 150);
constexpr int kFontPixels = 11;
}  // namespace

Scoreboard::Scoreboard(QWidget* window, TableLayout& layout, const game::Game& game)
    : QObject(window), game_(game) {
    setObjectName(QStringLiteral("Scoreboard"));
    label_ = new QLabel(window);
    label_->setObjectName(QStringLiteral("ScoreBoard"));
    label_->setLayoutDirection(Qt::RightToLeft);
    label_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label_->setTextFormat(Qt::RichText);
    label_->setAutoFillBackground(true);
    QPalette board = label_->palette();
    board.setColor(QPalette::Window, QColor(0x16, 0x52, 0x2c));
    board.setColor(QPalette::WindowText, QColor(0xf4, 0xf0, 0xd8));
    label_->setPalette(board);
    label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout.PlaceText(label_, kPlace, kFontPixels, false);
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
    label_->setText(ScoreboardHtml(f));
    label_->setAccessibleName(ScoreboardSpoken(f));
}

}  // namespace tazkova::ui
