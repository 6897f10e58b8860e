/// The status line under the table: the game's English account of what just happened, or,
/// with the option to describe the plays in Arabic, the same event told in an Arabic
/// sentence. A screen reader always hears the Arabic.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "game/events.h"

class QLabel;

namespace tazkova::ui {

class StatusLine : public QObject {
  public:
    /// Draws into `label`, which it watches for its size.
    explicit StatusLine(QLabel* label);

    void SetArabic(bool on);
    bool Arabic() const { return arabic_; }

    /// What the game's next text is about, told in Arabic: whole, and shorter for the line.
    void TellNext(const QString& whole, const QString& shorter = {});
    /// A hand begins: its deal and its start are told from it.
    void HandStarting(const game::HandStart& start);

    /// The game's text, as the game sets it.
    void Show(const std::string& text);
    /// The game's text again, as the table is drawn anew from the game's state (after a play
    /// is taken back): told as it was told the first time.
    void Restore(const std::string& text);

    /// What the line draws now, and what it is read as.
    QString Shown() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Told {
        QString whole;
        QString shorter;
    };
    /// What the game's own texts without an event (the shuffle, a hand's start) tell.
    Told ToldOf(const std::string& text) const;
    /// Draws the line; `announce` gives the screen reader its new name.
    void Draw(bool announce = true);

    QLabel* label_;
    bool arabic_ = false;
    std::optional<Told> next_;
    QString english_;
    Told told_;
    std::optional<game::HandStart> start_;
    // This hand's texts and what each told, for a table drawn again from the state.
    QHash<QString, Told> toldBefore_;
};

}  // namespace tazkova::ui
