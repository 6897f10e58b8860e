/// The sound switch as kept between runs: the value "SOUND" of the settings store.
#pragma once

#include <QString>

namespace tazkova::game {
class GameDialogs;
}

namespace tazkova::sound {

/// Reads and writes the stored sound switch: the player's file of the game's settings, with
/// the system-wide ones read where it holds no value.
class SoundSwitch {
  public:
    /// The value's key in the store.
    static QString Key();

    /// The stored switch: on for any nonzero 32-bit integer; off when the value is missing,
    /// not an integer, or when the store is not a plain file or cannot be read.
    static bool ReadSoundOn();
    /// Stores 1 or 0; false when the store could not be written, never after waiting long.
    static bool WriteSoundOn(bool soundOn);

    /// The sound button: turns the switch over and stores it. A failed write is reported
    /// through the window's error box; the switch has changed all the same. Returns the new
    /// state.
    static bool Toggle(bool soundOn, game::GameDialogs& dialogs);
};

}  // namespace tazkova::sound
