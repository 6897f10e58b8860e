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
    const std::optional<QString> value = store::ReadSetting(
        QStringList{store::GameSettingsFile()} + store::SystemSettingsFiles(), Key());
    // Only a plain whole number will do.
    bool ok = false;
    const qlonglong number = value ? value->toLongLong(&ok) : 0;
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
