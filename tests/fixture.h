// A game on a recording table, with helpers to lay out a chosen position and read back
// what the player saw and heard.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/recording.h"

namespace tazkova::testing {

using namespace tazkova::game;

/// Card numbers by name, for readable positions: suits c d h s, ranks 1..7, Q J K.
inline int C(const std::string& name) {
    for (int n = 1; n <= kDeckSize; ++n) {
        if (CardName(n) == name) return n;
    }
    return 0;
}

struct GameTable {
    RecordingTable table;
    Game game{table, table, table, table};

    explicit GameTable(unsigned advance = 5) {
        game.Startup({SeedChoice::Kind::Advance, advance}, 0);
        StateEditor::Of(game).SoundOn = true;
        game.NewGame();
        table.TakeEvents();
    }

    /// Replaces the hands and the floor with the given cards (mid-round, human to play).
    void Arrange(const std::vector<int>& me, const std::vector<int>& you,
                 const std::vector<int>& floor, int playCount = 1) {
        for (ImageState& image : StateEditor::Of(game).Table.images) {
            image.visible = false;
            image.enabled = true;
            image.tag = 0;
        }
        Fill(StateEditor::Of(game).MePile, me);
        Fill(StateEditor::Of(game).YouPile, you);
        Fill(StateEditor::Of(game).FloorPile, floor);
        StateEditor::Of(game).PlayCount = playCount;
        StateEditor::Of(game).Input = InputState::ChooseCard;
        StateEditor::Of(game).SelectedSlot = 0;
        StateEditor::Of(game).PickedSet.reset();
        StateEditor::Of(game).DeclinedSweep.fill(0);
        StateEditor::Of(game).OpenCards = true;
        table.ShowTable(game.State().Table);
        table.TakeEvents();
    }

    void Fill(Pile& pile, const std::vector<int>& cards) {
        pile.Count = static_cast<int>(cards.size());
        pile.Cards.fill(0);
        pile.Slots.fill(0);
        for (int i = 0; i < pile.Count; ++i) {
            pile.Cards[i + 1] = cards[i];
            pile.Slots[i + 1] = i + 1;
            StateEditor::Of(game).Table.images[cards[i] - 1].tag = 1;
        }
        game.LayOutPile(pile, true);
    }

    std::vector<int> Cards(const Pile& pile) const {
        return std::vector<int>(pile.Cards.begin() + 1, pile.Cards.begin() + 1 + pile.Count);
    }

    /// The texts given to the status line since the last TakeEvents.
    std::vector<std::string> Msgs() const { return Texts(TableEvent::Kind::Msg); }

    std::vector<std::string> Texts(TableEvent::Kind kind) const {
        std::vector<std::string> out;
        for (const TableEvent& e : table.Events()) {
            if (e.kind == kind) out.push_back(e.text);
        }
        return out;
    }

    int Plays(Wave wave) const {
        const std::vector<std::string> played = Texts(TableEvent::Kind::Play);
        return static_cast<int>(std::count(played.begin(), played.end(), WaveComponentName(wave)));
    }

    /// The last showing of the results dialog, or an empty sheet.
    ResultsSheet LastResults() const {
        ResultsSheet sheet;
        sheet.caption.clear();
        for (const TableEvent& e : table.Events()) {
            if (e.kind == TableEvent::Kind::Results && e.sheet) sheet = *e.sheet;
        }
        return sheet;
    }
};

}  // namespace tazkova::testing
