/// The rules manual: what a newcomer needs to play, in Arabic, right to left, in a browser
/// a screen reader reads (the cards and their values, taking by rank and by sum, the sweep,
/// the points of a hand, the scoring-suit rule, matches and games, the options, the levels
/// and the keys).
#pragma once

#include <utility>
#include <vector>

#include "ui/style/game_dialog.h"

class QPushButton;
class QTextBrowser;

namespace tazkova::ui {

class RulesManual : public GameDialog {
    Q_OBJECT
  public:
    explicit RulesManual(QWidget* parent = nullptr);

    /// The keys of the game, as (what it does, its key) pairs, listed in the manual's last
    /// section.
    void SetKeys(const std::vector<std::pair<QString, QString>>& keys);
    /// The manual as a screen reader reads it.
    QString Text() const;
    QTextBrowser* Browser() const { return browser_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString page_;  // the manual's HTML, with the place of the keys
    QTextBrowser* browser_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tazkova::ui
