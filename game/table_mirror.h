/// The game's display: each change the game makes to the table is written into the game's
/// own record of what the table shows, then passed on to the display.
#pragma once

#include <string>

#include "game/ports.h"
#include "game/table_view.h"

namespace tazkova::game {

/// The display as the game drives it: each change is written into the game's own record of
/// what the table shows, then passed on to the display. Redraws and the cursor only pass on.
class TableMirror {
  public:
    TableMirror(TableView& shown, TableDisplay& display) : shown_(shown), display_(display) {}

    void SetImagePos(int image, int left, int top);
    void SetImageVisible(int image, bool visible);
    void SetImageEnabled(int image, bool enabled);
    void SetImageTag(int image, int tag);
    void RedrawImage(int image);
    void SetFramePos(int frame, int left, int top);
    void SetFrameVisible(int frame, bool visible);
    void RedrawFrame(int frame);
    void SetDeckStackVisible(int k, bool visible);
    void RedrawDeckStack(int k);
    void SetMeBackPos(int k, int left, int top);
    void SetMeBackVisible(int k, bool visible);
    void RedrawMeBack(int k);
    void SetLastRoundMarkerVisible(bool visible);
    void SetOfficeLogoVisible(bool visible);
    void SetMsg(const std::string& text);
    void RedrawMsg();
    void SetCounters(const Counters& counters);
    void SetHourglassCursor();
    void SetDefaultCursor();
    void RepaintMainWindow();
    /// Draws the whole table again from the record (after a play is taken back).
    void ShowAll();

  private:
    TableView& shown_;
    TableDisplay& display_;
};

inline void TableMirror::SetImagePos(int image, int left, int top) {
    shown_.SetImagePos(image, left, top);
    display_.SetImagePos(image, left, top);
}

inline void TableMirror::SetImageVisible(int image, bool visible) {
    shown_.SetImageVisible(image, visible);
    display_.SetImageVisible(image, visible);
}

inline void TableMirror::SetImageEnabled(int image, bool enabled) {
    shown_.SetImageEnabled(image, enabled);
    display_.SetImageEnabled(image, enabled);
}

inline void TableMirror::SetImageTag(int image, int tag) {
    shown_.SetImageTag(image, tag);
    display_.SetImageTag(image, tag);
}

inline void TableMirror::RedrawImage(int image) {
    display_.RedrawImage(image);
}

inline void TableMirror::SetFramePos(int frame, int left, int top) {
    shown_.SetFramePos(frame, left, top);
    display_.SetFramePos(frame, left, top);
}

inline void TableMirror::SetFrameVisible(int frame, bool visible) {
    shown_.SetFrameVisible(frame, visible);
    display_.SetFrameVisible(frame, visible);
}

inline void TableMirror::RedrawFrame(int frame) {
    display_.RedrawFrame(frame);
}

inline void TableMirror::SetDeckStackVisible(int k, bool visible) {
    shown_.SetDeckStackVisible(k, visible);
    display_.SetDeckStackVisible(k, visible);
}

inline void TableMirror::RedrawDeckStack(int k) {
    display_.RedrawDeckStack(k);
}

inline void TableMirror::SetMeBackPos(int k, int left, int top) {
    shown_.SetMeBackPos(k, left, top);
    display_.SetMeBackPos(k, left, top);
}

inline void TableMirror::SetMeBackVisible(int k, bool visible) {
    shown_.SetMeBackVisible(k, visible);
    display_.SetMeBackVisible(k, visible);
}

inline void TableMirror::RedrawMeBack(int k) {
    display_.RedrawMeBack(k);
}

inline void TableMirror::SetLastRoundMarkerVisible(bool visible) {
    shown_.lastRoundMarker = visible;
    display_.SetLastRoundMarkerVisible(visible);
}

inline void TableMirror::SetOfficeLogoVisible(bool visible) {
    shown_.officeLogo = visible;
    display_.SetOfficeLogoVisible(visible);
}

inline void TableMirror::SetMsg(const std::string& text) {
    shown_.msg = text;
    display_.SetMsg(text);
}

inline void TableMirror::RedrawMsg() {
    display_.RedrawMsg();
}

inline void TableMirror::SetCounters(const Counters& counters) {
    shown_.counters = counters;
    display_.SetCounters(counters);
}

inline void TableMirror::SetHourglassCursor() {
    display_.SetHourglassCursor();
}

inline void TableMirror::SetDefaultCursor() {
    display_.SetDefaultCursor();
}

inline void TableMirror::RepaintMainWindow() {
    display_.RepaintMainWindow();
}

inline void TableMirror::ShowAll() {
    display_.ShowTable(shown_);
}

}  // namespace tazkova::game
