// Start-up, titles, the options routine, messages and sounds of the game table.
#include "game/game.h"

#include "game/texts.h"

namespace tazkova::game {

const char* WaveComponentName(Wave wave) {
    switch (wave) {
        case Wave::Shuffle:
            return "waveShuffle";
        case Wave::Haya:
            return "waveHia";
        case Wave::Card:
            return "waveCard";
        case Wave::Applause:
            return "waveClap";
        case Wave::ResultsTune:
            return "wavePinkPanther";
        case Wave::Sweep:
            return "waveHorray";
        case Wave::Options:
            return "waveOptions";
    }
    return "";
}

const char* FaceName(Face face) {
    switch (face) {
        case Face::ComputerDispleased:
            return "mac1";
        case Face::ComputerSmiling:
            return "MAC2";
        case Face::ComputerTriumphant:
            return "MAC3";
        case Face::HumanDispleased:
            return "Smily1";
        case Face::HumanSmiling:
            return "Smily2";
        case Face::HumanTriumphant:
            return "Smily3";
    }
    return "";
}

void ResultsSheet::SetFaces(Face computer, Face human) {
    faces.fill(false);
    faces[static_cast<int>(computer)] = true;
    faces[static_cast<int>(human)] = true;
}

Game::Game(TableDisplay& display, SoundBank& sounds, Pauser& pauser, GameDialogs& dialogs)
    : display_(Table, display), sounds_(sounds), pauser_(pauser), dialogs_(dialogs) {
    Results.caption = std::string(texts::kResultsCaption);
}

const std::string& Game::Banner() {
    static const std::string banner = "Tazkova 2000 - Qorvel";
    return banner;
}

void Game::Startup(const SeedChoice& seed, std::uint32_t clockMs) {
    Level = 4;
    AlternateStart = false;
    DinariRule = true;
    ReverseGame = false;
    GameType = 2;
    TargetScore = 41;
    display_.SetMsg(Banner());
    switch (seed.kind) {
        case SeedChoice::Kind::FromClock:
            Rng.SetState(clockMs);
            break;
        case SeedChoice::Kind::Advance:
            Rng.Advance(seed.count);
            break;
        case SeedChoice::Kind::Untouched:
            break;
    }
    OpenCards = false;
    DelayTime = 1500;
    BuildGameTitle();
    ComputerStarts = true;
    InitCards();
}

void Game::InitCards() {
    for (int n = 1; n <= kDeckSize; ++n) {
        MovedCards[n] = 0;
        Deck[n] = n;
    }
}

void Game::BuildGameTitle() {
    GameTitle = " : Tazkova ";
    if (DinariRule) GameTitle += texts::kTitleDinari;
    if (GameType >= 0 && GameType <= 3) GameTitle += texts::kTitleTypes[GameType];
    if (ReverseGame) GameTitle += texts::kTitleReverse;
}

void Game::ShowMessage(const std::string& text) {
    dialogs_.ShowMessageDialog(text + " ....");
}

void Game::PlayWave(Wave wave) {
    if (!SoundOn) return;
    try {
        sounds_.Play(wave);
    } catch (const WaveError&) {
        // A sound that cannot play leaves the game silent, never stopped.
    }
}

void Game::StopWave(Wave wave) {
    try {
        sounds_.Stop(wave);
    } catch (...) {
        // Stopping is best effort: the game goes on whatever the sound service says.
    }
}

void Game::RunOptions(OptionsControls& controls) {
    PlayWave(Wave::Options);
    ApplyOptions(controls);
    StopWave(Wave::Options);
}

void Game::ShowResultsSheet() {
    PlayWave(Wave::ResultsTune);
    dialogs_.ShowResults(Results);
    StopWave(Wave::ResultsTune);
}

void Game::ApplyOptions(OptionsControls& controls) {
    BuildGameTitle();
    display_.SetMsg(Banner());
    controls.SetLevelIndex(Level - 1);
    controls.SetGameTypeIndex(GameType);

    const int oldType = controls.GameTypeIndex();
    const CheckState oldDinari = controls.DinariRule();
    const CheckState oldAlternate = controls.AlternateStart();
    const CheckState oldOpen = controls.OpenCards();
    const CheckState oldReverse = controls.ReverseGame();
    const int oldLevel = Level;

    controls.ShowModal();
    display_.RepaintMainWindow();

    const int type = controls.GameTypeIndex();
    static constexpr int kTargets[] = {21, 31, 41, 61};
    if (type >= 0 && type <= 3) {
        GameType = type;
        TargetScore = kTargets[type];
    } else {
        dialogs_.ShowErrorBox("UnKnown Game Type ");
    }
    OpenCards = controls.OpenCards() == CheckState::Checked;
    AlternateStart = controls.AlternateStart() == CheckState::Checked;
    DinariRule = controls.DinariRule() == CheckState::Checked;
    ReverseGame = controls.ReverseGame() == CheckState::Checked;
    BuildGameTitle();
    // A level group left without a selection keeps the level it had; without an expert
    // installed there are only the four levels of the rules.
    const int levelIndex = controls.LevelIndex();
    const int topLevel = expert_ ? kExpertLevel : kExpertLevel - 1;
    if (levelIndex >= 0 && levelIndex < topLevel) Level = levelIndex + 1;

    const bool changed = type != oldType || controls.DinariRule() != oldDinari ||
                         controls.AlternateStart() != oldAlternate ||
                         controls.OpenCards() != oldOpen || controls.ReverseGame() != oldReverse ||
                         Level != oldLevel;
    if (GameActive && changed) {
        ShowMessage(std::string(texts::kNewGameRestart) + GameTitle);
        for (int k = 1; k <= kMeBackCount; ++k) display_.SetMeBackVisible(k, !OpenCards);
        NewGame();
    }
}

}  // namespace tazkova::game
