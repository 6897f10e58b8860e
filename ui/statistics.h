/// The player's statistics, kept per user between runs: for each level and game type, the
/// games and matches won and lost and the best and worst match, with the games in which a
/// play was taken back counted apart.
#pragma once

#include <QString>
#include <array>

namespace tazkova::ui {

/// The tally of one level, game type and kind of game (with or without a play taken back).
struct Tally {
    int gamesWon = 0;
    int gamesLost = 0;
    int matchesWon = 0;
    int matchesLost = 0;
    // The player's best and worst match, as the player's total then the computer's, the
    // best being the widest lead; meaningful only once a match has been counted.
    int bestYou = 0, bestMe = 0;
    int worstYou = 0, worstMe = 0;

    int GamesPlayed() const { return gamesWon + gamesLost; }
    int Matches() const { return matchesWon + matchesLost; }
    bool operator==(const Tally&) const = default;
};

class Statistics {
  public:
    /// The statistics kept in the settings file `path` (read at once).
    explicit Statistics(const QString& path);
    /// The player's own file under the XDG configuration folder.
    static QString UserFile();

    /// The computer's levels: four quick ones and the expert.
    static constexpr int kLevels = 5;
    /// The tally of a level (1..5), a game type (0..3) and a kind of game.
    const Tally& Of(int level, int gameType, bool tookBack) const;

    /// Counts a match and stores it: its final totals and whether the player won it.
    void CountMatch(int level, int gameType, bool tookBack, int you, int me, bool playerWon);
    /// Counts a game and stores it.
    void CountGame(int level, int gameType, bool tookBack, bool playerWon);
    /// Forgets everything, on the player's word, and starts the file anew.
    void Reset();

    /// What went wrong with the file, for the player to read (empty when nothing did): a
    /// file that cannot be read leaves the statistics empty, one that cannot be written
    /// keeps them for this run only.
    const QString& Problem() const { return problem_; }

  private:
    static constexpr int kKinds = kLevels * 4 * 2;
    static int IndexOf(int level, int gameType, bool tookBack);
    Tally& At(int level, int gameType, bool tookBack);
    void Load();
    void Save();

    QString path_;
    std::array<Tally, kKinds> tallies_{};
    QString problem_;
    bool readable_ = true;  // the file could be read (or did not exist yet)
};

}  // namespace tazkova::ui
