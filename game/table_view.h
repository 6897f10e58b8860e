/// What the table shows, as one value: every card image, frame, deck-stack image and
/// face-down card of the computer, the last-round marker, the logo and the two labels. The
/// game keeps it as part of its state and tells the display every change, so that a play
/// taken back is drawn again from the state alone.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/cards.h"
#include "game/table_geometry.h"

namespace tazkova::game {

/// Position, visibility and the rest of one card image as the window holds them. Kept small:
/// the game copies its record of the table before every play it may take back.
struct ImageState {
    std::int16_t left = kOffTableLeft;
    std::int16_t top = kOffTableTop;
    bool visible = false;
    bool enabled = true;
    std::int8_t tag = 0;
    bool operator==(const ImageState&) const = default;
};

struct FrameState {
    std::int16_t left = kFrameHomeLeft;
    std::int16_t top = kFrameHomeTop;
    bool visible = false;
    bool operator==(const FrameState&) const = default;
};

struct MeBackState {
    int left = 0;
    int top = kMeBackHomeTop;
    bool visible = true;
    bool operator==(const MeBackState&) const = default;
};

/// The match, hand and round numbers of the counters label; a match number of 0 before the
/// first deal, when the label shows the maker's name.
struct Counters {
    int match = 0;
    int hand = 0;
    int round = 0;
    bool operator==(const Counters&) const = default;
};

/// The counters label's text: " 1-2-3:اللعبة", or "Qorvel" before the first deal.
std::string CountersText(const Counters& counters);

struct TableView {
    std::array<ImageState, kDeckSize> images{};  // by image index
    std::array<FrameState, kDeckSize> frames{};  // frame of card 1 first
    std::array<bool, kDeckStackCount> deckStack{true, true, true, true, true, true};
    std::array<MeBackState, kMeBackCount> meBacks{MeBackState{kMeBackHomeLefts[0]},
                                                  MeBackState{kMeBackHomeLefts[1]},
                                                  MeBackState{kMeBackHomeLefts[2]}};
    bool lastRoundMarker = false;  // Kurtut
    bool officeLogo = true;
    std::string msg;    // the status line
    Counters counters;  // the match, hand and round label
    bool operator==(const TableView&) const = default;

    // The display operations, as each changes what the table shows (an index out of range
    // changes nothing).
    void SetImagePos(int image, int left, int top);
    void SetImageVisible(int image, bool visible);
    void SetImageEnabled(int image, bool enabled);
    void SetImageTag(int image, int tag);
    void SetFramePos(int frame, int left, int top);
    void SetFrameVisible(int frame, bool visible);
    void SetDeckStackVisible(int k, bool visible);
    void SetMeBackPos(int k, int left, int top);
    void SetMeBackVisible(int k, bool visible);
};

class TableDisplay;

/// The display as the game drives it: each change is written into the game's own record of
/// what the table shows, then passed on to the display. Redraws and the cursor only pass on.
class TableMirror {
  public:
    TableMirror(TableView& shown, TableDisplay& display) : shown_(shown), display_(display) {}

    void SetImagePos(int image, int left, int top);
    void SetImageVisible(int image, bool visible);
    void SetImageEnabled(int image, bool enabled);
    void SetImageTag(int image, int tag);
    void RedrawImage(int image);
    void SetFramePos(int frame, int left, int top);
    void SetFrameVisible(int frame, bool visible);
    void RedrawFrame(int frame);
    void SetDeckStackVisible(int k, bool visible);
    void RedrawDeckStack(int k);
    void SetMeBackPos(int k, int left, int top);
    void SetMeBackVisible(int k, bool visible);
    void RedrawMeBack(int k);
    void SetLastRoundMarkerVisible(bool visible);
    void SetOfficeLogoVisible(bool visible);
    void SetMsg(const std::string& text);
    void RedrawMsg();
    void SetCounters(const Counters& counters);
    void SetHourglassCursor();
    void SetDefaultCursor();
    void RepaintMainWindow();
    /// Draws the whole table again from the record (after a play is taken back).
    void ShowAll();

  private:
    TableView& shown_;
    TableDisplay& display_;
};

}  // namespace tazkova::game
