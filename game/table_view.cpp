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

void TableMirror::SetImagePos(int image, int left, int top) {
    if (InRange(image, 0, kDeckSize)) {
        shown_.images[image].left = left;
        shown_.images[image].top = top;
    }
    display_.SetImagePos(image, left, top);
}

void TableMirror::SetImageVisible(int image, bool visible) {
    if (InRange(image, 0, kDeckSize)) shown_.images[image].visible = visible;
    display_.SetImageVisible(image, visible);
}

void TableMirror::SetImageEnabled(int image, bool enabled) {
    if (InRange(image, 0, kDeckSize)) shown_.images[image].enabled = enabled;
    display_.SetImageEnabled(image, enabled);
}

void TableMirror::SetImageTag(int image, int tag) {
    if (InRange(image, 0, kDeckSize)) shown_.images[image].tag = tag;
    display_.SetImageTag(image, tag);
}

void TableMirror::RedrawImage(int image) {
    display_.RedrawImage(image);
}

void TableMirror::SetFramePos(int frame, int left, int top) {
    if (InRange(frame, 1, kDeckSize)) {
        shown_.frames[frame - 1].left = left;
        shown_.frames[frame - 1].top = top;
    }
    display_.SetFramePos(frame, left, top);
}

void TableMirror::SetFrameVisible(int frame, bool visible) {
    if (InRange(frame, 1, kDeckSize)) shown_.frames[frame - 1].visible = visible;
    display_.SetFrameVisible(frame, visible);
}

void TableMirror::RedrawFrame(int frame) {
    display_.RedrawFrame(frame);
}

void TableMirror::SetDeckStackVisible(int k, bool visible) {
    if (InRange(k, 1, kDeckStackCount)) shown_.deckStack[k - 1] = visible;
    display_.SetDeckStackVisible(k, visible);
}

void TableMirror::RedrawDeckStack(int k) {
    display_.RedrawDeckStack(k);
}

void TableMirror::SetMeBackPos(int k, int left, int top) {
    if (InRange(k, 1, kMeBackCount)) {
        shown_.meBacks[k - 1].left = left;
        shown_.meBacks[k - 1].top = top;
    }
    display_.SetMeBackPos(k, left, top);
}

void TableMirror::SetMeBackVisible(int k, bool visible) {
    if (InRange(k, 1, kMeBackCount)) shown_.meBacks[k - 1].visible = visible;
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
