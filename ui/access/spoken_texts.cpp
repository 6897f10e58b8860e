#include "ui/access/spoken_texts.h"

#include <array>
#include <string_view>
#include <utility>

#include "game/texts.h"
#include "telling/arabic_plays.h"
#include "ui/style/reading.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

QString SpokenCardName(int card) {
    return Utf8(telling::CardName(card));
}

QString SpokenMessage(const QString& shown) {
    using game::Side;
    namespace texts = game::texts;
    static const std::array<std::pair<std::string_view, std::string>, 6> kDinari{{
        {texts::kMe8, telling::TellDinari(Side::Computer, 8)},
        {texts::kMe9, telling::TellDinari(Side::Computer, 9)},
        {texts::kMe10, telling::TellDinari(Side::Computer, 10)},
        {texts::kYou8, telling::TellDinari(Side::Human, 8)},
        {texts::kYou9, telling::TellDinari(Side::Human, 9)},
        {texts::kYou10, telling::TellDinari(Side::Human, 10)},
    }};
    QString spoken = shown;
    for (const auto& [text, sentence] : kDinari)
        spoken.replace(Utf8(std::string(text)), Utf8(sentence) + QStringLiteral("، "));
    return SpokenText(spoken);
}

QString SpokenCounters(const game::Counters& counters) {
    if (counters.match == 0) return QStringLiteral("Qorvel");  // the maker's name
    return QStringLiteral("الطرح %1، اليد %2، الدور %3")
        .arg(counters.match)
        .arg(counters.hand)
        .arg(counters.round);
}

}  // namespace tazkova::ui
