/// Captions, labels, hints and texts of the windows, exactly as the player reads them (UTF-8).
#pragma once

#include <array>

namespace tazkova::ui {

// The main window.
inline constexpr char kWindowCaption[] = "Tazkova 2000";
inline constexpr char kNewGameCaption[] = "ل&عبة جديدة";
inline constexpr char kOptionsCaption[] = "إ&ختيارات";
inline constexpr char kResultCaption[] = "النتي&جـة  ";
inline constexpr char kFinishCaption[] = "إنـهـا&ء";
inline constexpr char kSoundHint[] = "للتحكم في الصوت";
inline constexpr char kSpeedHint[] = "للتحكم في السرعة";

// The results dialog: the row labels, the continue button and the hint of the human's
// scoring-suit box.
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

// The options dialog.
inline constexpr char kOptionsDialogCaption[] = "إختيارات Tazkova";
inline constexpr char kTypeHeading[] = "نـوع اللعبة";
inline constexpr char kLevelHeading[] = "الـمـســتوى";
inline constexpr std::array<const char*, 4> kLevelItems{"مستوى أول", "مستوى ثاني", "مستوى ثالث",
                                                        "مستوى رابع"};
inline constexpr char kDinariCaption[] = "Tazkova الديناري";
inline constexpr char kOpenCardsCaption[] = "كشـف الاوراق";
inline constexpr char kAlternateCaption[] = "بدأ اللعب بالتبادل";
inline constexpr char kReverseCaption[] = "Tazkova عكســية";

// The message and help dialogs: their continue buttons and the shortcut button.
inline constexpr char kMessageDialogCaption[] = "Tazkova";
inline constexpr char kMsgOkCaption[] = "أ&سـتمر";
inline constexpr char kHelpOkCaption[] = "ا&سـتمر";
inline constexpr char kShortcutCaption[] = "&انشاء اختصار لسطح المكتب";

// Why no desktop shortcut was made.
inline constexpr char kNoDesktop[] = "لم يوجد مجلد لسطح المكتب، فلم يُنشأ الاختصار.";
inline constexpr char kDesktopMissing[] = "مجلد سطح المكتب %1 غير موجود، فلم يُنشأ الاختصار.";
inline constexpr char kProgramUnknown[] = "ملف البرنامج غير معروف، فلم يُنشأ الاختصار.";
inline constexpr char kBadShortcutName[] = "لا يصلح «%1» اسماً للاختصار.";
inline constexpr char kShortcutNotWritten[] = "تعذّرت كتابة الاختصار في %1: %2";

/// The scoring rules of the help dialog, one line each, leading blanks included.
inline constexpr std::array<const char*, 5> kHelpLines{
    "  البـرمـيـلة : تتحصل علي نقطة في حالة فوزك بـثلاثة اوراق 7 او ورقتي 7 و ثلاثة ورقات 6",
    "   الديناري :  تتحصل على نقطة عند فوزك بستة اوراق ديناري او اكثر",
    "   الحــــيــة : تتحصل على نقطة عند فوزك بورقة سبعة الديناري",
    "عدد الاوراق : عند فوزك باغلبية الاوراق تتحصل على نقطة",
    "Tazkovas : عند الفوز بجميع الاوراق المطروحة تتحصل علي Tazkova  و تحتسب حسب نوع اللعبة",
};

}  // namespace tazkova::ui
