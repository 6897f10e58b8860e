#include "ui/style/reading.h"

#include <QRegularExpression>

namespace tazkova::ui {

namespace {

constexpr char16_t kLeftToRightMark = u'\u200e';
constexpr char16_t kLeftToRightIsolate = u'\u2066';
constexpr char16_t kFirstStrongIsolate = u'\u2068';
constexpr char16_t kPopIsolate = u'\u2069';
constexpr char16_t kTatweel = u'\u0640';

bool IsArabicLetter(QChar c) {
    return c.isLetter() && (c.direction() == QChar::DirAL || c.direction() == QChar::DirR);
}

}  // namespace

QString ShownText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSpace()) continue;
        if (c.isLetter()) {
            // The first letter: only an Arabic one with something before it other than blanks
            // needs the mark.
            if (!IsArabicLetter(c)) return text;
            const bool openedByOther = text.left(i).trimmed().size() > 0;
            return openedByOther ? kLeftToRightMark + text : text;
        }
    }
    return text;
}

QString Isolated(const QString& text, bool firstStrong) {
    return (firstStrong ? kFirstStrongIsolate : kLeftToRightIsolate) + text + kPopIsolate;
}

QString WithKey(const QString& caption, const QString& key) {
    return caption + QStringLiteral(" (") + Isolated(key) + u')';
}

QString SpokenText(const QString& shown) {
    QString spoken = shown;
    spoken.remove(kTatweel);
    spoken.remove(u'&');
    for (const char16_t mark :
         {kLeftToRightMark, kLeftToRightIsolate, kFirstStrongIsolate, kPopIsolate})
        spoken.remove(QChar(mark));
    // Two texts joined by their colons read as one pause.
    static const QRegularExpression joinedColons(QStringLiteral("\\s*:\\s*:\\s*"));
    spoken.replace(joinedColons, QStringLiteral("، "));
    // A run of dots is a pause between two phrases, or nothing at either end.
    static const QRegularExpression dots(QStringLiteral("\\s*\\.{2,}\\s*"));
    spoken.replace(dots, QStringLiteral("، "));
    spoken.replace(QStringLiteral("Tazkovas"), QStringLiteral("الكنسات"));
    spoken.replace(QStringLiteral("Tazkova"), QStringLiteral("تازكوفا"));
    static const QRegularExpression oldAla(QStringLiteral("(^|\\s)علي(\\s)"));
    spoken.replace(oldAla, QStringLiteral("\\1على\\2"));
    static const QRegularExpression loneBi(QStringLiteral("(^|\\s)ب\\s+(\\d)"));
    spoken.replace(loneBi, QStringLiteral("\\1ب\\2"));
    spoken = spoken.simplified();
    const auto pause = [](QChar c) { return c == u':' || c == u'،'; };
    while (!spoken.isEmpty() && pause(spoken.front())) spoken = spoken.mid(1).trimmed();
    while (!spoken.isEmpty() && pause(spoken.back())) {
        spoken.chop(1);
        spoken = spoken.trimmed();
    }
    return spoken;
}

}  // namespace tazkova::ui
