#include "telling/arabic_plays.h"

#include <array>
#include <string_view>

#include "game/cards.h"
#include "game/game.h"

namespace tazkova::telling {

namespace {

using game::Side;

// The ranks and the suits as Arabic card players name them. A card is nearly always the
// object of a verb or follows a preposition, hence "اثنين".
constexpr std::array<std::string_view, 11> kRankNames{
    "", "آس", "اثنين", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "بنت", "ولد", "ملك"};
constexpr std::array<std::string_view, 4> kSuitNames{"سباتي", "ديناري", "كبة", "بستوني"};

/// A noun counted as Arabic counts it: "نقطة واحدة", "نقطتان", "3 نقاط", "11 نقطة".
struct CountedNoun {
    std::string_view one;      // نقطة
    std::string_view two;      // نقطتان, as a subject
    std::string_view twoObj;   // نقطتين, after a preposition or "مقابل"
    std::string_view plural;   // نقاط, for 3 to 10
    std::string_view oneWord;  // واحدة / واحد
};

constexpr CountedNoun kPoints{"نقطة", "نقطتان", "نقطتين", "نقاط", "واحدة"};
constexpr CountedNoun kCards{"ورقة", "ورقتان", "ورقتين", "أوراق", "واحدة"};

enum class Case { Subject, Object };

std::string Counted(int n, const CountedNoun& noun, Case grammaticalCase) {
    if (n == 0) return "لا شيء";
    if (n == 1) return std::string(noun.one) + " " + std::string(noun.oneWord);
    if (n == 2) return std::string(grammaticalCase == Case::Subject ? noun.two : noun.twoObj);
    const std::string digits = Number(n);
    if (n >= 3 && n <= 10) return digits + " " + std::string(noun.plural);
    return digits + " " + std::string(noun.one);
}

bool You(Side side) {
    return side == Side::Human;
}

// The subject and its verb, which agrees with it: "أنت تلعب", "الحاسوب يلعب".
std::string Subject(Side side, std::string_view stem) {
    return You(side) ? "أنت ت" + std::string(stem) : "الحاسوب ي" + std::string(stem);
}

// Matches counted after a preposition: "بطرحين", "بطرح واحد", "بلا شيء".
std::string Matches(int n) {
    if (n <= 0) return "لا شيء";
    if (n == 1) return "طرح واحد";
    if (n == 2) return "طرحين";
    return Number(n) + " طروح";
}

}  // namespace

std::string CardName(int card) {
    if (card < 1 || card > game::kDeckSize) return {};
    return std::string(kRankNames[game::CardRank(card)]) + " " +
           std::string(kSuitNames[(card - 1) / 10]);
}

std::string CardNames(const game::CardList& cards) {
    std::string names;
    for (const int card : cards) {
        if (!names.empty()) names += " و";
        names += CardName(card);
    }
    return names;
}

std::string Number(int n) {
    if (n < 0) return "ناقص " + std::to_string(-static_cast<long long>(n));
    return std::to_string(n);
}

std::string TellPlay(const game::Play& play, Length length) {
    if (play.Laid()) return Subject(play.side, "ضع ") + CardName(play.card) + " على الأرض";
    std::string told =
        Subject(play.side, "لعب ") + CardName(play.card) + (You(play.side) ? " وتأخذ " : " ويأخذ ");
    if (length == Length::Short && play.taken.count > 2)
        told += Counted(play.taken.count, kCards, Case::Object);
    else
        told += CardNames(play.taken);
    if (play.sweep)
        told += "، تازكوفا! (" + Counted(play.sweepPoints, kPoints, Case::Subject) + ")";
    else if (play.clearedFloor)
        told += "، والكنسة في الحركة الأخيرة لا تُحسب";
    return told;
}

std::string TellPick(int card, bool picked) {
    return CardName(card) + (picked ? ": محددة للأخذ" : ": أُلغي تحديدها");
}

std::string TellGather(const game::Gather& gather) {
    return Subject(gather.side, "جمع ") + "ما بقي على الأرض (" +
           Counted(gather.cards.count, kCards, Case::Subject) + ")";
}

std::string TellShuffle() {
    return "لحظة، تُخلط الأوراق";
}

std::string TellHandStart(const game::HandStart& start) {
    return "الطرح " + Number(start.match) + "، اليد " + Number(start.hand) +
           (You(start.starts) ? ": تبدأ أنت" : ": يبدأ الحاسوب");
}

std::string TellRound(int round) {
    if (round == game::kRoundsPerHand) return "الدور الأخير";
    return "الدور " + Number(round) + " من " + Number(game::kRoundsPerHand);
}

std::string TellHandScored(const game::ScoreSheet& sheet, bool reverseGame) {
    const int you = sheet.human.HandGain();
    const int computer = sheet.computer.HandGain();
    if (you == computer)
        return "تعادل في اليد: " + Counted(you, kPoints, Case::Subject) + " مقابل " +
               Counted(computer, kPoints, Case::Object);
    // In a reverse game the hand goes to the side that scored less.
    const bool youWin = (you > computer) != reverseGame;
    const int winner = youWin ? you : computer;
    const int loser = youWin ? computer : you;
    return Subject(youWin ? Side::Human : Side::Computer, "ربح ") + "اليد" +
           (reverseGame ? " بنقاط أقل: " : ": ") + Counted(winner, kPoints, Case::Subject) +
           " مقابل " + Counted(loser, kPoints, Case::Object);
}

std::string TellDinari(Side side, int dinariCards) {
    if (dinariCards == game::kTopRank)
        return Subject(side, "جمع ") + "أوراق الديناري العشر و" + (You(side) ? "تربح" : "يربح") +
               " الطرح";
    if (dinariCards < 8 || dinariCards > game::kTopRank) return {};
    std::string told = Subject(side, "جمع ") + Number(dinariCards) + " أوراق ديناري: 10 نقاط " +
                       (You(side) ? "لك" : "له");
    if (dinariCards == 9)
        told += You(side) ? "، ومجموع الحاسوب يعود إلى الصفر" : "، ومجموعك يعود إلى الصفر";
    return told;
}

std::string TellMatchEnd(const game::MatchEnd& end) {
    const bool youWin = You(end.winner);
    return Subject(end.winner, "ربح ") + "الطرح " + Number(end.match) + ": " +
           Number(youWin ? end.humanTotal : end.computerTotal) + " مقابل " +
           Number(youWin ? end.computerTotal : end.humanTotal);
}

std::string TellGameEnd(Side winner, int winnerMatches, int loserMatches, bool reverseGame) {
    return Subject(winner, "ربح ") + (reverseGame ? "اللعبة العكسية ب" : "اللعبة ب") +
           Matches(winnerMatches) + " مقابل " + Matches(loserMatches);
}

std::string TellTotals(const game::ScoreSheet& sheet) {
    return "مجموع الطرح: أنت " + Number(sheet.human.matchTotal.value_or(0)) + "، الحاسوب " +
           Number(sheet.computer.matchTotal.value_or(0));
}

void GameTeller::HandStarted(const game::HandStart& start) {
    told_(TellHandStart(start));
}

void GameTeller::RoundDealt(int round) {
    told_(TellRound(round));
}

void GameTeller::PlayMade(const game::Play& play) {
    told_(TellPlay(play));
}

void GameTeller::PickChanged(int card, bool picked) {
    told_(TellPick(card, picked));
}

void GameTeller::RestGathered(const game::Gather& gather) {
    told_(TellGather(gather));
}

void GameTeller::HandScored(const game::ScoreSheet& sheet) {
    told_(TellHandScored(sheet, game_.State().ReverseGame));
    if (game_.State().DinariRule) {
        for (const Side side : {Side::Human, Side::Computer}) {
            const game::SideScore& score = side == Side::Human ? sheet.human : sheet.computer;
            const std::string dinari = TellDinari(side, score.scoringSuitCards.value_or(0));
            if (!dinari.empty()) told_(dinari);
        }
    }
    told_(TellTotals(sheet));
}

void GameTeller::MatchEnded(const game::MatchEnd& end) {
    told_(TellMatchEnd(end));
}

void GameTeller::GameEnded(Side winner) {
    const int computer = game_.State().MeMatchWins;
    const int you = game_.State().YouMatchWins;
    const bool youWin = winner == Side::Human;
    told_(TellGameEnd(winner, youWin ? you : computer, youWin ? computer : you,
                      game_.State().ReverseGame));
}

}  // namespace tazkova::telling
