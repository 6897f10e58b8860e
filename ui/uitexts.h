/// Captions, labels and hints of the windows, exactly as the player reads them (UTF-8).
#pragma once

namespace tazkova::ui {

inline constexpr char kNewGameCaption[] = "ل&عبة جديدة";
inline constexpr char kOptionsCaption[] = "إ&ختيارات";
inline constexpr char kResultCaption[] = "النتي&جـة  ";
inline constexpr char kFinishCaption[] = "إنـهـا&ء";
inline constexpr char kSoundHint[] = "للتحكم في الصوت";
inline constexpr char kSpeedHint[] = "للتحكم في السرعة";
inline constexpr char kLabel1[] = ": ديناري";
inline constexpr char kLabel2[] = ": برميلـة";
inline constexpr char kLabel3[] = ": الحـيـة";
inline constexpr char kLabel4[] = ": عدد الأوراق";
inline constexpr char kLabel9[] = ": النقاط";
inline constexpr char kLabel5[] = ": Tazkovas";
inline constexpr char kLabel6[] = ": مجموع النقاط";
inline constexpr char kLabel7[] = ": نقاط الطرح";
inline constexpr char kLabel8[] = ": نتيجة الطروح";
inline constexpr char kOkCaption[] = "اسـتمر";
inline constexpr char kRslt1Hint[] = "الديناري";
inline constexpr char kWindowCaption[] = "Tazkova 2000";

}  // namespace tazkova::ui
