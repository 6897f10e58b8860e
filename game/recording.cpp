#include "game/recording.h"

#include "game/cards.h"

namespace tazkova::game {

void RecordingTable::SetMsg(const std::string& text) {
    view_.msg = text;
    events_.push_back({TableEvent::Kind::Msg, text});
}

void RecordingTable::SetCounters(const Counters& counters) {
    view_.counters = counters;
    events_.push_back({TableEvent::Kind::Counters, CountersText(counters)});
}

void RecordingTable::Play(Wave wave) {
    events_.push_back({TableEvent::Kind::Play, WaveComponentName(wave)});
}

void RecordingTable::Stop(Wave wave) {
    events_.push_back({TableEvent::Kind::Stop, WaveComponentName(wave)});
}

void RecordingTable::Wait(int n) {
    events_.push_back({TableEvent::Kind::Wait, {}, n});
    if (pauseWatch_) pauseWatch_();
}

void RecordingTable::ShowResults(const ResultsSheet& sheet) {
    events_.push_back(
        {TableEvent::Kind::Results, {}, 0, std::make_shared<const ResultsSheet>(sheet)});
}

void RecordingTable::ShowMessageDialog(const std::string& text) {
    events_.push_back({TableEvent::Kind::Message, text});
}

void RecordingTable::ShowErrorBox(const std::string& text) {
    events_.push_back({TableEvent::Kind::MessageBox, text});
}

std::vector<TableEvent> RecordingTable::TakeEvents() {
    std::vector<TableEvent> out;
    out.swap(events_);
    // The next command makes about as many events: room for them now saves growing the log
    // one step at a time.
    events_.reserve(out.capacity());
    return out;
}

}  // namespace tazkova::game
