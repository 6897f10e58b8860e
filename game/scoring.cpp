// The end of a hand: the floor's last cards to the side that captured last, the hand's
// score sheet, and the match and game decisions that follow.
#include "game/game.h"
#include "game/texts.h"

namespace tazkova::game {

namespace {
std::string Text(std::string_view text) {
    return std::string(text);
}

std::string Number(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}

std::string Mark(bool yes) {
    return yes ? Text(texts::kYes) : std::string();
}
}  // namespace

std::array<std::string, 18> ScoreSheet::Boxes() const {
    std::array<std::string, 18> boxes;
    const SideScore* sides[] = {&computer, &human};
    for (int s = 0; s < 2; ++s) {
        const SideScore& side = *sides[s];
        boxes[0 + s] = Number(side.scoringSuitCards);
        boxes[2 + s] = Mark(side.sevens);
        boxes[4 + s] = Mark(side.haya);
        boxes[6 + s] = Number(side.cards);
        boxes[8 + s] = Number(side.sweepPoints);
        boxes[10 + s] = Number(side.handWithSweeps);
        boxes[12 + s] = Number(side.matchTotal);
        boxes[14 + s] = Number(side.matchWins);
        boxes[16 + s] = Number(side.handPoints);
    }
    return boxes;
}

void Game::GatherRest(Pile& taker, int step) {
    display_.SetLastRoundMarkerVisible(false);
    MovedCount = 0;
    while (FloorPile.Count > 0) CaptureCard(FloorPile, 1, taker);
    Gather gather;
    gather.side = SideOf(taker);
    for (int i = 1; i <= MovedCount; ++i) gather.cards.Add(MovedCards[i] + 1);
    listeners_.RestGathered(gather);
    StatusText = (std::string(taker.Label) + " Gather the rest ....").substr(0, 25);
    Pause(DelayTime);
    for (int frame = 1; frame <= kDeckSize; ++frame) display_.SetFrameVisible(frame, false);
    // The gathered cards slide 240 pixels towards their taker, repainted at every step.
    for (int s = 0; s < 6; ++s) {
        for (int i = 1; i <= MovedCount; ++i) {
            const int image = MovedCards[i];
            const ImageState& shown = Table.images[image];
            display_.SetImagePos(image, shown.left, shown.top + step);
            display_.RedrawImage(image);
        }
    }
    ShowPlay(DelayTime);
    MovedCount = 0;
}

void Game::EndHand() {
    ForgetPlays();
    finishedHandPlays_ = humanPlays_;
    const int meEntry = MePile.Score;
    const int youEntry = YouPile.Score;
    Results.status.clear();

    if (MePile.LastCapturePlay > YouPile.LastCapturePlay)
        GatherRest(MePile, -40);
    else
        GatherRest(YouPile, 40);

    Results.caption = " " + std::to_string(MatchNumber) + "\\" + std::to_string(HandNumber) +
                      Text(texts::kResultCaptionTail);
    Results.ClearBoxes();

    HandEndFlags flags;
    if (DinariRule) {
        ScoreDinari(MePile, YouPile, true, flags);
        ScoreDinari(YouPile, MePile, false, flags);
    }
    if (flags.normalScoring) ScoreNormal();

    SideScore& me = Results.scores.computer;
    SideScore& you = Results.scores.human;
    me.scoringSuitCards = MePile.ScoringSuitCount;
    you.scoringSuitCards = YouPile.ScoringSuitCount;
    if (flags.normalScoring) {
        me.cards = MePile.CardCount;
        you.cards = YouPile.CardCount;
    }
    me.handPoints = MePile.Score - meEntry;
    you.handPoints = YouPile.Score - youEntry;

    if (!flags.closedBySuit) {
        if (flags.meSweepsCount) {
            MePile.Score += MePile.SweepPoints;
            me.sweepPoints = MePile.SweepPoints;
            me.handWithSweeps = MePile.Score - meEntry;
        }
        if (flags.youSweepsCount) {
            YouPile.Score += YouPile.SweepPoints;
            you.sweepPoints = YouPile.SweepPoints;
            you.handWithSweeps = YouPile.Score - youEntry;
        }
    }

    // The hand's verdict; in a reverse game the smaller gain wins.
    int meGain = MePile.Score - meEntry;
    int youGain = YouPile.Score - youEntry;
    if (ReverseGame) std::swap(meGain, youGain);
    std::string_view verdict = texts::kVerdictDraw;
    Face computerFace = Face::ComputerSmiling;
    Face humanFace = Face::HumanSmiling;
    if (meGain > youGain) {
        verdict = texts::kVerdictMe;
        humanFace = Face::HumanDispleased;
    } else if (youGain > meGain) {
        verdict = texts::kVerdictYou;
        computerFace = Face::ComputerDispleased;
    }
    if (Results.status.empty()) Results.status = Text(verdict);
    Results.SetFaces(computerFace, humanFace);

    CloseHand(flags);
}

void Game::ScoreDinari(Pile& side, Pile& other, bool computer, HandEndFlags& flags) {
    const int suit = side.ScoringSuitCount;
    if (suit >= 8) {
        side.Score += 10;
        Results.status = Text(computer ? texts::kMe8 : texts::kYou8);
        flags.normalScoring = false;
    }
    if (suit >= 9) {
        // The other side loses its whole match total, and its sweeps of this hand.
        other.Score = 0;
        (computer ? flags.youSweepsCount : flags.meSweepsCount) = false;
        Results.status = Text(computer ? texts::kMe9 : texts::kYou9);
    }
    if (suit == 10) {
        ++(computer ? MeMatchWins : YouMatchWins);
        flags.closedBySuit = true;
        (computer ? flags.meTookAllTen : flags.youTookAllTen) = true;
        Results.status = Text(computer ? texts::kMe10 : texts::kYou10);
    }
}

void Game::ScoreNormal() {
    if (MePile.ScoringSuitCount > 5) ++MePile.Score;
    if (YouPile.ScoringSuitCount > 5) ++YouPile.Score;

    SideScore& me = Results.scores.computer;
    SideScore& you = Results.scores.human;
    if (MePile.HasHaya == 1) {
        ++MePile.Score;
        me.haya = true;
    }
    if (YouPile.HasHaya == 1) {
        ++YouPile.Score;
        you.haya = true;
    }

    // The sevens point: three sevens first, then five sixes and sevens together.
    if (MePile.SevenCount >= 3) {
        ++MePile.Score;
        me.sevens = true;
    } else if (YouPile.SevenCount >= 3) {
        ++YouPile.Score;
        you.sevens = true;
    } else if (MePile.SixSevenCount >= 5) {
        ++MePile.Score;
        me.sevens = true;
    } else if (YouPile.SixSevenCount >= 5) {
        ++YouPile.Score;
        you.sevens = true;
    }

    if (MePile.CardCount > YouPile.CardCount)
        ++MePile.Score;
    else if (YouPile.CardCount > MePile.CardCount)
        ++YouPile.Score;
}

void Game::CloseHand(const HandEndFlags& flags) {
    if (!SettleHand(flags)) {
        PlayWave(Wave::ResultsTune);
        dialogs_.ShowResults(Results);
        display_.RepaintMainWindow();
        StartHand();
        return;
    }
    const std::string matchMessage = CloseMatch(flags);
    if (MeMatchWins >= 2 || YouMatchWins >= 2) {
        EndGame();
        return;
    }
    PlayWave(Wave::ResultsTune);
    if (!matchMessage.empty()) Results.status = matchMessage + " " + std::to_string(MatchNumber);
    dialogs_.ShowResults(Results);
    display_.RepaintMainWindow();
    if (!matchMessage.empty()) {
        ShowMessage(Results.status);
        Results.status = matchMessage + " " + std::to_string(MatchNumber);
    }
    ++MatchNumber;
    MePile.Score = 0;
    YouPile.Score = 0;
    HandNumber = 0;
    StartHand();
}

void Game::ShowMatchWins() {
    Results.scores.computer.matchWins = MeMatchWins;
    Results.scores.human.matchWins = YouMatchWins;
}

bool Game::SettleHand(const HandEndFlags& flags) {
    // The side ahead starts the next hand; a side that took all ten scoring cards does.
    if (MePile.Score > YouPile.Score)
        ComputerStarts = true;
    else if (MePile.Score < YouPile.Score)
        ComputerStarts = false;
    if (flags.meTookAllTen) ComputerStarts = true;
    if (flags.youTookAllTen) ComputerStarts = false;

    Results.scores.computer.matchTotal = MePile.Score;
    Results.scores.human.matchTotal = YouPile.Score;
    ShowMatchWins();
    listeners_.HandScored(Results.scores);
    display_.SetMsg("Result:  Me =" + std::to_string(MePile.Score) +
                    " You =" + std::to_string(YouPile.Score));

    // Once both sides have passed the target the match runs on to ten more, never further.
    int target = TargetScore;
    if (MePile.Score >= TargetScore && YouPile.Score >= TargetScore) target = TargetScore + 10;
    if (flags.meTookAllTen) {
        MePile.Score = target;
        YouPile.Score = 0;
    }
    if (flags.youTookAllTen) {
        YouPile.Score = target;
        MePile.Score = 0;
    }
    return flags.closedBySuit ||
           ((MePile.Score >= target || YouPile.Score >= target) && MePile.Score != YouPile.Score);
}

std::string Game::CloseMatch(const HandEndFlags& flags) {
    if (AlternateStart) ComputerStarts = !ComputerStarts;
    const bool computerWon = MePile.Score > YouPile.Score;
    std::string matchMessage;
    auto announce = [&](std::string_view text) {
        matchMessage = Text(text);
        if (Results.status.empty()) Results.status = matchMessage;
    };
    if (!computerWon) {
        if (!ReverseGame) {
            if (!flags.closedBySuit) ++YouMatchWins;
            Results.SetFaces(Face::ComputerDispleased, Face::HumanTriumphant);
        } else {
            if (!flags.closedBySuit) {
                ++YouMatchWins;
                announce(texts::kYouWinMatch);
            }
            Results.SetFaces(Face::ComputerTriumphant, Face::HumanDispleased);
        }
        if (!AlternateStart) ComputerStarts = false;
    } else {
        if (!ReverseGame) {
            if (!flags.closedBySuit) ++MeMatchWins;
            announce(texts::kMeWinsMatch);
            Results.SetFaces(Face::ComputerTriumphant, Face::HumanDispleased);
        } else {
            if (!flags.closedBySuit) ++MeMatchWins;
            Results.SetFaces(Face::ComputerDispleased, Face::HumanTriumphant);
        }
        if (!AlternateStart) ComputerStarts = true;
    }
    ShowMatchWins();
    // In a reverse game the side with the smaller total takes the match.
    const Side matchWinner = computerWon != ReverseGame ? Side::Computer : Side::Human;
    listeners_.MatchEnded({MatchNumber, matchWinner, MePile.Score, YouPile.Score});
    return matchMessage;
}

void Game::EndGame() {
    if (MeMatchWins >= 2) {
        StatusText = Text(ReverseGame ? texts::kYouHaveWon : texts::kBeatenYou);
    } else {
        StatusText = Text(ReverseGame ? texts::kBeatenYouShort : texts::kYouHaveWon);
    }
    if (Results.status.empty()) Results.status = StatusText;
    display_.SetMsg("");
    if (StatusText == texts::kYouHaveWon)
        Results.SetFaces(Face::ComputerDispleased, Face::HumanTriumphant);
    else
        Results.SetFaces(Face::ComputerTriumphant, Face::HumanDispleased);
    dialogs_.ShowResults(Results);
    PlayWave(Wave::Applause);
    ShowMessage(Text(texts::kGameOver) + StatusText);
    display_.RepaintMainWindow();
    GameActive = false;
    // A reverse game is won by the side with fewer matches.
    listeners_.GameEnded((MeMatchWins >= 2) != ReverseGame ? Side::Computer : Side::Human);
}

}  // namespace tazkova::game
