// The kept game's text: one list of the state's fields, read and written by the same code, each
// with the bounds a value read back must keep.
#include "keep/kept_game.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <type_traits>

namespace tazkova::keep {

using namespace tazkova::game;
using nlohmann::json;
using nlohmann::ordered_json;

namespace {

constexpr std::string_view kFormatName = "tazkova-kept-game";
/// A game's texts are a line or two; a longer one was never written by the game.
constexpr std::size_t kMaxTextBytes = 4096;
/// Far beyond any game's totals and numbers, yet never near an overflow.
constexpr long long kBigCount = 1'000'000'000;
/// The piles' labels: always one of the game's own texts (none before the first deal).
constexpr std::string_view kLabels[] = {"", "  I", "You", "Flr"};

struct Refused {
    std::string reason;
};

/// Writes each field into a JSON object.
class Writer {
  public:
    explicit Writer(ordered_json& out) : out_(out) {}

    template <class T>
    void Number(const char* key, T& value, long long, long long) {
        if constexpr (std::is_same_v<T, bool>)
            out_[key] = value;
        else if constexpr (std::is_unsigned_v<T>)
            out_[key] = static_cast<unsigned long long>(value);
        else
            out_[key] = static_cast<long long>(value);
    }
    void Mask(const char* key, std::uint64_t& value, int) { out_[key] = value; }
    void Flag(const char* key, bool& value) { out_[key] = value; }
    void Text(const char* key, std::string& value) { out_[key] = value; }
    void Label(const char* key, std::string_view& value) { out_[key] = std::string(value); }
    template <class T>
    void Maybe(const char* key, std::optional<T>& value, long long low, long long high) {
        if (!value) {
            out_[key] = nullptr;
            return;
        }
        T v = *value;
        Number(key, v, low, high);
    }
    /// The entries `from`.. of an array.
    template <class T, std::size_t N>
    void Numbers(const char* key, std::array<T, N>& values, std::size_t from, long long,
                 long long) {
        ordered_json list = ordered_json::array();
        for (std::size_t i = from; i < N; ++i) {
            if constexpr (std::is_same_v<T, bool>)
                list.push_back(static_cast<bool>(values[i]));
            else
                list.push_back(static_cast<long long>(values[i]));
        }
        out_[key] = std::move(list);
    }
    template <class Fields>
    void Object(const char* key, Fields&& fields) {
        ordered_json inner = ordered_json::object();
        Writer writer(inner);
        fields(writer);
        out_[key] = std::move(inner);
    }
    template <class T, std::size_t N, class Fields>
    void Objects(const char* key, std::array<T, N>& values, Fields&& fields) {
        ordered_json list = ordered_json::array();
        for (T& value : values) {
            ordered_json inner = ordered_json::object();
            Writer writer(inner);
            fields(writer, value);
            list.push_back(std::move(inner));
        }
        out_[key] = std::move(list);
    }

  private:
    ordered_json& out_;
};

/// Reads each field from a JSON object, refusing what is missing, of another kind or out of
/// its bounds; the refusal names the field.
class Reader {
  public:
    Reader(const json& in, std::string where) : in_(in), where_(std::move(where)) {
        if (!in_.is_object()) throw Refused{where_ + " is not an object"};
    }

    template <class T>
    void Number(const char* key, T& value, long long low, long long high) {
        value = Checked<T>(Field(key), Name(key), low, high);
    }
    void Mask(const char* key, std::uint64_t& value, int bits) {
        const json& j = Field(key);
        if (!j.is_number_unsigned() && !(j.is_number_integer() && j.get<long long>() >= 0))
            throw Refused{Name(key) + " is not a set of cards"};
        value = j.get<std::uint64_t>();
        if (bits < 64 && (value >> bits) != 0) throw Refused{Name(key) + " is out of range"};
    }
    void Flag(const char* key, bool& value) {
        const json& j = Field(key);
        if (!j.is_boolean()) throw Refused{Name(key) + " is not true or false"};
        value = j.get<bool>();
    }
    void Text(const char* key, std::string& value) {
        const json& j = Field(key);
        if (!j.is_string()) throw Refused{Name(key) + " is not a text"};
        if (j.get_ref<const std::string&>().size() > kMaxTextBytes)
            throw Refused{Name(key) + " is too long"};
        value = j.get<std::string>();
    }
    void Label(const char* key, std::string_view& value) {
        std::string text;
        Text(key, text);
        for (std::string_view label : kLabels) {
            if (label == text) {
                value = label;
                return;
            }
        }
        throw Refused{Name(key) + " is not a pile's label"};
    }
    template <class T>
    void Maybe(const char* key, std::optional<T>& value, long long low, long long high) {
        const json& j = Field(key);
        if (j.is_null())
            value.reset();
        else
            value = Checked<T>(j, Name(key), low, high);
    }
    template <class T, std::size_t N>
    void Numbers(const char* key, std::array<T, N>& values, std::size_t from, long long low,
                 long long high) {
        const json& list = List(key, N - from);
        values = {};
        for (std::size_t i = from; i < N; ++i)
            values[i] = Checked<T>(list[i - from], Name(key), low, high);
    }
    template <class Fields>
    void Object(const char* key, Fields&& fields) {
        Reader reader(Field(key), Name(key));
        fields(reader);
    }
    template <class T, std::size_t N, class Fields>
    void Objects(const char* key, std::array<T, N>& values, Fields&& fields) {
        const json& list = List(key, N);
        for (std::size_t i = 0; i < N; ++i) {
            Reader reader(list[i], Name(key) + "[" + std::to_string(i) + "]");
            fields(reader, values[i]);
        }
    }

  private:
    std::string Name(const char* key) const { return where_ + "." + key; }
    const json& Field(const char* key) const {
        const auto it = in_.find(key);
        if (it == in_.end()) throw Refused{Name(key) + " is missing"};
        return *it;
    }
    const json& List(const char* key, std::size_t size) const {
        const json& list = Field(key);
        if (!list.is_array() || list.size() != size)
            throw Refused{Name(key) + " is not a list of " + std::to_string(size)};
        return list;
    }
    template <class T>
    static T Checked(const json& j, const std::string& name, long long low, long long high) {
        if constexpr (std::is_same_v<T, bool>) {
            if (!j.is_boolean()) throw Refused{name + " is not true or false"};
            return j.get<bool>();
        } else {
            if (!j.is_number_integer()) throw Refused{name + " is not a whole number"};
            if (j.is_number_unsigned() &&
                j.get<unsigned long long>() >
                    static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
                throw Refused{name + " is out of range"};
            const long long v = j.get<long long>();
            if (v < low || v > high) throw Refused{name + " is out of range"};
            return static_cast<T>(v);
        }
    }

    const json& in_;
    std::string where_;
};

template <class Io>
void SideCountersFields(Io& io, SideCounters& c) {
    io.Number("scoringSuit", c.scoringSuit, 0, 10);
    io.Number("sevens", c.sevens, 0, 4);
    io.Number("sixSevens", c.sixSevens, 0, 8);
    io.Number("cards", c.cards, 0, kDeckSize);
    io.Number("haya", c.haya, 0, 1);
    io.Number("sweepPoints", c.sweepPoints, 0, kBigCount);
    io.Number("lastCapturePlay", c.lastCapturePlay, 0, kPlaysPerHand);
    io.Number("matchScore", c.matchScore, -kBigCount, kBigCount);
}

template <class Io>
void PileFields(Io& io, Pile& p) {
    io.Number("X", p.X, -kBigCount, kBigCount);
    io.Number("Y", p.Y, -kBigCount, kBigCount);
    io.Numbers("Cards", p.Cards, 1, 0, kDeckSize);
    io.Numbers("Slots", p.Slots, 1, 0, kDeckSize);
    io.Number("Count", p.Count, 0, kDeckSize);
    io.Label("Label", p.Label);
    io.Number("HasHaya", p.HasHaya, 0, 1);
    io.Number("ScoringSuitCount", p.ScoringSuitCount, 0, 10);
    io.Number("SixSevenCount", p.SixSevenCount, 0, 8);
    io.Number("CardCount", p.CardCount, 0, kDeckSize);
    io.Number("SweepPoints", p.SweepPoints, 0, kBigCount);
    io.Number("SevenCount", p.SevenCount, 0, 4);
    io.Number("LastCapturePlay", p.LastCapturePlay, 0, kPlaysPerHand);
    io.Flag("RowLayout", p.RowLayout);
    io.Number("Score", p.Score, -kBigCount, kBigCount);
}

template <class Io>
void RoundFields(Io& io, RoundSoFar& r) {
    io.Numbers("floor", r.floor, 0, 0, kDeckSize);
    io.Number("floorCount", r.floorCount, 0, kDeckSize);
    io.Object("own", [&](auto& in) { SideCountersFields(in, r.own); });
    io.Object("other", [&](auto& in) { SideCountersFields(in, r.other); });
    io.Objects("plays", r.plays, [](auto& in, SeenPlay& play) {
        in.Number("card", play.card, 0, kDeckSize);
        std::uint64_t takes = play.takes;
        in.Mask("takes", takes, kDeckSize + 1);
        play.takes = takes & ~CardSet{1};
        in.Flag("own", play.own);
    });
    io.Number("playCount", r.playCount, 0, kPlaysPerRound);
}

template <class Io>
void SideScoreFields(Io& io, SideScore& s) {
    io.Maybe("scoringSuitCards", s.scoringSuitCards, 0, 10);
    io.Flag("sevens", s.sevens);
    io.Flag("haya", s.haya);
    io.Maybe("cards", s.cards, 0, kDeckSize);
    io.Maybe("sweepPoints", s.sweepPoints, -kBigCount, kBigCount);
    io.Maybe("handWithSweeps", s.handWithSweeps, -kBigCount, kBigCount);
    io.Maybe("matchTotal", s.matchTotal, -kBigCount, kBigCount);
    io.Maybe("matchWins", s.matchWins, 0, 3);
    io.Maybe("handPoints", s.handPoints, -kBigCount, kBigCount);
}

template <class Io>
void TableFields(Io& io, TableView& t) {
    constexpr long long kFar = 32767;
    io.Objects("images", t.images, [](auto& in, ImageState& image) {
        in.Number("left", image.left, -kFar - 1, kFar);
        in.Number("top", image.top, -kFar - 1, kFar);
        in.Flag("visible", image.visible);
        in.Flag("enabled", image.enabled);
        in.Number("tag", image.tag, -128, 127);
    });
    io.Objects("frames", t.frames, [](auto& in, FrameState& frame) {
        in.Number("left", frame.left, -kFar - 1, kFar);
        in.Number("top", frame.top, -kFar - 1, kFar);
        in.Flag("visible", frame.visible);
    });
    io.Numbers("deckStack", t.deckStack, 0, 0, 1);
    io.Objects("meBacks", t.meBacks, [](auto& in, MeBackState& back) {
        in.Number("left", back.left, -kFar - 1, kFar);
        in.Number("top", back.top, -kFar - 1, kFar);
        in.Flag("visible", back.visible);
    });
    io.Flag("lastRoundMarker", t.lastRoundMarker);
    io.Flag("officeLogo", t.officeLogo);
    io.Text("msg", t.msg);
    io.Object("counters", [&](auto& in) {
        in.Number("match", t.counters.match, 0, kBigCount);
        in.Number("hand", t.counters.hand, 0, kBigCount);
        in.Number("round", t.counters.round, 0, kRoundsPerHand + 1);
    });
}

template <class Io>
void StateFields(Io& io, GameState& s) {
    io.Numbers("Deck", s.Deck, 1, 1, kDeckSize);
    io.Number("DeckPos", s.DeckPos, 1, kDeckSize + 1);
    io.Object("MePile", [&](auto& in) { PileFields(in, s.MePile); });
    io.Object("YouPile", [&](auto& in) { PileFields(in, s.YouPile); });
    io.Object("FloorPile", [&](auto& in) { PileFields(in, s.FloorPile); });
    io.Number("PlayCount", s.PlayCount, 0, kPlaysPerHand);
    io.Number("RoundNo", s.RoundNo, 1, kRoundsPerHand + 1);
    io.Number("HandNumber", s.HandNumber, 0, kBigCount);
    io.Number("MatchNumber", s.MatchNumber, 1, 3);
    io.Number("MeMatchWins", s.MeMatchWins, 0, 2);
    io.Number("YouMatchWins", s.YouMatchWins, 0, 2);
    io.Flag("ComputerStarts", s.ComputerStarts);
    io.Flag("GameActive", s.GameActive);
    int input = static_cast<int>(s.Input);
    io.Number("Input", input, 0, 2);
    s.Input = static_cast<InputState>(input);
    io.Number("SelectedSlot", s.SelectedSlot, 0, kDeckSize);
    std::uint64_t picked = s.PickedSet.to_ullong();
    io.Mask("PickedSet", picked, kDeckSize + 1);
    s.PickedSet = std::bitset<kDeckSize + 1>(picked);
    io.Numbers("MovedCards", s.MovedCards, 1, 0, kDeckSize - 1);
    io.Number("MovedCount", s.MovedCount, 0, kDeckSize);
    io.Number("MeBackToHide", s.MeBackToHide, 0, kMeBackCount);
    io.Text("StatusText", s.StatusText);
    io.Object("Round", [&](auto& in) { RoundFields(in, s.Round); });
    io.Numbers("SeenRanks", s.SeenRanks, 1, 0, 4);
    io.Numbers("DeclinedSweep", s.DeclinedSweep, 1, 0, 1);
    io.Numbers("HumanSeenRanks", s.HumanSeenRanks, 1, 0, 4);
    io.Numbers("ComputerDeclinedSweep", s.ComputerDeclinedSweep, 1, 0, kPlaysPerHand);
    io.Number("SumCaptureCount", s.SumCaptureCount, 0, kBigCount);
    io.Number("Level", s.Level, 1, kExpertLevel);
    io.Number("GameType", s.GameType, 0, 3);
    io.Number("TargetScore", s.TargetScore, 21, 61);
    io.Flag("DinariRule", s.DinariRule);
    io.Flag("OpenCards", s.OpenCards);
    io.Flag("AlternateStart", s.AlternateStart);
    io.Flag("ReverseGame", s.ReverseGame);
    io.Number("DelayTime", s.DelayTime, 0, 4000);
    io.Flag("SoundOn", s.SoundOn);
    io.Text("GameTitle", s.GameTitle);
    io.Object("Results", [&](auto& in) {
        in.Text("caption", s.Results.caption);
        in.Object("computer",
                  [&](auto& side) { SideScoreFields(side, s.Results.scores.computer); });
        in.Object("human", [&](auto& side) { SideScoreFields(side, s.Results.scores.human); });
        in.Text("status", s.Results.status);
        in.Numbers("faces", s.Results.faces, 0, 0, 1);
    });
    io.Object("Table", [&](auto& in) { TableFields(in, s.Table); });
    std::uint32_t generator = s.Rng.State();
    io.Number("Generator", generator, 0, 0xffffffffll);
    s.Rng.SetState(generator);
}

ordered_json StateJson(const GameState& state) {
    GameState copy = state;
    ordered_json out = ordered_json::object();
    Writer writer(out);
    StateFields(writer, copy);
    return out;
}

GameState ReadState(const json& in, const std::string& where) {
    GameState state;
    Reader reader(in, where);
    StateFields(reader, state);
    if (std::string broken = BrokenRule(state); !broken.empty())
        throw Refused{where + ": " + broken};
    return state;
}

std::string N(int value) {
    return std::to_string(value);
}

}  // namespace

std::string Encode(const KeptGame& kept) {
    ordered_json out{{"format", kFormatName}, {"version", kFormatVersion}};
    out["playTakenBack"] = kept.playTakenBack;
    out["state"] = StateJson(kept.game.state);
    ordered_json plays = ordered_json::array();
    for (const GameState& play : kept.game.plays) plays.push_back(StateJson(play));
    out["plays"] = std::move(plays);
    out["playBegun"] = kept.game.playBegun ? StateJson(*kept.game.playBegun) : ordered_json();
    return out.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

Decoded Decode(std::string_view text) {
    if (text.size() > kMaxKeptBytes) return {std::nullopt, "the file is too large"};
    const json in = json::parse(text.begin(), text.end(), nullptr, false);
    if (in.is_discarded()) return {std::nullopt, "the file is not whole (not JSON)"};
    try {
        if (!in.is_object() || in.value("format", std::string()) != kFormatName)
            throw Refused{"the file is not a kept game"};
        const auto version = in.find("version");
        if (version == in.end() || !version->is_number_integer())
            throw Refused{"the file names no version"};
        if (version->get<long long>() != kFormatVersion)
            throw Refused{"the file is of version " + version->dump() + ", not " +
                          N(kFormatVersion)};
        KeptGame kept;
        Reader(in, "game").Flag("playTakenBack", kept.playTakenBack);
        kept.game.state = ReadState(in.contains("state") ? in["state"] : json(), "state");
        const auto plays = in.find("plays");
        if (plays == in.end() || !plays->is_array() || plays->size() > kPlaysPerHand)
            throw Refused{"plays is not a list of at most " + N(kPlaysPerHand)};
        for (std::size_t i = 0; i < plays->size(); ++i)
            kept.game.plays.push_back(ReadState((*plays)[i], "plays[" + std::to_string(i) + "]"));
        const auto begun = in.find("playBegun");
        if (begun == in.end()) throw Refused{"playBegun is missing"};
        if (!begun->is_null()) kept.game.playBegun = ReadState(*begun, "playBegun");
        return {std::move(kept), {}};
    } catch (const Refused& refused) {
        return {std::nullopt, refused.reason};
    }
}

std::string BrokenRule(const GameState& s) {
    // Where each card is: a hand, the floor, the deck still to deal, or captured (nowhere).
    std::array<bool, kDeckSize + 1> placed{};
    std::array<bool, kDeckSize + 1> inDeck{};
    for (int pos = 1; pos <= kDeckSize; ++pos) {
        const int card = s.Deck[pos];
        if (inDeck[card]) return "the deck is not the 40 cards";
        inDeck[card] = true;
    }
    for (int pos = s.DeckPos; pos <= kDeckSize; ++pos) placed[s.Deck[pos]] = true;
    for (const Pile* pile : {&s.MePile, &s.YouPile, &s.FloorPile}) {
        std::array<bool, kDeckSize + 1> slotTaken{};
        for (int i = 1; i <= kDeckSize; ++i) {
            const int card = pile->Cards[i];
            if (i > pile->Count) {
                if (card != 0) return "a card lies beyond a pile's count";
                continue;
            }
            const int slot = pile->Slots[i];
            if (card == 0 || placed[card]) return "a card is in two places, or none";
            if (slot == 0 || slotTaken[slot]) return "two cards share a place on the table";
            placed[card] = true;
            slotTaken[slot] = true;
        }
    }
    // The captured cards, counted by both sides together once each.
    SideCounters captured;
    for (int card = 1; card <= kDeckSize; ++card) {
        if (!placed[card]) captured.Count(card, 0);
    }
    const Pile& me = s.MePile;
    const Pile& you = s.YouPile;
    if (me.CardCount + you.CardCount != captured.cards ||
        me.ScoringSuitCount + you.ScoringSuitCount != captured.scoringSuit ||
        me.SevenCount + you.SevenCount != captured.sevens ||
        me.SixSevenCount + you.SixSevenCount != captured.sixSevens ||
        me.HasHaya + you.HasHaya != captured.haya)
        return "the sides' counters are not those of the cards taken";
    if (me.Count > kHandCards || you.Count > kHandCards)
        return "a hand holds more than " + N(kHandCards) + " cards";
    for (int i = 1; i <= s.MovedCount; ++i) {
        if (s.MovedCards[i] < 0) return "a card shown moving is no card";
    }
    for (int f = 0; f <= kDeckSize; ++f) {
        if (s.PickedSet.test(f) && (f < 1 || f > s.FloorPile.Count))
            return "a picked card is not on the floor";
    }
    if (s.Input == InputState::PickFloor && (s.SelectedSlot < 1 || s.SelectedSlot > you.Count))
        return "the chosen card is not in the hand";
    static constexpr int kTargets[] = {21, 31, 41, 61};
    if (s.TargetScore != kTargets[s.GameType]) return "the target does not match the game type";
    if (s.Round.floorCount > kDeckSize || s.Round.playCount > kPlaysPerRound)
        return "the round's record is out of range";
    return {};
}

}  // namespace tazkova::keep
