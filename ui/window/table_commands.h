/// The table's commands: the actions with their keys, the menu that lists them, and which
/// of them can be used as the game stands.
#pragma once

#include <QObject>

#include "ui/window/table_menu.h"

class QMenu;
class QWidget;

namespace tazkova::ui {

class TableCommands : public QObject {
    Q_OBJECT
  public:
    /// What the commands' state is drawn from.
    struct State {
        bool canHint = false;      // the game has a play to suggest, and none is running
        bool canTakeBack = false;  // a play of the hand can be taken back, and none is running
        bool motion = true;
        bool arabicPlays = false;
        bool soundOn = false;
        int zoom = 100;
    };

    /// Makes the actions on `window`, whose keys then work whenever it is active.
    explicit TableCommands(QWidget* window);

    const TableActions& Actions() const { return actions_; }
    /// The menu, made at its first use.
    QMenu* Menu();
    /// Enables and checks the commands as `state` says.
    void Show(const State& state) const;

  private:
    QWidget* window_;
    TableActions actions_;
    QMenu* menu_ = nullptr;
};

}  // namespace tazkova::ui
