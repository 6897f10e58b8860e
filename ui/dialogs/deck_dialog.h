/// The choice of card decks ("أوراق اللعب"): our own deck first, then every deck of the
/// desktop's that can be drawn, each by its name, with a preview of a court card and an ace.
/// The decks are looked at on a thread of their own when the choice first opens, and each is
/// listed once it has been read and found whole; a deck that cannot be drawn is left out. The
/// deck the player goes to in the list is kept read, so that choosing it is quick.
#pragma once

#include <QImage>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "ui/decks/deck_catalogue.h"
#include "ui/style/game_dialog.h"

class QLabel;
class QListWidget;

namespace tazkova::ui {

class CardDeck;

class DeckDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit DeckDialog(QWidget* parent = nullptr);
    ~DeckDialog() override;

    struct Choice {
        QString key;
        std::shared_ptr<const CardDeck> deck;  // read; none for ours, or one that failed
    };
    /// Opens the choice with the deck remembered as `inUse` chosen; the deck the player chose,
    /// or nothing when the choice was closed without one.
    std::optional<Choice> Choose(const QString& inUse);
    /// The deck chosen in the list now, read (waiting for it when it is being read).
    Choice Chosen();

    /// Starts looking at the decks, if not yet begun.
    void LookForDecks();
    /// Whether every deck found has been looked at and listed or left out.
    bool DecksLooked() const { return looked_; }
    QListWidget* List() const { return list_; }

  private:
    /// What the thread has read of one deck.
    struct Read {
        DeckEntry entry;
        std::shared_ptr<const CardDeck> deck;
        QImage court, ace;
    };
    /// Reads the decks listed, and before them the one the player went to.
    void Work(std::vector<DeckEntry> decks);
    /// On the window's thread: lists a deck read whole, and keeps it if it is the one chosen.
    void TakeRead(const Read& read);
    /// Adds a deck that can be drawn, with its preview.
    void AddDeck(const QString& key, const QString& name, const QImage& court, const QImage& ace,
                 const QString& file);
    void ShowPreview();
    void SelectKey(const QString& key);
    /// Asks the thread for the deck now chosen in the list, unless it is kept already.
    void ReadChosen();

    QListWidget* list_ = nullptr;
    QLabel* court_ = nullptr;
    QLabel* ace_ = nullptr;
    QLabel* note_ = nullptr;
    QString wanted_;  // the deck to choose once it is listed
    Choice kept_;     // the deck chosen in the list, read
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<DeckEntry> asked_;  // the deck the thread reads next, under mutex_
    std::atomic<bool> stop_{false};
    bool looked_ = false;
};

}  // namespace tazkova::ui
