#include "cli/driver.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "coach/judge.h"
#include "expert/expert_player.h"
#include "keep/kept_file.h"

namespace tazkova::cli {

using namespace tazkova::game;

using nlohmann::ordered_json;

namespace {

/// A command that cannot be run; its text becomes the error line.
struct CommandError {
    std::string reason;
};

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

/// The words of a line, or none for a line that is skipped (blank, or a comment). The line
/// loses its line ending.
std::vector<std::string_view> CommandWords(std::string_view& line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    std::vector<std::string_view> words = SplitWords(line);
    if (!words.empty() && words[0].front() == '#') words.clear();
    return words;
}

/// An optional sign and at least one ASCII digit, however many.
bool IsIntegerText(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

/// Reads an integer argument within [low, high]; `what` names it in the error. A number
/// beyond 32 bits is out of range like any other.
int IntegerArgument(std::string_view text, std::string_view what, int low, int high) {
    const std::optional<std::int32_t> value = ParseInt32(text);
    if (!value && !IsIntegerText(text))
        throw CommandError{std::string(what) + ": '" + std::string(text) + "' is not an integer"};
    if (!value || *value < low || *value > high) {
        throw CommandError{std::string(what) + ": " + std::string(text) + " is out of range " +
                           std::to_string(low) + ".." + std::to_string(high)};
    }
    return *value;
}

/// The echo of an over-long line: its beginning, cut between two characters.
std::string CutShortEcho(std::string_view line) {
    constexpr std::size_t kEchoBytes = 64;
    std::size_t end = std::min(line.size(), kEchoBytes);
    while (end > 0 && end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        --end;
    return std::string(line.substr(0, end)) + "...";
}

std::string OverLongReason() {
    return "line longer than " + std::to_string(kMaxLineBytes) + " bytes; skipped to its end";
}

void ExpectArguments(const std::vector<std::string_view>& words, std::size_t count,
                     std::string_view usage) {
    if (words.size() - 1 < count)
        throw CommandError{"missing argument; usage: " + std::string(usage)};
    if (words.size() - 1 > count)
        throw CommandError{"too many arguments; usage: " + std::string(usage)};
}

ordered_json SheetJson(const ResultsSheet& sheet) {
    ordered_json faces = ordered_json::array();
    for (int f = 0; f < kFaceCount; ++f) {
        if (sheet.faces[f]) faces.push_back(FaceName(static_cast<Face>(f)));
    }
    return ordered_json{{"caption", sheet.caption},
                        {"boxes", sheet.scores.Boxes()},
                        {"status", sheet.status},
                        {"faces", std::move(faces)}};
}

ordered_json EventJson(const TableEvent& event) {
    using Kind = TableEvent::Kind;
    switch (event.kind) {
        case Kind::Msg:
            return {{"msg", event.text}};
        case Kind::Counters:
            return {{"counters", event.text}};
        case Kind::Wait:
            return {{"wait", event.number}};
        case Kind::Play:
            return {{"play", event.text}};
        case Kind::Stop:
            return {{"stop", event.text}};
        case Kind::Results: {
            ordered_json out{{"dialog", "results"}};
            out.update(SheetJson(event.sheet ? *event.sheet : ResultsSheet{}));
            return out;
        }
        case Kind::Message:
            return {{"dialog", "message"}, {"text", event.text}};
        case Kind::Options:
            return {{"dialog", "options"}};
        case Kind::MessageBox:
            return {{"messagebox", event.text}};
    }
    return ordered_json::object();
}

ordered_json PileJson(const Pile& pile) {
    ordered_json cards = ordered_json::array();
    ordered_json slots = ordered_json::array();
    for (int i = 1; i <= pile.Count && i <= kDeckSize; ++i) {
        cards.push_back(pile.Cards[i]);
        slots.push_back(pile.Slots[i]);
    }
    return ordered_json{{"Cards", std::move(cards)},
                        {"Slots", std::move(slots)},
                        {"Count", pile.Count},
                        {"Label", pile.Label},
                        {"HasHaya", pile.HasHaya},
                        {"ScoringSuitCount", pile.ScoringSuitCount},
                        {"SixSevenCount", pile.SixSevenCount},
                        {"CardCount", pile.CardCount},
                        {"SweepPoints", pile.SweepPoints},
                        {"SevenCount", pile.SevenCount},
                        {"LastCapturePlay", pile.LastCapturePlay},
                        {"Score", pile.Score},
                        {"X", pile.X},
                        {"Y", pile.Y},
                        {"RowLayout", pile.RowLayout}};
}

template <std::size_t N>
ordered_json FromOne(const std::array<int, N>& values, std::size_t count) {
    ordered_json out = ordered_json::array();
    for (std::size_t i = 1; i <= count && i < N; ++i) out.push_back(values[i]);
    return out;
}

/// The hint: the card to play and the floor cards it takes, or null.
ordered_json HintJson(const std::optional<PlaySuggestion>& hint) {
    if (!hint) return nullptr;
    return ordered_json{{"card", hint->card}, {"takes", hint->takes}};
}

/// A play's floor cards, in the order the floor held them.
ordered_json TakesJson(const SeatKnowledge& before, CardSet takes) {
    ordered_json out = ordered_json::array();
    for (int f = 0; f < before.floorCount; ++f) {
        if (takes & CardBit(before.floor[f])) out.push_back(before.floor[f]);
    }
    return out;
}

/// A worth to the hundredth of a point: more would only show the search's noise.
double Hundredths(double worth) {
    return std::round(worth * 100) / 100;
}

/// The review of the human's plays, one entry a play.
ordered_json ReviewJson(const std::vector<HumanPlayRecord>& plays) {
    ordered_json out = ordered_json::array();
    for (const HumanPlayRecord& record : plays) {
        const std::optional<coach::Judgement> j = coach::Judge(record.before, record.play);
        if (!j) continue;
        out.push_back(
            {{"card", j->play.card},
             {"takes", TakesJson(record.before, j->play.takes)},
             {"worth", Hundredths(j->worth)},
             {"best", {{"card", j->best.card}, {"takes", TakesJson(record.before, j->best.takes)}}},
             {"bestWorth", Hundredths(j->bestWorth)}});
    }
    return out;
}

}  // namespace

void ScriptedOptions::ShowModal() {
    table_.Record({TableEvent::Kind::Options, {}});
    if (pending_.type) type_ = *pending_.type;
    if (pending_.levelIndex) level_ = *pending_.levelIndex;
    for (int i = 0; i < 4; ++i) {
        if (pending_.checks[i])
            checks_[i] = *pending_.checks[i] ? CheckState::Checked : CheckState::Unchecked;
    }
    pending_ = Pending{};
}

void ScriptedOptions::ShowOptionsOf(const GameState& state) {
    const auto check = [](bool on) { return on ? CheckState::Checked : CheckState::Unchecked; };
    type_ = state.GameType;
    level_ = state.Level - 1;
    checks_ = {check(state.DinariRule), check(state.OpenCards), check(state.AlternateStart),
               check(state.ReverseGame)};
    pending_ = Pending{};
}

Driver::Driver()
    : game_(table_, table_, table_, table_),
      options_(table_),
      teller_(game_, [this](const std::string& sentence) { told_.push_back(sentence); }) {
    game_.SetExpertPlayer(&expert::StandardPlayer());
    game_.AddListener(teller_);
}

std::string Driver::Start(const SeedChoice& seed, std::uint32_t clockMs) {
    game_.Startup(seed, clockMs);
    game_.SetSoundOn(true);
    ordered_json line{{"cmd", "start"}, {"banner", Game::Banner()}};
    line["events"] = TakeEventsJson();
    return DumpLine(line);
}

std::optional<std::string> Driver::Execute(std::string_view line) {
    const std::vector<std::string_view> words = CommandWords(line);
    if (words.empty()) return std::nullopt;
    if (line.size() > kMaxLineBytes)
        return DumpLine(ordered_json{{"cmd", CutShortEcho(line)}, {"error", OverLongReason()}});

    ordered_json out{{"cmd", std::string(line)}};
    told_.clear();
    try {
        const Answer answer = RunCommand(words);
        if (answer == Answer::State) {
            out["state"] = StateJson();
            return DumpLine(out);
        }
        if (answer == Answer::Hint) out["hint"] = HintJson(game_.SuggestPlay(hintLevel_));
        if (answer == Answer::Review)
            out["review"] =
                ReviewJson(reviewCurrent_ ? game_.HumanPlays() : game_.FinishedHandPlays());
    } catch (const CommandError& error) {
        out["error"] = error.reason;
        return DumpLine(out);
    }
    out["events"] = TakeEventsJson();
    if (arabic_) out["arabic"] = told_;
    return DumpLine(out);
}

bool Driver::Run(std::string_view line) {
    const std::vector<std::string_view> words = CommandWords(line);
    bool taken = line.size() <= kMaxLineBytes || words.empty();
    if (taken && !words.empty()) {
        try {
            RunCommand(words);
        } catch (const CommandError&) {
            taken = false;
        }
    }
    table_.TakeEvents();
    told_.clear();
    return taken;
}

Driver::Answer Driver::RunCommand(const std::vector<std::string_view>& words) {
    const std::string_view command = words[0];
    if (command == "new") {
        ExpectArguments(words, 0, "new");
        game_.NewGame();
    } else if (command == "click") {
        ExpectArguments(words, 1, "click I");
        const int image = IntegerArgument(words[1], "card index", 0, kDeckSize - 1);
        const ImageState& state = table_.Images()[image];
        if (state.visible && state.enabled) game_.DropCard(image, image);
    } else if (command == "drag") {
        ExpectArguments(words, 2, "drag S T");
        const int source = IntegerArgument(words[1], "source index", 0, kDeckSize - 1);
        const int target = IntegerArgument(words[2], "target index", 0, kDeckSize - 1);
        const ImageState& s = table_.Images()[source];
        const ImageState& t = table_.Images()[target];
        if (s.visible && s.enabled && t.visible && t.enabled && Game::DragAccepts(source, target))
            game_.DropCard(source, target);
    } else if (command == "options") {
        ScriptedOptions::Pending pending;
        static constexpr std::array<std::string_view, 4> kCheckKeys{"dinari", "open", "alternate",
                                                                    "reverse"};
        std::vector<std::string_view> keys;
        for (std::size_t w = 1; w < words.size(); ++w) {
            const std::string_view word = words[w];
            const std::size_t eq = word.find('=');
            if (eq == std::string_view::npos) {
                throw CommandError{"option '" + std::string(word) + "' is not KEY=VALUE"};
            }
            const std::string key(word.substr(0, eq));
            const std::string_view value = word.substr(eq + 1);
            // Which of two values was meant cannot be told.
            if (std::find(keys.begin(), keys.end(), word.substr(0, eq)) != keys.end())
                throw CommandError{"option '" + key + "' is given twice"};
            keys.push_back(word.substr(0, eq));
            if (key == "type") {
                pending.type = IntegerArgument(value, "option type", -1, 3);
            } else if (key == "level") {
                // The four levels of the rules by number (5 is refused, as it always was);
                // the expert by its name.
                pending.levelIndex =
                    value == "expert" ? 4 : IntegerArgument(value, "option level", 1, 4) - 1;
            } else {
                std::size_t c = 0;
                while (c < kCheckKeys.size() && kCheckKeys[c] != key) ++c;
                if (c == kCheckKeys.size()) throw CommandError{"unknown option key '" + key + "'"};
                pending.checks[c] = IntegerArgument(value, "option " + key, 0, 1) == 1;
            }
        }
        options_.SetPending(pending);
        game_.RunOptions(options_);
    } else if (command == "result") {
        ExpectArguments(words, 0, "result");
        game_.ShowResultsSheet();
    } else if (command == "delay") {
        ExpectArguments(words, 1, "delay N");
        game_.SetDelayTime(IntegerArgument(words[1], "delay", 0, 4000));
    } else if (command == "sound") {
        ExpectArguments(words, 0, "sound");
        game_.SetSoundOn(!game_.State().SoundOn);
    } else if (command == "state") {
        ExpectArguments(words, 0, "state");
        return Answer::State;
    } else if (command == "hint") {
        // `hint` asks level 4, as it always has; `hint expert` asks the expert.
        hintLevel_ = 4;
        if (words.size() == 2 && words[1] == "expert")
            hintLevel_ = 5;
        else
            ExpectArguments(words, 0, "hint");
        return Answer::Hint;
    } else if (command == "arabic") {
        ExpectArguments(words, 1, "arabic on|off");
        if (words[1] != "on" && words[1] != "off")
            throw CommandError{"unknown value '" + std::string(words[1]) +
                               "'; usage: arabic on|off"};
        arabic_ = words[1] == "on";
    } else if (command == "review") {
        // `review` judges the human's plays of the last hand played out, `review current`
        // those of the hand under way (or of the last one, once it is over).
        reviewCurrent_ = words.size() == 2 && words[1] == "current";
        if (!reviewCurrent_) ExpectArguments(words, 0, "review [current]");
        const bool ended = !game_.FinishedHandPlays().empty();
        if (game_.State().HandNumber == 0 && !ended) throw CommandError{"no hand has been dealt"};
        if (!reviewCurrent_ && !ended)
            throw CommandError{"no hand has ended yet; review current judges this one"};
        return Answer::Review;
    } else if (command == "undo") {
        ExpectArguments(words, 0, "undo");
        if (!game_.TakeBack()) throw CommandError{"nothing to take back"};
    } else if (command == "save") {
        ExpectArguments(words, 1, "save FILE");
        const std::string error =
            keep::WriteKeptFile(std::string(words[1]), keep::KeptGame{game_.Snapshot()});
        if (!error.empty()) throw CommandError{"cannot save the game: " + error};
    } else if (command == "load") {
        ExpectArguments(words, 1, "load FILE");
        const keep::Decoded read = keep::ReadKeptFile(std::string(words[1]));
        if (!read.kept) throw CommandError{"cannot load the game: " + read.refusal};
        game_.Resume(read.kept->game);
        options_.ShowOptionsOf(game_.State());
    } else {
        throw CommandError{"unknown command '" + std::string(command) + "'"};
    }
    return Answer::Events;
}

ordered_json Driver::TakeEventsJson() {
    ordered_json events = ordered_json::array();
    for (const TableEvent& event : table_.TakeEvents()) events.push_back(EventJson(event));
    return events;
}

ordered_json Driver::StateJson() const {
    const Game& g = game_;
    ordered_json picked = ordered_json::array();
    for (std::size_t i = 0; i < g.State().PickedSet.size(); ++i) {
        if (g.State().PickedSet.test(i)) picked.push_back(i);
    }
    ordered_json s;
    s["RandSeed"] = g.State().Rng.State();
    s["InputState"] = static_cast<int>(g.State().Input);
    s["SelectedSlot"] = g.State().SelectedSlot;
    s["PlayCount"] = g.State().PlayCount;
    s["RoundNo"] = g.State().RoundNo;
    s["HandNumber"] = g.State().HandNumber;
    s["MatchNumber"] = g.State().MatchNumber;
    s["MeMatchWins"] = g.State().MeMatchWins;
    s["YouMatchWins"] = g.State().YouMatchWins;
    s["ComputerStarts"] = g.State().ComputerStarts;
    s["GameActive"] = g.State().GameActive;
    s["DeckPos"] = g.State().DeckPos;
    s["Deck"] = FromOne(g.State().Deck, kDeckSize);
    s["SeenRanks"] = FromOne(g.State().SeenRanks, 10);
    s["DeclinedSweep"] = FromOne(g.State().DeclinedSweep, 10);
    s["PickedSet"] = std::move(picked);
    s["StatusText"] = g.State().StatusText;
    s["Msg"] = table_.Msg();
    s["Counters"] = table_.CountersLabel();
    s["Level"] = g.State().Level;
    s["GameType"] = g.State().GameType;
    s["TargetScore"] = g.State().TargetScore;
    s["DinariRule"] = g.State().DinariRule;
    s["OpenCards"] = g.State().OpenCards;
    s["AlternateStart"] = g.State().AlternateStart;
    s["ReverseGame"] = g.State().ReverseGame;
    s["DelayTime"] = g.State().DelayTime;
    s["SoundOn"] = g.State().SoundOn;
    s["GameTitle"] = g.State().GameTitle;
    s["MePile"] = PileJson(g.State().MePile);
    s["YouPile"] = PileJson(g.State().YouPile);
    s["FloorPile"] = PileJson(g.State().FloorPile);
    ordered_json images = ordered_json::array();
    for (const ImageState& i : table_.Images())
        images.push_back({i.left, i.top, i.visible, i.enabled, i.tag});
    s["Images"] = std::move(images);
    ordered_json frames = ordered_json::array();
    for (const FrameState& f : table_.Frames()) frames.push_back({f.left, f.top, f.visible});
    s["Frames"] = std::move(frames);
    s["DeckStack"] = table_.DeckStack();
    ordered_json backs = ordered_json::array();
    for (const MeBackState& b : table_.MeBacks()) backs.push_back({b.left, b.top, b.visible});
    s["MeBacks"] = std::move(backs);
    s["Kurtut"] = table_.LastRoundMarker();
    s["OfficeLogo"] = table_.OfficeLogo();
    s["Results"] = SheetJson(g.State().Results);
    return s;
}

std::string DumpLine(const ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace tazkova::cli
