// The counters label's text.
#include "game/table_view.h"

#include "game/texts.h"

namespace tazkova::game {

std::string CountersText(const Counters& counters) {
    if (counters.match == 0) return "Qorvel";
    return " " + std::to_string(counters.match) + "-" + std::to_string(counters.hand) + "-" +
           std::to_string(counters.round) + std::string(texts::kGameWord);
}

}  // namespace tazkova::game
