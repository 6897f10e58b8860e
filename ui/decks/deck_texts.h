/// The texts of the choice of card decks.
#pragma once

namespace tazkova::ui {

/// The menu's entry and the dialog's caption.
inline constexpr char kDecksCaption[] = "أوراق اللعب";
/// Our own deck, first in the list.
inline constexpr char kOurDeckName[] = "أوراق Tazkova";
/// What the preview shows, for a screen reader: the king of hearts and the ace of spades.
inline constexpr char kDeckPreviewName[] = "معاينة: ملك كبة وآس بستوني";
inline constexpr char kDecksLooking[] = "يُبحث عن أوراق اللعب المثبتة على الجهاز…";
/// Where the other decks come from; the packages' names set apart, left to right.
inline constexpr char kDecksWhere[] =
    "تأتي أوراق اللعب الأخرى مع الحزمتين \u2066kdegames-card-data-kf5\u2069 "
    "و\u2066aisleriot\u2069.";
inline constexpr char kDeckUse[] = "استخدمها";
inline constexpr char kDeckCancel[] = "إلغاء";
/// A deck chosen before that can no longer be drawn: ours is used instead.
inline constexpr char kDeckUnreadable[] = "تعذّرت قراءة «%1»، فعادت أوراق Tazkova.";

}  // namespace tazkova::ui
