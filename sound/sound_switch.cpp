#include "sound/sound_switch.h"

#include <cstdint>
#include <limits>

#include "game/ports.h"
#include "store/settings_file.h"

namespace tazkova::sound {

namespace {

constexpr char kValueName[] = "SOUND";

}  // namespace

QString SoundSwitch::Key() {
    return QStringLiteral("SOFTWARE/Qorvel/Tazkova/") + QLatin1String(kValueName);
}

bool SoundSwitch::ReadSoundOn() {
    const QVariant value = store::ReadSetting(
        QStringList{store::GameSettingsFile()} + store::SystemSettingsFiles(), Key());
    // A text store hands the number back as text; only a plain whole number will do.
    const QMetaType::Type type = QMetaType::Type(value.typeId());
    if (type != QMetaType::QString && type != QMetaType::Int && type != QMetaType::UInt &&
        type != QMetaType::LongLong && type != QMetaType::ULongLong) {
        return false;
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    return number != 0;
}

bool SoundSwitch::WriteSoundOn(bool soundOn) {
    return store::WriteSettings(store::GameSettingsFile(), {{Key(), soundOn ? 1 : 0}});
}

bool SoundSwitch::Toggle(bool soundOn, game::GameDialogs& dialogs) {
    soundOn = !soundOn;
    if (!WriteSoundOn(soundOn))
        dialogs.ShowErrorBox(std::string("Failed to set data for '") + kValueName + "'");
    return soundOn;
}

}  // namespace tazkova::sound
