/// The texts the game shows, exactly as the player reads them (UTF-8).
#pragma once

#include <array>
#include <string_view>

namespace tazkova::game::texts {

inline constexpr std::string_view kMomentText = ".... لـحـظــة ";
inline constexpr std::string_view kStartOfNewGame = "بداية لعبة جديدة : ";
inline constexpr std::string_view kGameWord = ":اللعبة";
inline constexpr std::string_view kResultCaptionTail = ": النتيجـة للعبة";
inline constexpr std::string_view kMe8 = "أنا افـوز بـ 8 ديناري و اتحصل على 10 نقاط";
inline constexpr std::string_view kMe9 =
    "أنا افـوز بـ 9 ديناري و اتحصل على 10 نقاط و انت ترجع للصفر";
inline constexpr std::string_view kMe10 = "انا افوز بـ 10 ديناري و يتم الطرح";
inline constexpr std::string_view kYou8 = "انت تفـوز بـ 8 ديناري و تتحصل على 10 نقاط";
inline constexpr std::string_view kYou9 =
    "أنت تفـوز بـ 9 ديناري و تتحصل على 10 نقاط و انا ارجع للصفر";
inline constexpr std::string_view kYou10 = "أنت تفوز بـ 10 ديناري و يتم الطرح";
inline constexpr std::string_view kYes = "نعم";
inline constexpr std::string_view kVerdictMe = "انا أفوز";
inline constexpr std::string_view kVerdictDraw = "تعادل";
inline constexpr std::string_view kVerdictYou = "انت تفوز";
inline constexpr std::string_view kMeWinsMatch = "انا أفوز بالطرح ";
inline constexpr std::string_view kYouWinMatch = "انت تفوز بالطرح ";
inline constexpr std::string_view kBeatenYou = " ..... لـقــد ربحـتــك ";
inline constexpr std::string_view kYouHaveWon = ".... انـت ربـحــت ";
inline constexpr std::string_view kBeatenYouShort = " ..... لـقــد ربحـتـك ";
inline constexpr std::string_view kGameOver = "انتهت اللعبـة ";
inline constexpr std::string_view kNewGameRestart = "بداية لعبة جديدة";
inline constexpr std::string_view kTitleDinari = "الديناري ";
inline constexpr std::string_view kTitleReverse = "عكسية";
inline constexpr std::string_view kResultsCaption = "النتيجة";
inline constexpr std::array<std::string_view, 4> kTitleTypes{"عادية 21 ", "بالعدد 31 ",
                                                             "بعددها 41 ", "بعددها 61 "};
inline constexpr std::array<std::string_view, 4> kGmTypeItems{
    "Tazkova عـاديـة 21 ", "Tazkova بالعـدد 31", "Tazkova بعددها 41", "Tazkova بعددها 61"};

}  // namespace tazkova::game::texts
