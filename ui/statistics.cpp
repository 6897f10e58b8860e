#include "ui/statistics.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "store/plain_file.h"
#include "store/settings_file.h"
#include "store/user_folders.h"
#include "ui/ui_texts.h"

namespace tazkova::ui {

namespace {

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
    const QString folder = store::ConfigHome();
    return folder.isEmpty() ? QString()
                            : folder + QStringLiteral("/Qorvel/Tazkova-statistics.conf");
}

int Statistics::IndexOf(int level, int gameType, bool tookBack) {
    const int l = std::clamp(level, 1, kLevels) - 1;
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
    const store::FileKind kind = store::Inspect(path_);
    if (kind == store::FileKind::Missing) return;
    // Anything but a plain readable file of a sensible size (a folder, a device, a file
    // grown huge) is not read at all.
    bool ok = kind == store::FileKind::Plain && QFileInfo(path_).isReadable();
    const QVariantMap values = ok ? store::ReadSettings(path_) : QVariantMap();
    std::array<Tally, kKinds> read{};
    for (int level = 1; ok && level <= kLevels; ++level) {
        for (int type = 0; ok && type <= 3; ++type) {
            for (const bool tookBack : {false, true}) {
                const QString group = Group(level, type, tookBack) + u'/';
                Tally& tally = read[IndexOf(level, type, tookBack)];
                for (const Field& field : kFields) {
                    const QVariant value = values.value(group + QLatin1String(field.key), 0);
                    bool isNumber = false;
                    tally.*field.value = value.toInt(&isNumber);
                    // A count is never negative; a total may be, after the scoring suit.
                    const bool count =
                        field.value == &Tally::gamesWon || field.value == &Tally::gamesLost ||
                        field.value == &Tally::matchesWon || field.value == &Tally::matchesLost;
                    ok = ok && isNumber && (!count || tally.*field.value >= 0);
                }
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
    QList<std::pair<QString, QVariant>> values;
    for (int level = 1; level <= kLevels; ++level) {
        for (int type = 0; type <= 3; ++type) {
            for (const bool tookBack : {false, true}) {
                const Tally& tally = Of(level, type, tookBack);
                if (tally == Tally{}) continue;
                const QString group = Group(level, type, tookBack) + u'/';
                for (const Field& field : kFields)
                    values.append({group + QLatin1String(field.key), tally.*field.value});
            }
        }
    }
    // Written to a temporary file and renamed over the old one, so a failure leaves the
    // old file whole.
    if (!store::WriteSettings(path_, values)) problem_ = QString::fromUtf8(kStatisticsUnwritable);
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
    if (store::Inspect(path_) != store::FileKind::Missing && !QFile::remove(path_)) {
        problem_ = QString::fromUtf8(kStatisticsUnwritable);
        readable_ = false;
    }
}

}  // namespace tazkova::ui
