#include "ui/window/game_keeper.h"

#include <QFileInfo>

#include "store/kept_game_store.h"
#include "ui/dialogs/kept_texts.h"
#include "ui/style/reading.h"

namespace tazkova::ui {

GameKeeper::GameKeeper(QObject* parent, bool keeping) : QObject(parent) {
    setObjectName(QStringLiteral("GameKeeper"));
    if (!keeping) return;
    store_ = std::make_unique<store::KeptGameStore>(store::KeptGameFile());
    // A second window plays a game of its own, kept nowhere.
    if (!store_->Claim()) store_.reset();
}

GameKeeper::~GameKeeper() = default;

GameKeeper::Found GameKeeper::Open() {
    Found found;
    if (!store_) return found;
    store::KeptGameStore::Found file = store_->Open();
    found.kept = std::move(file.kept);
    if (file.refusal.isEmpty()) return found;
    if (file.setAside.isEmpty()) {
        // What could not be set aside is never written over.
        found.message = QString::fromUtf8(kKeptRefusedStays).arg(Isolated(file.refusal));
        store_.reset();
    } else {
        found.message =
            QString::fromUtf8(kKeptRefused)
                .arg(Isolated(QFileInfo(file.setAside).fileName(), true), Isolated(file.refusal));
    }
    return found;
}

void GameKeeper::Update(const game::Game& game, bool playTakenBack) {
    if (!store_) return;
    if (game.State().GameActive) {
        kept_ = store_->Keep({game.Snapshot(), playTakenBack}).isEmpty();
    } else {
        store_->Remove();
        kept_ = false;
    }
}

}  // namespace tazkova::ui
