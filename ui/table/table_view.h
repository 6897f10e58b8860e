/// The pictures of the card table and the game's display operations over them: the 40 card
/// images with their frames, the deck stack, the computer's face-down cards, the logo, the
/// last-round marker, the status line and the counters. The game's places are kept as the
/// game set them (in the table's design pixels); the pictures are drawn at the table's zoom
/// and glide to their places when motion is on. It hears the game's events: a captured card
/// slides toward the side that took it, the deck riffles as a hand begins, and a screen reader
/// hears each play, pick, gather and score in Arabic words.
#pragma once

#include <QPointF>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "game/cards.h"
#include "game/events.h"
#include "game/ports.h"
#include "game/table_geometry.h"
#include "game/table_view.h"
#include "ui/table/card_motion.h"
#include "ui/table/card_widgets.h"
#include "ui/table/table_layout.h"

class QLabel;
class QWidget;

namespace tazkova::ui {

class BevelPanel;
class StatusLine;

class CardTableView : public game::TableDisplay, public game::GameListener {
  public:
    /// Makes the pictures on `window`; `cards` is told of the mouse and keys on the cards.
    CardTableView(QWidget* window, CardTable& cards);
    ~CardTableView() override;

    TableLayout& Layout() { return layout_; }
    const TableLayout& Layout() const { return layout_; }
    CardMotion& Motion() { return motion_; }
    /// Draws the whole table at `percent` of its design size.
    void SetZoom(int percent);
    /// Draws the cards, the deck and the computer's cards anew from the deck in use.
    void RedrawDeck();

    CardImage* Card(int image) const { return cards_[image]; }
    /// Who names the counters once they change (by default they are named as shown, in words).
    void SetCountersNamer(std::function<void()> namer) { countersNamer_ = std::move(namer); }
    QLabel* CountersLabel() const { return countersLabel_; }
    /// Whether the status line tells the plays in Arabic instead of the game's English.
    void SetArabicPlays(bool on);
    /// Draws the faces of the cards not drawn yet, one at a time while the window is idle,
    /// from `afterMs` milliseconds on (once the window has been painted).
    void PrepareFacesLater(int afterMs);

    // game::TableDisplay
    void SetImagePos(int image, int left, int top) override;
    void SetImageVisible(int image, bool visible) override;
    void SetImageEnabled(int image, bool enabled) override;
    void SetImageTag(int, int) override {}
    void RedrawImage(int image) override;
    /// A frame is drawn by its card, as an outline over the card's edge: its place is the
    /// card's.
    void SetFramePos(int, int, int) override {}
    void SetFrameVisible(int frame, bool visible) override;
    void RedrawFrame(int frame) override;
    void SetDeckStackVisible(int k, bool visible) override;
    void RedrawDeckStack(int k) override;
    void SetMeBackPos(int k, int left, int top) override;
    void SetMeBackVisible(int k, bool visible) override;
    void RedrawMeBack(int k) override;
    void SetLastRoundMarkerVisible(bool visible) override;
    void SetOfficeLogoVisible(bool visible) override;
    void SetMsg(const std::string& text) override;
    void RedrawMsg() override;
    void SetCounters(const game::Counters& counters) override;
    void SetHourglassCursor() override;
    void SetDefaultCursor() override;
    void RepaintMainWindow() override;
    void ShowTable(const game::TableView& view) override;

    // game::GameListener
    void HandStarted(const game::HandStart& start) override;
    void PlayMade(const game::Play& play) override;
    void PickChanged(int card, bool picked) override;
    void RestGathered(const game::Gather& gather) override;
    void HandScored(const game::ScoreSheet& sheet) override;

  private:
    /// Where a picture comes from when it is dealt: the top of the deck.
    QPointF DeckTop() const;
    static bool OffTable(QPointF at) { return at.x() >= game::kOffTableLeft; }

    QWidget* window_;
    std::function<void()> countersNamer_;
    TableLayout layout_;
    CardMotion motion_;

    std::array<CardImage*, game::kDeckSize> cards_{};
    std::array<game::ImageState, game::kDeckSize> images_{};
    // Where a hidden card was before the game moved it: it glides from there when shown.
    std::array<std::optional<QPointF>, game::kDeckSize> comesFrom_{};
    std::array<QLabel*, game::kDeckStackCount> deckStack_{};
    std::array<QLabel*, game::kMeBackCount> meBacks_{};
    std::array<game::MeBackState, game::kMeBackCount> backs_{};
    QLabel* logo_ = nullptr;
    QLabel* lastRoundMarker_ = nullptr;
    BevelPanel* statusPanel_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* countersLabel_ = nullptr;
    bool hourglass_ = false;
    // Who took the cards of the play being shown: they slide toward that side's row.
    game::Side taker_ = game::Side::Human;
    // The status line's text, in English or told in Arabic.
    StatusLine* status_ = nullptr;
};

}  // namespace tazkova::ui
