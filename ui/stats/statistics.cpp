#include "ui/stats/statistics.h"

#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <algorithm>
#include <optional>

#include "store/plain_file.h"
#include "store/settings_file.h"
#include "store/user_folders.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {

constexpr int kTypes = 4;
constexpr char kResetKey[] = "resetMark";

// The numbers of a tally in the file, by key. A count is never negative; a total may be,
// after the scoring suit.
struct Field {
    const char* key;
    int Tally::*value;
    bool count;
};
constexpr std::array<Field, 8> kFields{{
    {"gamesWon", &Tally::gamesWon, true},
    {"gamesLost", &Tally::gamesLost, true},
    {"matchesWon", &Tally::matchesWon, true},
    {"matchesLost", &Tally::matchesLost, true},
    {"bestYou", &Tally::bestYou, false},
    {"bestMe", &Tally::bestMe, false},
    {"worstYou", &Tally::worstYou, false},
    {"worstMe", &Tally::worstMe, false},
}};

QString Key(int level, int gameType, bool tookBack, const char* field) {
    return QStringLiteral("level%1-type%2%3/")
               .arg(level)
               .arg(gameType)
               .arg(tookBack ? QStringLiteral("-takenback") : QString()) +
           QLatin1String(field);
}

/// A count (0 up) or a total (either way) within its bound.
int Bounded(std::int64_t value, bool count) {
    return int(std::clamp<std::int64_t>(value, count ? 0 : -Tally::kMaxCount, Tally::kMaxCount));
}

/// The number stored under `key`: 0 when there is none, nothing when it is not a whole
/// number within its bound.
std::optional<int> Number(const QMap<QString, QString>& values, const QString& key, bool count) {
    const auto it = values.find(key);
    if (it == values.end()) return 0;
    bool ok = false;
    const qlonglong number = it->toLongLong(&ok);
    if (!ok || number != Bounded(number, count)) return std::nullopt;
    return int(number);
}

/// The player's lead in a match.
std::int64_t Lead(int you, int me) {
    return std::int64_t{you} - me;
}

/// Two tallies as one: the counts added, stopping at the limit, and the best and worst
/// match of both.
Tally Add(const Tally& a, const Tally& b) {
    Tally sum = a;
    for (const Field& field : kFields) {
        if (field.count)
            sum.*field.value = Bounded(std::int64_t{a.*field.value} + b.*field.value, true);
    }
    if (b.Matches() == 0) return sum;
    if (a.Matches() == 0 || Lead(b.bestYou, b.bestMe) > Lead(a.bestYou, a.bestMe)) {
        sum.bestYou = b.bestYou;
        sum.bestMe = b.bestMe;
    }
    if (a.Matches() == 0 || Lead(b.worstYou, b.worstMe) < Lead(a.worstYou, a.worstMe)) {
        sum.worstYou = b.worstYou;
        sum.worstMe = b.worstMe;
    }
    return sum;
}

}  // namespace

Statistics::Statistics(const QString& path) : path_(path) {
    Read();
    Show();
}

Statistics::~Statistics() {
    if (waiting_ != Tallies{}) Store();
}

QString Statistics::UserFile() {
    const QString folder = store::ConfigHome();
    return folder.isEmpty() ? QString()
                            : folder + QStringLiteral("/Qorvel/Tazkova-statistics.conf");
}

int Statistics::IndexOf(int level, int gameType, bool tookBack) {
    const int l = std::clamp(level, 1, kMaxLevel) - 1;
    const int t = std::clamp(gameType, 0, kTypes - 1);
    return (l * kTypes + t) * 2 + (tookBack ? 1 : 0);
}

const Tally& Statistics::Of(int level, int gameType, bool tookBack) const {
    return shown_[IndexOf(level, gameType, tookBack)];
}

void Statistics::Read() {
    // Only a plain file of a sensible size is read (not a folder, a device, a file grown
    // huge), and nothing of it is trusted unless every number in it is.
    std::optional<QMap<QString, QString>> values;
    const store::FileKind kind = store::Inspect(path_);
    if (kind == store::FileKind::Missing) values.emplace();
    if (kind == store::FileKind::Plain) {
        if (const auto bytes = store::ReadPlainFile(path_))
            values = store::ParseSettingsText(*bytes);
    }
    const std::optional<int> mark =
        values ? Number(*values, QLatin1String(kResetKey), true) : std::nullopt;
    bool ok = mark.has_value();
    Tallies read{};
    for (int level = 1; ok && level <= kMaxLevel; ++level) {
        for (int type = 0; ok && type < kTypes; ++type) {
            for (const bool tookBack : {false, true}) {
                for (const Field& field : kFields) {
                    const auto number =
                        Number(*values, Key(level, type, tookBack, field.key), field.count);
                    ok = ok && number;
                    read[IndexOf(level, type, tookBack)].*field.value = number.value_or(0);
                }
            }
        }
    }
    readable_ = ok;
    stored_ = ok ? read : Tallies{};
    if (ok && mark.value_or(0) != resetMark_) {
        waiting_ = {};
        resetMark_ = mark.value_or(0);
    }
}

bool Statistics::Write(const Tallies& tallies, int resetMark) const {
    QMap<QString, QString> values;
    if (resetMark != 0) values.insert(QLatin1String(kResetKey), QString::number(resetMark));
    for (int level = 1; level <= kMaxLevel; ++level) {
        for (int type = 0; type < kTypes; ++type) {
            for (const bool tookBack : {false, true}) {
                const Tally& tally = tallies[IndexOf(level, type, tookBack)];
                if (tally == Tally{}) continue;
                for (const Field& field : kFields)
                    values.insert(Key(level, type, tookBack, field.key),
                                  QString::number(tally.*field.value));
            }
        }
    }
    // A new file renamed over the old one, so that a failure leaves the old one whole; over
    // a link to a plain file, its target is replaced and the link stays.
    const QString target = store::Inspect(path_) == store::FileKind::Plain
                               ? QFileInfo(path_).canonicalFilePath()
                               : path_;
    return store::ReplaceFile(target, store::SettingsText(values), 0644).isEmpty();
}

void Statistics::Store() {
    const bool locked = store::WithFileLock(path_, [this] {
        Read();
        // A file that cannot be read is never written over with what would be taken for it.
        if (!readable_ || waiting_ == Tallies{}) return;
        Tallies sum;
        for (std::size_t i = 0; i < sum.size(); ++i) sum[i] = Add(stored_[i], waiting_[i]);
        if (!Write(sum, resetMark_)) return;
        stored_ = sum;
        waiting_ = {};
        resetFailed_ = false;
    });
    // Without the lock the file is still read: the player sees what it holds now.
    if (!locked) Read();
    Show();
}

void Statistics::Show() {
    for (std::size_t i = 0; i < shown_.size(); ++i) shown_[i] = Add(stored_[i], waiting_[i]);
    if (!readable_) {
        problem_ = QString::fromUtf8(kStatisticsUnreadable);
    } else if (resetFailed_ || waiting_ != Tallies{}) {
        problem_ = QString::fromUtf8(kStatisticsUnwritable);
    } else {
        problem_.clear();
    }
}

void Statistics::Count(int index, const Tally& result) {
    // Looked at first, even when the lock cannot be had: a reset made since drops the
    // results that wait, which came before it, but not this one.
    Read();
    waiting_[index] = Add(waiting_[index], result);
    Store();
}

void Statistics::CountMatch(int level, int gameType, bool tookBack, int you, int me,
                            bool playerWon) {
    Tally match;
    ++(playerWon ? match.matchesWon : match.matchesLost);
    match.bestYou = match.worstYou = Bounded(you, false);
    match.bestMe = match.worstMe = Bounded(me, false);
    Count(IndexOf(level, gameType, tookBack), match);
}

void Statistics::CountGame(int level, int gameType, bool tookBack, bool playerWon) {
    Tally game;
    ++(playerWon ? game.gamesWon : game.gamesLost);
    Count(IndexOf(level, gameType, tookBack), game);
}

void Statistics::Reset() {
    // A new mark in the file tells every window that what it has not stored yet came before.
    const int mark = QRandomGenerator::global()->bounded(1, Tally::kMaxCount + 1);
    bool done = false;
    store::WithFileLock(path_, [&] { done = Write({}, mark); });
    resetFailed_ = !done;
    if (done) {
        stored_ = waiting_ = {};
        resetMark_ = mark;
        readable_ = true;
    }
    Show();
}

void Statistics::Refresh() {
    if (waiting_ != Tallies{}) {
        Store();
        return;
    }
    Read();
    Show();
}

}  // namespace tazkova::ui
