/// The texts of the hand review and of the hint's reasons, in Arabic: the worth of a play in
/// points a hand, the play named as a noun ("وضع سبعة ديناري"), a review entry and its
/// summary.
#pragma once

#include <QString>
#include <vector>

#include "coach/judge.h"
#include "game/seat_knowledge.h"

namespace tazkova::ui {

inline constexpr char kReviewCaption[] = "مراجعة اليد";
inline constexpr char kReviewCommand[] = "مراجعة اليد";
inline constexpr char kReviewButton[] = "مراجعة اليد";
inline constexpr char kReviewCloseCaption[] = "إغلاق";
inline constexpr char kReviewListName[] = "حركاتك في اليد";
inline constexpr char kReviewWaiting[] = "لحظة، تُقدَّر حركاتك…";
inline constexpr char kReviewNoHand[] = "لم تنته يد بعد: المراجعة بعد أول يد.";
inline constexpr char kReviewEstimate[] =
    "تقدير: قيمة كل حركة هي ما تتوقعه منها من فرق النقاط في اليد، بما كنت تعرفه حين لعبتها "
    "(لا بأوراق الحاسوب ولا بترتيب الرزمة).";

/// A worth of `points` a hand, with one decimal and no sign: "لك 0.4 نقطة", "عليك 1.2 نقطة".
QString WorthText(double points);
/// A play named as a noun, as the human would make it: "وضع سبعة ديناري على الأرض", "لعب
/// سبعة ديناري وأخذ ثلاثة كبة وأربعة سباتي".
QString PlayNoun(const game::ChosenPlay& play, const game::SeatKnowledge& before);
/// One entry of the review: the play's number in the hand (1-based), the play made, its
/// worth, and the better play where it was worth half a point more.
QString ReviewEntry(int number, const coach::Judgement& judgement,
                    const game::SeatKnowledge& before);
/// The review in short: the points given away and the worst play.
QString ReviewSummary(const std::vector<coach::Judgement>& review);
/// The hint's reason: "تزيد 1.3 نقطة على أخذ …" against the next best play, or that it is the
/// only play.
QString HintReasonText(const coach::HintReason& reason, const game::SeatKnowledge& before);

}  // namespace tazkova::ui
