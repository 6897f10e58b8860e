#include "ui/statistics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "ui/ui_texts.h"

namespace tazkova::ui {

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20;

// The numbers of a tally in the file, by key.
struct Field {
    const char* key;
    int Tally::*value;
};
constexpr std::array<Field, 8> kFields{{
    {"gamesWon", &Tally::gamesWon},
    {"gamesLost", &Tally::gamesLost},
    {"matchesWon", &Tally::matchesWon},
    {"matchesLost", &Tally::matchesLost},
    {"bestYou", &Tally::bestYou},
    {"bestMe", &Tally::bestMe},
    {"worstYou", &Tally::worstYou},
    {"worstMe", &Tally::worstMe},
}};

QString Group(int level, int gameType, bool tookBack) {
    return QStringLiteral("level%1-type%2%3")
        .arg(level)
        .arg(gameType)
        .arg(tookBack ? QStringLiteral("-takenback") : QString());
}

}  // namespace

Statistics::Statistics(const QString& path) : path_(path) {
    Load();
}

QString Statistics::UserFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Qorvel/Tazkova-statistics.conf"));
}

int Statistics::IndexOf(int level, int gameType, bool tookBack) {
    const int l = std::clamp(level, 1, 4) - 1;
    const int t = std::clamp(gameType, 0, 3);
    return (l * 4 + t) * 2 + (tookBack ? 1 : 0);
}

const Tally& Statistics::Of(int level, int gameType, bool tookBack) const {
    return tallies_[IndexOf(level, gameType, tookBack)];
}

Tally& Statistics::At(int level, int gameType, bool tookBack) {
    return tallies_[IndexOf(level, gameType, tookBack)];
}

void Statistics::Load() {
    const QFileInfo file(path_);
    if (!file.exists()) return;
    // Anything but a plain readable file of a sensible size (a folder, a device, a file
    // grown huge) is not read at all.
    bool ok = file.isFile() && file.isReadable() && file.size() < kMaxFileBytes;
    QSettings store(ok ? path_ : QString(), QSettings::IniFormat);
    ok = ok && store.status() == QSettings::NoError;
    std::array<Tally, kKinds> read{};
    for (int level = 1; ok && level <= 4; ++level) {
        for (int type = 0; ok && type <= 3; ++type) {
            for (const bool tookBack : {false, true}) {
                store.beginGroup(Group(level, type, tookBack));
                Tally& tally = read[IndexOf(level, type, tookBack)];
                for (const Field& field : kFields) {
                    const QVariant value = store.value(QLatin1String(field.key), 0);
                    bool isNumber = false;
                    tally.*field.value = value.toInt(&isNumber);
                    // A count is never negative; a total may be, after the scoring suit.
                    const bool count =
                        field.value == &Tally::gamesWon || field.value == &Tally::gamesLost ||
                        field.value == &Tally::matchesWon || field.value == &Tally::matchesLost;
                    ok = ok && isNumber && (!count || tally.*field.value >= 0);
                }
                store.endGroup();
            }
        }
    }
    if (!ok) {
        // Nothing of a file that cannot be trusted is shown, and it is left as it is.
        readable_ = false;
        problem_ = QString::fromUtf8(kStatisticsUnreadable);
        return;
    }
    tallies_ = read;
}

void Statistics::Save() {
    if (!readable_) return;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings store(path_, QSettings::IniFormat);
    for (int level = 1; level <= 4; ++level) {
        for (int type = 0; type <= 3; ++type) {
            for (const bool tookBack : {false, true}) {
                const Tally& tally = Of(level, type, tookBack);
                if (tally == Tally{}) continue;
                store.beginGroup(Group(level, type, tookBack));
                for (const Field& field : kFields)
                    store.setValue(QLatin1String(field.key), tally.*field.value);
                store.endGroup();
            }
        }
    }
    // Written to a temporary file and renamed over the old one, so a failure leaves the
    // old file whole.
    store.sync();
    if (store.status() != QSettings::NoError) problem_ = QString::fromUtf8(kStatisticsUnwritable);
}

void Statistics::CountMatch(int level, int gameType, bool tookBack, int you, int me,
                            bool playerWon) {
    Tally& tally = At(level, gameType, tookBack);
    const bool first = tally.Matches() == 0;
    ++(playerWon ? tally.matchesWon : tally.matchesLost);
    if (first || you - me > tally.bestYou - tally.bestMe) {
        tally.bestYou = you;
        tally.bestMe = me;
    }
    if (first || you - me < tally.worstYou - tally.worstMe) {
        tally.worstYou = you;
        tally.worstMe = me;
    }
    Save();
}

void Statistics::CountGame(int level, int gameType, bool tookBack, bool playerWon) {
    Tally& tally = At(level, gameType, tookBack);
    ++(playerWon ? tally.gamesWon : tally.gamesLost);
    Save();
}

void Statistics::Reset() {
    tallies_ = {};
    problem_.clear();
    readable_ = true;
    if (QFileInfo::exists(path_) && !QFile::remove(path_)) {
        problem_ = QString::fromUtf8(kStatisticsUnwritable);
        readable_ = false;
    }
}

}  // namespace tazkova::ui
