/// A table that draws nothing: it keeps what a window would show and records, in order,
/// everything the player would see or hear. The headless driver and the tests run on it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/ports.h"
#include "game/table_geometry.h"

namespace tazkova::game {

/// One thing that happened at the table, in the order it happened.
struct TableEvent {
    enum class Kind { Msg, Counters, Wait, Play, Stop, Results, Message, Options, MessageBox };
    Kind kind;
    std::string text;  // Msg, Counters, Message, MessageBox: the text; Play, Stop: component
    int number = 0;    // Wait: the units waited
    // Results: the sheet as shown. Shared and never changed, so that the many events that
    // are not results stay small and cheap to record.
    std::shared_ptr<const ResultsSheet> sheet{};
};

/// Implements every port of the game without a screen, a sound device or a clock: dialogs
/// return at once as if their button had been pressed, waits return at once.
class RecordingTable : public TableDisplay, public SoundBank, public Pauser, public GameDialogs {
  public:
    // TableDisplay
    void SetImagePos(int image, int left, int top) override { view_.SetImagePos(image, left, top); }
    void SetImageVisible(int image, bool visible) override {
        view_.SetImageVisible(image, visible);
    }
    void SetImageEnabled(int image, bool enabled) override {
        view_.SetImageEnabled(image, enabled);
    }
    void SetImageTag(int image, int tag) override { view_.SetImageTag(image, tag); }
    void RedrawImage(int) override {}
    void SetFramePos(int frame, int left, int top) override { view_.SetFramePos(frame, left, top); }
    void SetFrameVisible(int frame, bool visible) override {
        view_.SetFrameVisible(frame, visible);
    }
    void RedrawFrame(int) override {}
    void SetDeckStackVisible(int k, bool visible) override {
        view_.SetDeckStackVisible(k, visible);
    }
    void RedrawDeckStack(int) override {}
    void SetMeBackPos(int k, int left, int top) override { view_.SetMeBackPos(k, left, top); }
    void SetMeBackVisible(int k, bool visible) override { view_.SetMeBackVisible(k, visible); }
    void RedrawMeBack(int) override {}
    void SetLastRoundMarkerVisible(bool visible) override { view_.lastRoundMarker = visible; }
    void SetOfficeLogoVisible(bool visible) override { view_.officeLogo = visible; }
    void SetMsg(const std::string& text) override;
    void RedrawMsg() override {}
    void SetCounters(const Counters& counters) override;
    void SetHourglassCursor() override {}
    void SetDefaultCursor() override {}
    void RepaintMainWindow() override {}
    void ShowTable(const TableView& view) override { view_ = view; }

    // SoundBank
    void Play(Wave wave) override;
    void Stop(Wave wave) override;

    // Pauser
    void Wait(int n) override;

    // GameDialogs
    void ShowResults(const ResultsSheet& sheet) override;
    void ShowMessageDialog(const std::string& text) override;
    void ShowErrorBox(const std::string& text) override;

    /// Calls `watch` at every pause, after recording it: the moments a player looks at the
    /// table in the middle of a play. Empty by default.
    void SetPauseWatch(std::function<void()> watch) { pauseWatch_ = std::move(watch); }

    /// Records an event that happens outside the game's ports (the options dialog shown).
    void Record(TableEvent event) { events_.push_back(std::move(event)); }

    /// The events since the last call, which empties the log.
    std::vector<TableEvent> TakeEvents();
    const std::vector<TableEvent>& Events() const { return events_; }

    // What the window would show now.
    const std::array<ImageState, 40>& Images() const { return view_.images; }
    const std::array<FrameState, 40>& Frames() const { return view_.frames; }
    const std::array<bool, kDeckStackCount>& DeckStack() const { return view_.deckStack; }
    const std::array<MeBackState, kMeBackCount>& MeBacks() const { return view_.meBacks; }
    bool LastRoundMarker() const { return view_.lastRoundMarker; }
    bool OfficeLogo() const { return view_.officeLogo; }
    const std::string& Msg() const { return view_.msg; }
    std::string CountersLabel() const { return CountersText(view_.counters); }
    const TableView& View() const { return view_; }

  private:
    TableView view_;
    std::vector<TableEvent> events_;
    std::function<void()> pauseWatch_;
};

/// A recording table that keeps the state of the table but records no event: for games
/// played in numbers, where no one reads what was shown and heard.
class SilentTable : public RecordingTable {
  public:
    void SetMsg(const std::string&) override {}
    void SetCounters(const Counters&) override {}
    void Play(Wave) override {}
    void Stop(Wave) override {}
    void Wait(int) override {}
    void ShowResults(const ResultsSheet&) override {}
    void ShowMessageDialog(const std::string&) override {}
    void ShowErrorBox(const std::string&) override {}
};

}  // namespace tazkova::game
