/// Random play at the window, as a careless or hostile player plays: clicks anywhere, drags,
/// key presses, the buttons and the menu, answers to every dialog, also in the middle of a
/// pause and while a dialog is open, new games and option changes in the middle of a hand,
/// and the window closed in the middle of a play. After every step the table keeps the rules
/// of the engine's soak.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace tazkova::testing {

/// What became of a window soak.
struct WindowSoakReport {
    long steps = 0;        // steps taken
    long nestedSteps = 0;  // of those, taken inside a play (a pause or a dialog of the game)
    long modalSteps = 0;   // taken while a dialog or the menu was open
    long checks = 0;       // the table's rules checked: between plays and in pauses
    long windows = 0;      // windows opened: one more after each closing
    long hands = 0;        // hands dealt
    long gamesWon = 0;     // games played to their end
    /// The first broken rule, with the step after which it was found; empty when all held.
    std::string fault;
    /// The last steps taken, oldest first, for reading a fault.
    std::deque<std::string> lastSteps;
};

/// Plays `steps` random steps from `seed` on windows of the offscreen platform. Needs a
/// QApplication; runs the application's event loop itself.
WindowSoakReport RunWindowSoak(std::uint64_t seed, long steps);

}  // namespace tazkova::testing
