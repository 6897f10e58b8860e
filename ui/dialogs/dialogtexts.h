/// Texts of the message and help dialogs, exactly as the player reads them (UTF-8).
#pragma once

#include <array>

namespace tazkova::ui {

/// The continue buttons of the message and the help dialog, and the shortcut button.
inline constexpr char kMsgOkCaption[] = "أ&سـتمر";
inline constexpr char kHelpOkCaption[] = "ا&سـتمر";
inline constexpr char kShortcutCaption[] = "&انشاء اختصار لسطح المكتب";

/// The scoring rules of the help dialog, one line each, leading blanks included.
inline constexpr std::array<const char*, 5> kHelpLines{
    "  البـرمـيـلة : تتحصل علي نقطة في حالة فوزك بـثلاثة اوراق 7 او ورقتي 7 و ثلاثة ورقات 6",
    "   الديناري :  تتحصل على نقطة عند فوزك بستة اوراق ديناري او اكثر",
    "   الحــــيــة : تتحصل على نقطة عند فوزك بورقة سبعة الديناري",
    "عدد الاوراق : عند فوزك باغلبية الاوراق تتحصل على نقطة",
    "Tazkovas : عند الفوز بجميع الاوراق المطروحة تتحصل علي Tazkova  و تحتسب حسب نوع اللعبة",
};

}  // namespace tazkova::ui
