/// The hint's marks: the card the game suggests and the floor cards it takes are marked (and
/// so described to a screen reader) until the player's next click or key, and the keyboard
/// focus goes to the card.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "game/game.h"

namespace tazkova::ui {

class CardFocus;
class CardTableView;

class HintMarks : public QObject {
  public:
    HintMarks(QObject* parent, CardTableView& view, const CardFocus& focus);
    ~HintMarks() override;

    /// From now on the player's next click or key anywhere takes the marks away.
    void WatchInput();
    /// Marks `hint`'s card and what it takes, and focuses the card; while a card waits for
    /// its floor cards (`pickingFloor`), the next floor card it takes instead. The hint's
    /// `reason`, when given, goes to the status line (which a screen reader reads) and to the
    /// card's tooltip.
    void Show(const game::PlaySuggestion& hint, bool pickingFloor, const QString& reason = {});
    void Clear();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CardTableView& view_;
    const CardFocus& focus_;
    std::vector<int> hinted_;  // the card images marked
    int reasonOn_ = -1;        // the card image whose tooltip gives the reason
    QString tooltipBefore_;
};

}  // namespace tazkova::ui
