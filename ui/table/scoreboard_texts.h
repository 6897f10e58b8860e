/// The scoreboard's texts in Arabic: the board itself (a small right-to-left table) and the
/// same figures as one sentence for a screen reader, you first.
#pragma once

#include <QString>

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

QString ScoreboardHtml(const ScoreboardFigures& figures);
QString ScoreboardSpoken(const ScoreboardFigures& figures);

}  // namespace tazkova::ui
