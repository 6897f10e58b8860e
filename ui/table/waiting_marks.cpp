#include "ui/table/waiting_marks.h"

#include <algorithm>

#include "game/capture_completion.h"

namespace tazkova::ui {

void MarkWaitedForCards(CardTableView& view, const game::Game& game) {
    const std::vector<int> waitedFor = game::WaitedForCards(game);
    for (int i = 0; i < game::kDeckSize; ++i) {
        const bool marked = std::find(waitedFor.begin(), waitedFor.end(), i + 1) != waitedFor.end();
        view.Card(i)->SetWaitedFor(marked);
    }
}

}  // namespace tazkova::ui
