/// Texts as they are shown right to left and as they are read aloud. The texts themselves
/// stay as the game holds them; only what a label draws and what a screen reader hears is
/// made from them here.
#pragma once

#include <QString>

namespace tazkova::ui {

/// A text as a label draws it. A text read as Arabic that opens with dots, a colon or digits
/// before its first letter (": ديناري", ".... لـحـظــة ", " 1-2-3:اللعبة") was written for a
/// left-to-right line, where that opening lies at the phrase's end: a left-to-right mark
/// before it gives it that line back. Any other text is returned as it is.
QString ShownText(const QString& text);

/// A key name, a path or a system message inside an Arabic sentence, isolated so that it
/// reads in its own order ("(Ctrl+,)" stays "(Ctrl+,)"); `firstStrong` lets the text's own
/// first letter choose its direction, as for a file name.
QString Isolated(const QString& text, bool firstStrong = false);

/// A caption with its key, for a tooltip: "اختيارات (Ctrl+,)", the key isolated.
QString WithKey(const QString& caption, const QString& key);

/// A displayed text as a screen reader says it: without the tatweel, the accelerator's '&',
/// runs of dots and a stray colon at either end; the sweep's Latin name in Arabic letters,
/// the old spelling "علي" as "على", a lone "بـ" joined to the number after it, blanks
/// collapsed.
QString SpokenText(const QString& shown);

}  // namespace tazkova::ui
