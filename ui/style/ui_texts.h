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
inline constexpr std::array<const char*, 5> kLevelItems{"مستوى أول", "مستوى ثاني", "مستوى ثالث",
                                                        "مستوى رابع", "مستوى خبير"};
inline constexpr char kDinariCaption[] = "Tazkova الديناري";
inline constexpr char kOpenCardsCaption[] = "كشـف الاوراق";
inline constexpr char kAlternateCaption[] = "بدأ اللعب بالتبادل";
inline constexpr char kReverseCaption[] = "Tazkova عكســية";
// What each switch does, in its tooltip (and read by a screen reader).
inline constexpr char kDinariTip[] =
    "ثماني أوراق ديناري أو أكثر تعطي عشر نقاط، والتسع تعيد مجموع الخصم إلى الصفر، والعشر تربح "
    "الطرح";
inline constexpr char kOpenCardsTip[] = "أوراق الحاسوب مكشوفة أمامك طوال اليد";
inline constexpr char kAlternateTip[] =
    "يبدأ اليدَ التالية المتأخرُ في مجموع الطرح، ومع التساوي ينتقل البدء إلى الطرف الآخر";
inline constexpr char kReverseTip[] =
    "الهدف معكوس: يربح اليد من جمع نقاطاً أقل، ومن بلغ هدف الطرح أولاً خسره";

// The message and help dialogs: their continue buttons and the shortcut button.
inline constexpr char kMessageDialogCaption[] = "Tazkova";
inline constexpr char kMsgOkCaption[] = "أ&سـتمر";
inline constexpr char kHelpOkCaption[] = "ا&سـتمر";
inline constexpr char kShortcutCaption[] = "&انشاء اختصار لسطح المكتب";

// Why no desktop shortcut was made.
inline constexpr char kNoDesktop[] = "لم يُعثر على مجلد سطح المكتب، فلم يُنشأ الاختصار.";
inline constexpr char kDesktopMissing[] = "مجلد سطح المكتب %1 غير موجود، فلم يُنشأ الاختصار.";
inline constexpr char kProgramUnknown[] = "ملف البرنامج غير معروف، فلم يُنشأ الاختصار.";
inline constexpr char kBadShortcutName[] = "لا يصلح «%1» اسماً للاختصار.";
inline constexpr char kShortcutNotWritten[] = "تعذّرت كتابة الاختصار في %1: %2";

// The menu of the table, its button and its commands.
inline constexpr char kMenuButtonName[] = "القائمة";
inline constexpr char kMenuNewGame[] = "لعبة جديدة";
inline constexpr char kMenuOptions[] = "اختيارات";
inline constexpr char kMenuResults[] = "النتيجة";
inline constexpr char kMenuHint[] = "تلميح";
inline constexpr char kMenuTakeBack[] = "تراجع عن حركتك الأخيرة";
inline constexpr char kMenuStatistics[] = "الإحصائيات";
inline constexpr char kStoryCaption[] = "سجل اليد";
inline constexpr char kStoryCloseCaption[] = "إغلاق";
inline constexpr char kMenuZoom[] = "حجم الطاولة";
inline constexpr char kMenuZoomIn[] = "تكبير";
inline constexpr char kMenuZoomOut[] = "تصغير";
inline constexpr char kMenuFullScreen[] = "ملء الشاشة";
inline constexpr char kMenuMotion[] = "تحريك الأوراق";
inline constexpr char kMenuArabicPlays[] = "وصف الحركات بالعربية";
inline constexpr char kMenuSound[] = "الصوت";
inline constexpr char kMenuFaster[] = "أسرع";
inline constexpr char kMenuSlower[] = "أبطأ";
inline constexpr char kMenuManual[] = "قواعد اللعبة";
inline constexpr char kMenuHelp[] = "المساعدة";
inline constexpr char kMenuAbout[] = "عن Tazkova";
inline constexpr char kMenuQuit[] = "إنهاء";

// What a screen reader says of the table.
inline constexpr char kHelpButtonName[] = "المساعدة";
inline constexpr char kSoundOnName[] = "الصوت مُشغَّل";
inline constexpr char kSoundOffName[] = "الصوت مُطفأ";
inline constexpr char kSpeedBarName[] = "السرعة";
inline constexpr char kSpeedBarDescription[] = "إلى الأعلى أسرع، وإلى الأسفل أبطأ";
inline constexpr char kStatusPanelName[] = "شريط الحالة";
inline constexpr char kSeparatorName[] = "فاصل";
inline constexpr char kDeckName[] = "رزمة الأوراق";
inline constexpr char kComputerBackName[] = "ورقة الحاسوب المقلوبة";
inline constexpr char kLastRoundName[] = "آخر دور";
inline constexpr char kInYourHand[] = "في يدك";
inline constexpr char kOnTheFloor[] = "على الأرض";
inline constexpr char kInComputersHand[] = "في يد الحاسوب";
inline constexpr char kChosen[] = "مختارة، تنتظر ما تأخذه من الأرض";
inline constexpr char kPicked[] = "محددة للأخذ";
inline constexpr char kHinted[] = "مقترحة";
inline constexpr char kWaitedFor[] = "تستطيع الورقة المختارة أخذها";
inline constexpr char kRulesName[] = "قواعد النقاط";
inline constexpr char kMessageName[] = "الرسالة";
inline constexpr char kMessageFaceName[] = "وجه الحاسوب الضاحك";
inline constexpr char kLogoName[] = "شعار تازكوفا 2000";
inline constexpr char kKeysName[] = "مفاتيح اللعبة";
inline constexpr char kKeyArrows[] = "التنقل بين الأوراق";
inline constexpr char kKeyTab[] = "التنقل بين الأزرار والأوراق";
inline constexpr char kKeyPlay[] = "لعب الورقة أو تحديدها";
inline constexpr char kKeyMenu[] = "القائمة";
/// What the counters are, and the totals they are given with during a game.
inline constexpr char kCountersBeforeAGame[] =
    "الأرقام الثلاثة: رقم الطرح، ثم رقم اليد فيه، ثم الدور الجاري من الأدوار الستة";
inline constexpr char kCountersTotals[] =
    "مجموع الطرح: أنت %1، الحاسوب %2. الطروح الرابحة: أنت %3، الحاسوب %4";
inline constexpr char kComputerSide[] = "الحاسوب";
inline constexpr char kPlayerSide[] = "أنت";
/// The faces of the score sheet, in the order of the game's Face.
inline constexpr std::array<const char*, 6> kFaceNames{
    "الحاسوب مستاء", "الحاسوب مبتسم", "الحاسوب منتصر", "أنت مستاء", "أنت مبتسم", "أنت منتصر"};

// The statistics dialog.
inline constexpr char kStatisticsCaption[] = "الإحصائيات";
inline constexpr char kStatisticsUnreadable[] =
    "تعذّرت قراءة الإحصائيات المحفوظة، فهي تظهر هنا فارغة. امسحها لتبدأ من جديد.";
inline constexpr char kStatisticsUnwritable[] =
    "تعذّر حفظ الإحصائيات في ملفها، فلن تبقى إلا حتى إغلاق البرنامج.";
inline constexpr char kStatisticsReset[] = "مسح الإحصائيات";
inline constexpr char kStatisticsResetQuestion[] = "أتريد مسح كل الإحصائيات؟";
inline constexpr char kYes[] = "نعم";
inline constexpr char kNo[] = "لا";
inline constexpr char kOkay[] = "حسناً";
inline constexpr char kStatisticsLevel[] = "المستوى";
inline constexpr char kStatisticsType[] = "نوع اللعبة";
inline constexpr char kStatisticsTakenBack[] = "ألعاب فيها تراجع";
inline constexpr char kStatisticsGames[] = "ألعاب";
inline constexpr char kStatisticsWon[] = "ألعاب رابحة";
inline constexpr char kStatisticsLost[] = "ألعاب خاسرة";
inline constexpr char kStatisticsMatchesWon[] = "طروح رابحة";
inline constexpr char kStatisticsMatchesLost[] = "طروح خاسرة";
inline constexpr char kStatisticsBest[] = "أفضل طرح";
inline constexpr char kStatisticsWorst[] = "أسوأ طرح";
/// Whose total comes first in a match's "41 - 12", under the best and worst headings.
inline constexpr char kStatisticsTotalsOrder[] = "أنت - الحاسوب";
inline constexpr char kStatisticsNone[] = "لا إحصائيات بعد";

// The rules manual.
inline constexpr char kManualCaption[] = "قواعد Tazkova";

// The about box.
inline constexpr char kAboutCaption[] = "عن Tazkova";
inline constexpr char kAboutText[] =
    "Tazkova %1\n"
    "لعبة ورق من ألعاب الصيد، تأخذ فيها بورقتك من الأرض، وتلعبها ضد الحاسوب.\n"
    "رخصتها GPL-3.0-or-later، وهي برنامج حر.\n"
    "مبنية على Qt %2 وخطوط Noto العربية.\n"
    "صور الأوراق والأصوات من صنعنا.";

/// The scoring rules of the help dialog, one line each, leading blanks included.
inline constexpr std::array<const char*, 5> kHelpLines{
    "  البـرمـيـلة : تتحصل علي نقطة في حالة فوزك بـثلاثة اوراق 7 او ورقتي 7 و ثلاثة ورقات 6",
    "   الديناري :  تتحصل على نقطة عند فوزك بستة اوراق ديناري او اكثر",
    "   الحــــيــة : تتحصل على نقطة عند فوزك بورقة سبعة الديناري",
    "عدد الاوراق : عند فوزك باغلبية الاوراق تتحصل على نقطة",
    "Tazkovas : عند الفوز بجميع الاوراق المطروحة تتحصل علي Tazkova  و تحتسب حسب نوع اللعبة",
};

}  // namespace tazkova::ui
