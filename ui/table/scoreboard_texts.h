/// The scoreboard's texts in Arabic: the board itself (a small right-to-left table) and the
/// same figures as one sentence for a screen reader, you first.
#pragma once

#include <QString>
#include <vector>

namespace tazkova::ui {

struct ScoreboardFigures {
    struct Side {
        int matchTotal = 0;
        int matchesWon = 0;
        int cards = 0;
        int scoringSuit = 0;
        int sevens = 0;
        int sweeps = 0;
    };
    Side you;
    Side computer;
    enum class Turn { None, You, Computer } turn = Turn::None;
};

inline constexpr char kScoreboardName[] = "لوحة النتيجة";

/// The board's lines as it is drawn, right to left: the headings (an empty corner, then you,
/// then the computer), then each row's label and its two figures.
struct ScoreboardLine {
    QString label;
    QString you;
    QString computer;
};
std::vector<ScoreboardLine> ScoreboardLines(const ScoreboardFigures& figures);
QString ScoreboardSpoken(const ScoreboardFigures& figures);

}  // namespace tazkova::ui
