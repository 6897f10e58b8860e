// The game's record of what the table shows, kept as the game changes it.
#include "game/table_view.h"

#include "game/ports.h"
#include "game/texts.h"

namespace tazkova::game {

std::string CountersText(const Counters& counters) {
    if (counters.match == 0) return "Qorvel";
    return " " + std::to_string(counters.match) + "-" + std::to_string(counters.hand) + "-" +
           std::to_string(counters.round) + std::string(texts::kGameWord);
}

void TableView::SetImagePos(int image, int left, int top) {
    if (!InRange(image, 0, kDeckSize)) return;
    images[image].left = static_cast<std::int16_t>(left);
    images[image].top = static_cast<std::int16_t>(top);
}

void TableView::SetImageVisible(int image, bool visible) {
    if (InRange(image, 0, kDeckSize)) images[image].visible = visible;
}

void TableView::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 0, kDeckSize)) images[image].enabled = enabled;
}

void TableView::SetImageTag(int image, int tag) {
    if (InRange(image, 0, kDeckSize)) images[image].tag = static_cast<std::int8_t>(tag);
}

void TableView::SetFramePos(int frame, int left, int top) {
    if (!InRange(frame, 1, kDeckSize)) return;
    frames[frame - 1].left = static_cast<std::int16_t>(left);
    frames[frame - 1].top = static_cast<std::int16_t>(top);
}

void TableView::SetFrameVisible(int frame, bool visible) {
    if (InRange(frame, 1, kDeckSize)) frames[frame - 1].visible = visible;
}

void TableView::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k, 1, kDeckStackCount)) deckStack[k - 1] = visible;
}

void TableView::SetMeBackPos(int k, int left, int top) {
    if (!InRange(k, 1, kMeBackCount)) return;
    meBacks[k - 1].left = left;
    meBacks[k - 1].top = top;
}

void TableView::SetMeBackVisible(int k, bool visible) {
    if (InRange(k, 1, kMeBackCount)) meBacks[k - 1].visible = visible;
}

// --- The game's display ---------------------------------------------------------------------

void TableMirror::SetImagePos(int image, int left, int top) {
    shown_.SetImagePos(image, left, top);
    display_.SetImagePos(image, left, top);
}

void TableMirror::SetImageVisible(int image, bool visible) {
    shown_.SetImageVisible(image, visible);
    display_.SetImageVisible(image, visible);
}

void TableMirror::SetImageEnabled(int image, bool enabled) {
    shown_.SetImageEnabled(image, enabled);
    display_.SetImageEnabled(image, enabled);
}

void TableMirror::SetImageTag(int image, int tag) {
    shown_.SetImageTag(image, tag);
    display_.SetImageTag(image, tag);
}

void TableMirror::RedrawImage(int image) {
    display_.RedrawImage(image);
}

void TableMirror::SetFramePos(int frame, int left, int top) {
    shown_.SetFramePos(frame, left, top);
    display_.SetFramePos(frame, left, top);
}

void TableMirror::SetFrameVisible(int frame, bool visible) {
    shown_.SetFrameVisible(frame, visible);
    display_.SetFrameVisible(frame, visible);
}

void TableMirror::RedrawFrame(int frame) {
    display_.RedrawFrame(frame);
}

void TableMirror::SetDeckStackVisible(int k, bool visible) {
    shown_.SetDeckStackVisible(k, visible);
    display_.SetDeckStackVisible(k, visible);
}

void TableMirror::RedrawDeckStack(int k) {
    display_.RedrawDeckStack(k);
}

void TableMirror::SetMeBackPos(int k, int left, int top) {
    shown_.SetMeBackPos(k, left, top);
    display_.SetMeBackPos(k, left, top);
}

void TableMirror::SetMeBackVisible(int k, bool visible) {
    shown_.SetMeBackVisible(k, visible);
    display_.SetMeBackVisible(k, visible);
}

void TableMirror::RedrawMeBack(int k) {
    display_.RedrawMeBack(k);
}

void TableMirror::SetLastRoundMarkerVisible(bool visible) {
    shown_.lastRoundMarker = visible;
    display_.SetLastRoundMarkerVisible(visible);
}

void TableMirror::SetOfficeLogoVisible(bool visible) {
    shown_.officeLogo = visible;
    display_.SetOfficeLogoVisible(visible);
}

void TableMirror::SetMsg(const std::string& text) {
    shown_.msg = text;
    display_.SetMsg(text);
}

void TableMirror::RedrawMsg() {
    display_.RedrawMsg();
}

void TableMirror::SetCounters(const Counters& counters) {
    shown_.counters = counters;
    display_.SetCounters(counters);
}

void TableMirror::SetHourglassCursor() {
    display_.SetHourglassCursor();
}

void TableMirror::SetDefaultCursor() {
    display_.SetDefaultCursor();
}

void TableMirror::RepaintMainWindow() {
    display_.RepaintMainWindow();
}

void TableMirror::ShowAll() {
    display_.ShowTable(shown_);
}

}  // namespace tazkova::game
