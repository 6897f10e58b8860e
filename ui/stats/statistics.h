/// The player's statistics, kept per user between runs: for each level and game type, the
/// games and matches won and lost and the best and worst match, with the games in which a
/// play was taken back counted apart. Windows open at the same time share the file: each
/// result is added to the file as it stands, under its lock.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tazkova::ui {

/// The tally of one level, game type and kind of game (with or without a play taken back).
struct Tally {
    /// The most a count holds (it stops there) and the widest a match total may be: a file
    /// that holds more is not read, and no sum of two can overflow.
    static constexpr int kMaxCount = 1'000'000'000;

    int gamesWon = 0;
    int gamesLost = 0;
    int matchesWon = 0;
    int matchesLost = 0;
    // The player's best and worst match, as the player's total then the computer's, the
    // best being the widest lead; meaningful only once a match has been counted.
    int bestYou = 0, bestMe = 0;
    int worstYou = 0, worstMe = 0;

    std::int64_t GamesPlayed() const { return std::int64_t{gamesWon} + gamesLost; }
    std::int64_t Matches() const { return std::int64_t{matchesWon} + matchesLost; }
    bool operator==(const Tally&) const = default;
};

class Statistics {
  public:
    /// The levels kept, whichever of them the game offers.
    static constexpr int kMaxLevel = 9;

    /// The statistics kept in the settings file `path` (read at once).
    explicit Statistics(const QString& path);
    /// Makes a last try to store the results still waiting for the file.
    ~Statistics();
    Statistics(const Statistics&) = delete;
    Statistics& operator=(const Statistics&) = delete;

    /// The player's own file under the XDG configuration folder.
    static QString UserFile();

    /// The tally of a level (1..kMaxLevel), a game type (0..3) and a kind of game: the file's
    /// as last read, with this window's results that wait to be stored.
    const Tally& Of(int level, int gameType, bool tookBack) const;

    /// Counts a match, its final totals and whether the player won it, into the file. When
    /// the file's lock cannot be had, the result waits and goes in with the next one stored.
    void CountMatch(int level, int gameType, bool tookBack, int you, int me, bool playerWon);
    /// Counts a game into the file, as CountMatch does.
    void CountGame(int level, int gameType, bool tookBack, bool playerWon);
    /// Forgets everything, on the player's word, and starts the file anew: the results that
    /// any window counted before are not added afterwards.
    void Reset();
    /// Reads the file again, as another window may have counted or reset since, and stores
    /// the results that wait.
    void Refresh();

    /// What went wrong with the file, for the player to read (empty when nothing did): a
    /// file that cannot be read leaves the statistics empty and is left as it is until a
    /// reset; results that could not be stored are kept for this run.
    const QString& Problem() const { return problem_; }

  private:
    static constexpr int kKinds = kMaxLevel * 4 * 2;
    using Tallies = std::array<Tally, kKinds>;
    static int IndexOf(int level, int gameType, bool tookBack);
    void Count(int index, const Tally& result);
    void Read();
    void Store();
    bool Write(const Tallies& tallies, int resetMark) const;
    void Show();

    QString path_;
    Tallies stored_{};   // the file's, as last read
    Tallies waiting_{};  // this window's results not yet in the file
    Tallies shown_{};    // the two together
    // The file's mark of its last reset (0 before any): when it changes, the results that
    // wait were counted before that reset and are dropped.
    int resetMark_ = 0;
    bool readable_ = true;  // the file could be read (or did not exist yet)
    bool resetFailed_ = false;
    QString problem_;
};

}  // namespace tazkova::ui
