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

inline void TableView::SetImagePos(int image, int left, int top) {
    if (!InRange(image, 0, kDeckSize)) return;
    images[image].left = static_cast<std::int16_t>(left);
    images[image].top = static_cast<std::int16_t>(top);
}

inline void TableView::SetImageVisible(int image, bool visible) {
    if (InRange(image, 0, kDeckSize)) images[image].visible = visible;
}

inline void TableView::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 0, kDeckSize)) images[image].enabled = enabled;
}

inline void TableView::SetImageTag(int image, int tag) {
    if (InRange(image, 0, kDeckSize)) images[image].tag = static_cast<std::int8_t>(tag);
}

inline void TableView::SetFramePos(int frame, int left, int top) {
    if (!InRange(frame, 1, kDeckSize)) return;
    frames[frame - 1].left = static_cast<std::int16_t>(left);
    frames[frame - 1].top = static_cast<std::int16_t>(top);
}

inline void TableView::SetFrameVisible(int frame, bool visible) {
    if (InRange(frame, 1, kDeckSize)) frames[frame - 1].visible = visible;
}

inline void TableView::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k, 1, kDeckStackCount)) deckStack[k - 1] = visible;
}

inline void TableView::SetMeBackPos(int k, int left, int top) {
    if (!InRange(k, 1, kMeBackCount)) return;
    meBacks[k - 1].left = left;
    meBacks[k - 1].top = top;
}

inline void TableView::SetMeBackVisible(int k, bool visible) {
    if (InRange(k, 1, kMeBackCount)) meBacks[k - 1].visible = visible;
}

}  // namespace tazkova::game
