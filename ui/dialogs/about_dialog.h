/// The about box: the game's name and version, its licence, what it is built on, and whose
/// its pictures and sounds are.
#pragma once

#include "ui/style/game_dialog.h"

class QLabel;

namespace tazkova::ui {

class AboutDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
    /// The text as the player reads it.
    QString Text() const;

  private:
    QLabel* text_ = nullptr;
};

}  // namespace tazkova::ui
