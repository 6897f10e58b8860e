/// The game under way kept in the player's data folder for the window that holds it: opened
/// again at start-up, kept after every play and option change, removed once the game is over.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "game/game.h"
#include "keep/kept_game.h"

namespace tazkova::store {
class KeptGameStore;
}

namespace tazkova::ui {

class GameKeeper : public QObject {
    Q_OBJECT
  public:
    /// A keeper that keeps nothing when `keeping` is false (a game of particular deals, asked
    /// for on the command line, leaves the kept game alone).
    GameKeeper(QObject* parent, bool keeping);
    ~GameKeeper() override;

    /// What start-up finds: the kept game to open, or the message for a kept game refused.
    struct Found {
        std::optional<keep::KeptGame> kept;
        QString message;
    };
    Found Open();

    /// The game as it stands now: kept while it is under way, removed once it is over.
    void Update(const game::Game& game, bool playTakenBack);
    /// Whether the game as it stood at the last update is kept.
    bool Kept() const { return kept_; }

  private:
    std::unique_ptr<store::KeptGameStore> store_;
    bool kept_ = false;
};

}  // namespace tazkova::ui
