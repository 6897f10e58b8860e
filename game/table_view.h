/// What the table shows, as one value: every card image, frame, deck-stack image and
/// face-down card of the computer, the last-round marker, the logo and the two labels. A
/// display hands it out and takes it back, so that a play can be taken back with the table
/// exactly as it looked before.
#pragma once

#include <array>
#include <string>

#include "game/cards.h"
#include "game/table_geometry.h"

namespace tazkova::game {

/// Position, visibility and the rest of one card image as the window holds them.
struct ImageState {
    int left = kOffTableLeft;
    int top = kOffTableTop;
    bool visible = false;
    bool enabled = true;
    int tag = 0;
    bool operator==(const ImageState&) const = default;
};

struct FrameState {
    int left = kFrameHomeLeft;
    int top = kFrameHomeTop;
    bool visible = false;
    bool operator==(const FrameState&) const = default;
};

struct MeBackState {
    int left = 0;
    int top = kMeBackHomeTop;
    bool visible = true;
    bool operator==(const MeBackState&) const = default;
};

struct TableView {
    std::array<ImageState, kDeckSize> images{};  // by image index
    std::array<FrameState, kDeckSize> frames{};  // frame of card 1 first
    std::array<bool, kDeckStackCount> deckStack{};
    std::array<MeBackState, kMeBackCount> meBacks{};
    bool lastRoundMarker = false;  // Kurtut
    bool officeLogo = true;
    std::string msg;       // the status line
    std::string counters;  // the match, hand and round label
    bool operator==(const TableView&) const = default;
};

}  // namespace tazkova::game
