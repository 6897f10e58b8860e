#include "game/recording.h"

#include "game/cards.h"

namespace tazkova::game {

RecordingTable::RecordingTable() {
    deckStack_.fill(true);
    for (int k = 0; k < kMeBackCount; ++k) meBacks_[k].left = kMeBackHomeLefts[k];
}

void RecordingTable::SetImagePos(int image, int left, int top) {
    if (!InRange(image, 0, kDeckSize)) return;
    images_[image].left = left;
    images_[image].top = top;
}

int RecordingTable::ImageLeft(int image) const {
    return InRange(image, 0, kDeckSize) ? images_[image].left : 0;
}
int RecordingTable::ImageTop(int image) const {
    return InRange(image, 0, kDeckSize) ? images_[image].top : 0;
}

void RecordingTable::SetImageVisible(int image, bool visible) {
    if (InRange(image, 0, kDeckSize)) images_[image].visible = visible;
}

void RecordingTable::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 0, kDeckSize)) images_[image].enabled = enabled;
}

void RecordingTable::SetImageTag(int image, int tag) {
    if (InRange(image, 0, kDeckSize)) images_[image].tag = tag;
}

int RecordingTable::ImageTag(int image) const {
    return InRange(image, 0, kDeckSize) ? images_[image].tag : 0;
}

void RecordingTable::SetFramePos(int frame, int left, int top) {
    if (!InRange(frame, 1, kDeckSize)) return;
    frames_[frame - 1].left = left;
    frames_[frame - 1].top = top;
}

void RecordingTable::SetFrameVisible(int frame, bool visible) {
    if (InRange(frame, 1, kDeckSize)) frames_[frame - 1].visible = visible;
}

void RecordingTable::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k, 1, kDeckStackCount)) deckStack_[k - 1] = visible;
}

bool RecordingTable::DeckStackVisible(int k) const {
    return InRange(k, 1, kDeckStackCount) && deckStack_[k - 1];
}

void RecordingTable::SetMeBackPos(int k, int left, int top) {
    if (!InRange(k, 1, kMeBackCount)) return;
    meBacks_[k - 1].left = left;
    meBacks_[k - 1].top = top;
}

void RecordingTable::SetMeBackVisible(int k, bool visible) {
    if (InRange(k, 1, kMeBackCount)) meBacks_[k - 1].visible = visible;
}

void RecordingTable::SetMsg(const std::string& text) {
    msg_ = text;
    events_.push_back({TableEvent::Kind::Msg, text});
}

void RecordingTable::SetCounters(const std::string& text) {
    counters_ = text;
    events_.push_back({TableEvent::Kind::Counters, text});
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
