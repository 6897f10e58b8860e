/// The player's kept game in the data folder: opened at start-up when it is a plain file of
/// a sane size and a consistent game, set aside (renamed, never deleted) when it is not, kept
/// after every play in one step, and removed when the game ends. One window at a time keeps
/// it, under a lock held for the window's life.
#pragma once

#include <QString>
#include <optional>

#include "keep/kept_game.h"

namespace tazkova::store {

/// The player's kept game: Qorvel/Tazkova/game.json in DataHome(); empty when the player has
/// no data folder.
QString KeptGameFile();

class KeptGameStore {
  public:
    explicit KeptGameStore(QString path);
    ~KeptGameStore();
    KeptGameStore(const KeptGameStore&) = delete;
    KeptGameStore& operator=(const KeptGameStore&) = delete;

    /// Takes the kept game for this window, without waiting: false when another window holds
    /// it (or there is no folder for it). Only the window that holds it opens, keeps or removes
    /// the kept game; taking it clears the new files a write killed on its way left behind.
    bool Claim();
    bool Claimed() const { return lockFd_ >= 0; }

    /// What start-up finds.
    struct Found {
        std::optional<keep::KeptGame> kept;
        QString refusal;   // why a file there was not opened; empty when none was refused
        QString setAside;  // the name the refused file was given; empty when it stays
    };
    /// The kept game, when there is one to open; a file there that is refused is set aside.
    Found Open();

    /// Keeps the game, in one step; the reason when it could not be kept, else empty.
    QString Keep(const keep::KeptGame& kept);
    /// The game ended, or another began: the kept game goes.
    void Remove();

  private:
    QString path_;
    int lockFd_ = -1;
};

}  // namespace tazkova::store
