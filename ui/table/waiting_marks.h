/// What a card waiting for its floor cards waits for: the floor cards that can complete one
/// of its captures are marked (and named so to a screen reader) until the capture is made or
/// the card is taken back.
#pragma once

#include "game/game.h"
#include "ui/table/table_view.h"

namespace tazkova::ui {

/// Marks the floor cards the waiting card can still take, and only those.
void MarkWaitedForCards(CardTableView& view, const game::Game& game);

}  // namespace tazkova::ui
