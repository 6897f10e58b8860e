// The settings reader: plain values only, whatever else a file holds. Every input the
// settings fuzzer starts from, and every input it ever found a fault with, runs through the
// fuzzer's check in the ordinary test run.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/settings_text.h"
#include "tests/fuzz/settings_input.h"

namespace tazkova::store {
namespace {

using namespace Qt::StringLiterals;

TEST(SettingsText, OnlyPlainValuesAreReadAndTheyAreWrittenBackAsTheyWere) {
    struct Line {
        const char* text;
        const char* value;  // nullptr: the key is not there
    };
    const Line lines[] = {
        {"Zoom=150", "150"},
        {"  Zoom =  150 \r", "150"},
        {"Zoom=\"a, b; c=d\"", "a, b; c=d"},
        {"Zoom=\" padded \"", " padded "},
        {"Zoom=", ""},
        {"Zoom=\u0632\u0648\u0645", "\u0632\u0648\u0645"},
        {"Zoom=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)", nullptr},
        {"Zoom=@ByteArray(150)", nullptr},
        {"Zoom=@Invalid()", nullptr},
        {"Zoom=@@150", nullptr},
        {"Zoom=150, 200", nullptr},
        {"Zoom=\"150\", \"200\"", nullptr},
        {"Zoom=\"150", nullptr},
        {"Zoom=1\\x35", nullptr},
        {"Zoom=a\tb", nullptr},
        {"Zoom=150;comment", nullptr},
        {"Zo om=150", nullptr},
        {"Zoom%20=150", nullptr},
    };
    for (const Line& line : lines) {
        const QMap<QString, QString> read =
            ParseSettingsText("[Table]\n" + QByteArray(line.text) + "\n");
        const auto it = read.find(u"Table/Zoom"_s);
        SCOPED_TRACE(line.text);
        ASSERT_EQ(it != read.end(), line.value != nullptr);
        if (!line.value) continue;
        EXPECT_EQ(*it, QString::fromUtf8(line.value));
        EXPECT_EQ(ParseSettingsText(SettingsText(read)), read);
    }
    // Groups as QSettings writes them and as the game does; a section that is not one of
    // ours hides its keys, up to the next that is.
    EXPECT_EQ(ParseSettingsText("[SOFTWARE]\nQorvel\\Tazkova\\SOUND=1\n[Table]\nZoom=150\n"
                                "[bad group]\nZoom=300\n[Table]\nMotion=false\n"
                                "[General]\nresetMark=7\nGeneral/x=1\n"),
              (QMap<QString, QString>{{u"SOFTWARE/Qorvel/Tazkova/SOUND"_s, u"1"_s},
                                      {u"Table/Zoom"_s, u"150"_s},
                                      {u"Table/Motion"_s, u"false"_s},
                                      {u"resetMark"_s, u"7"_s}}));
    // The writer leaves out what it would not read back.
    EXPECT_EQ(SettingsText({{u"Table/Zoom"_s, u"@Variant()"_s}, {u"bad key"_s, u"1"_s}}), "");
}

TEST(SettingsFuzzRegression, SeedsAndFoundInputsAreReadAndWrittenSoundly) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    int inputs = 0;
    for (const char* name : {"settings-corpus", "settings-regressions"}) {
        const QDir dir(QStringLiteral(TAZKOVA_FUZZ_DIR "/") + QLatin1String(name));
        for (const QString& file : dir.entryList(QDir::Files)) {
            if (file == u"README"_s) continue;
            QFile input(dir.filePath(file));
            ASSERT_TRUE(input.open(QIODevice::ReadOnly));
            const QByteArray bytes = input.readAll();
            EXPECT_EQ(fuzz::CheckSettingsInput(bytes.toStdString(), folder.path()), "")
                << file.toStdString();
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 9);
    // A file beyond the read limit is neither read nor replaced; an empty one is fine.
    EXPECT_EQ(fuzz::CheckSettingsInput(std::string((1 << 20) + 1, '\n'), folder.path()), "");
    EXPECT_EQ(fuzz::CheckSettingsInput("", folder.path()), "");
}

}  // namespace
}  // namespace tazkova::store
