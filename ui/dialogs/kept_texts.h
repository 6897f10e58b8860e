/// The texts of the kept game: the questions asked before a game under way is thrown away,
/// and what the player is told of the game kept, opened again or set aside.
#pragma once

namespace tazkova::ui {

inline constexpr const char* kAskCaption = "تنبيه";
inline constexpr const char* kOptionsCancelCaption = "إلغاء";

inline constexpr const char* kAskNewGame = "اللعبة الجارية لم تنتهِ بعد. أتتركها وتبدأ لعبة جديدة؟";
inline constexpr const char* kAskOptionsRestart =
    "تغيير هذه الخيارات يبدأ لعبة جديدة وتضيع به اللعبة الجارية. أتغيّرها؟";
inline constexpr const char* kAskQuit = "اللعبة الجارية لم تنتهِ ولن تُحفظ. أتغلق البرنامج؟";
inline constexpr const char* kToldKept =
    "حُفظت اللعبة الجارية، وستعود كما تركتها حين تفتح البرنامج مرة أخرى.";
/// The status line's note when a kept game is opened again.
inline constexpr const char* kResumedNote = "عادت اللعبة كما تركتها، تابع اللعب";
/// %1: where the refused file went (its new name, beside the kept game's place), %2: why it
/// was refused (the program's own words, on a line of their own).
inline constexpr const char* kKeptRefused =
    "تعذّر فتح اللعبة المحفوظة، فملفها تالف أو ليس ملف لعبة. نُقل الملف جانباً باسم %1، "
    "فابدأ لعبة جديدة.\n%2";
/// %1: why the kept game was refused; its file could not be set aside and stays as it is.
inline constexpr const char* kKeptRefusedStays =
    "تعذّر فتح اللعبة المحفوظة، وتعذّر نقل ملفها جانباً، فلن تُحفظ هذه اللعبة. ابدأ لعبة "
    "جديدة.\n%1";

}  // namespace tazkova::ui
