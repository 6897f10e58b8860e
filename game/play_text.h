/// The status line's English account of a play, as the rules word it: "<side> Play <card>",
/// and for a capture " and win " (" and pick " for floor cards the human picked) followed by
/// the cards taken. Built while the play is made, one taken card at a time.
#pragma once

#include <string>
#include <string_view>

#include "game/cards.h"

namespace tazkova::game {

enum class TakeWord { None, Win, Pick };

/// Starts `text` anew with the side's label, the card and the word for what it takes.
inline void DescribePlay(std::string& text, std::string_view label, int card, TakeWord word) {
    text.assign(label).append(" Play ").append(CardName(card));
    if (word == TakeWord::Win) text.append(" and win ");
    if (word == TakeWord::Pick) text.append(" and pick ");
}

/// Adds a card taken, after a blank (so the first follows the word by two). The single card
/// of an equal rank that the human takes by a click follows the word at once instead.
inline void DescribeTaken(std::string& text, int card, bool afterBlank = true) {
    if (afterBlank) text.append(" ");
    text.append(CardName(card));
}

}  // namespace tazkova::game
