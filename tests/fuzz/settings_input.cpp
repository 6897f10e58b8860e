#include "tests/fuzz/settings_input.h"

#include <QByteArray>
#include <QMap>
#include <algorithm>

#include "store/plain_file.h"
#include "store/settings_file.h"
#include "ui/stats/statistics.h"

namespace tazkova::fuzz {

namespace {

using Values = QMap<QString, QString>;

const QString kSoundKey = QStringLiteral("SOFTWARE/Qorvel/Tazkova/SOUND");
const QString kZoomKey = QStringLiteral("Table/Zoom");
const QString kMotionKey = QStringLiteral("Table/Motion");

std::string Text(const QString& text) {
    return text.toStdString();
}

/// The parser alone: only plain keys and values, and the writer's text of them reads back.
std::string CheckText(const QByteArray& bytes, const Values& values) {
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!store::IsPlainKey(it.key())) return "a key that is not plain: " + Text(it.key());
        if (!store::IsPlainValue(it.value()))
            return "a value that is not plain: " + Text(it.key()) + "=" + Text(it.value());
    }
    const QByteArray written = store::SettingsText(values);
    if (store::ParseSettingsText(written) != values)
        return "the written text reads back otherwise: " + written.toStdString();
    if (store::ParseSettingsText(bytes + '\n' + written) != values)
        return "the written text after the file's does not stand for the same values";
    return {};
}

/// As the settings file: read as the game reads it; a write sets its values and keeps the
/// others that were plain.
std::string CheckSettings(const QByteArray& bytes, const Values& values, const QString& path) {
    const bool readable = bytes.size() <= store::kMaxPlainFileBytes;
    if (const QString error = store::ReplaceFile(path, bytes, 0600); !error.isEmpty())
        return "cannot put the file in place: " + Text(error);
    if (store::ReadSettings(path) != (readable ? values : Values()))
        return "the file reads otherwise than its text";
    for (const QString& key : {kSoundKey, kZoomKey, kMotionKey}) {
        const auto value = store::ReadSetting({path}, key);
        const auto want =
            readable && values.contains(key) ? std::optional(values.value(key)) : std::nullopt;
        if (value != want) return "the setting " + Text(key) + " reads otherwise";
    }
    const bool written =
        store::WriteSettings(path, {{kSoundKey, 1}, {kZoomKey, 150}, {kMotionKey, false}});
    if (written != readable) return readable ? "the write failed" : "a huge file was replaced";
    if (!readable) return {};
    Values want = values;
    want.insert(kSoundKey, QStringLiteral("1"));
    want.insert(kZoomKey, QStringLiteral("150"));
    want.insert(kMotionKey, QStringLiteral("false"));
    if (store::ReadSettings(path) != want) return "the write lost or changed a value";
    return {};
}

/// As the statistics file: every count and total within its bounds, and one more game counts
/// in a file that could be read.
std::string CheckStatistics(const QByteArray& bytes, const QString& path) {
    if (const QString error = store::ReplaceFile(path, bytes, 0600); !error.isEmpty())
        return "cannot put the file in place: " + Text(error);
    using ui::Tally;
    ui::Statistics statistics(path);
    for (int level = 1; level <= ui::Statistics::kMaxLevel; ++level) {
        for (int type = 0; type < 4; ++type) {
            for (const bool tookBack : {false, true}) {
                const Tally& t = statistics.Of(level, type, tookBack);
                for (const int count : {t.gamesWon, t.gamesLost, t.matchesWon, t.matchesLost}) {
                    if (count < 0 || count > Tally::kMaxCount) return "a count out of bounds";
                }
                for (const int total : {t.bestYou, t.bestMe, t.worstYou, t.worstMe}) {
                    if (total < -Tally::kMaxCount || total > Tally::kMaxCount)
                        return "a total out of bounds";
                }
            }
        }
    }
    if (!statistics.Problem().isEmpty()) return {};
    Tally want = statistics.Of(3, 2, true);
    want.gamesWon = std::min(want.gamesWon + 1, Tally::kMaxCount);
    statistics.CountGame(3, 2, true, true);
    if (!statistics.Problem().isEmpty()) return "the count could not be stored";
    if (statistics.Of(3, 2, true) != want) return "the game was not counted";
    if (ui::Statistics(path).Of(3, 2, true) != want) return "the file read again lost the game";
    return {};
}

}  // namespace

std::string CheckSettingsInput(std::string_view input, const QString& folder) {
    const QByteArray bytes(input.data(), qsizetype(input.size()));
    const Values values = store::ParseSettingsText(bytes);
    std::string fault = CheckText(bytes, values);
    if (fault.empty())
        fault = CheckSettings(bytes, values, folder + QStringLiteral("/Tazkova.conf"));
    if (fault.empty())
        fault = CheckStatistics(bytes, folder + QStringLiteral("/Tazkova-statistics.conf"));
    return fault;
}

}  // namespace tazkova::fuzz
