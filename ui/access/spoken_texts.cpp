#include "ui/access/spoken_texts.h"

#include "telling/arabic_plays.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

QString SpokenCardName(int card) {
    return Utf8(telling::CardName(card));
}

QString SpokenCounters(const game::Counters& counters) {
    if (counters.match == 0) return QStringLiteral("Qorvel");  // the maker's name
    return QStringLiteral("الطرح %1، اليد %2، الدور %3")
        .arg(counters.match)
        .arg(counters.hand)
        .arg(counters.round);
}

}  // namespace tazkova::ui
