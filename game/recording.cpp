#include "game/recording.h"

#include "game/cards.h"

namespace tazkova::game {

void RecordingTable::SetImagePos(int image, int left, int top) {
    if (!InRange(image, 0, kDeckSize)) return;
    view_.images[image].left = left;
    view_.images[image].top = top;
}

void RecordingTable::SetImageVisible(int image, bool visible) {
    if (InRange(image, 0, kDeckSize)) view_.images[image].visible = visible;
}

void RecordingTable::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 0, kDeckSize)) view_.images[image].enabled = enabled;
}

void RecordingTable::SetImageTag(int image, int tag) {
    if (InRange(image, 0, kDeckSize)) view_.images[image].tag = tag;
}

void RecordingTable::SetFramePos(int frame, int left, int top) {
    if (!InRange(frame, 1, kDeckSize)) return;
    view_.frames[frame - 1].left = left;
    view_.frames[frame - 1].top = top;
}

void RecordingTable::SetFrameVisible(int frame, bool visible) {
    if (InRange(frame, 1, kDeckSize)) view_.frames[frame - 1].visible = visible;
}

void RecordingTable::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k, 1, kDeckStackCount)) view_.deckStack[k - 1] = visible;
}

void RecordingTable::SetMeBackPos(int k, int left, int top) {
    if (!InRange(k, 1, kMeBackCount)) return;
    view_.meBacks[k - 1].left = left;
    view_.meBacks[k - 1].top = top;
}

void RecordingTable::SetMeBackVisible(int k, bool visible) {
    if (InRange(k, 1, kMeBackCount)) view_.meBacks[k - 1].visible = visible;
}

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
