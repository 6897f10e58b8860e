/// A question before the game under way is thrown away, answered "نعم" or "لا", and the note
/// with one button that tells the player what became of it.
#pragma once

#include <QString>

#include "ui/style/game_dialog.h"

class QLabel;
class QPushButton;

namespace tazkova::ui {

/// Made for one question and shown modally. Its OK (accept) is the yes; "لا", Esc and the
/// close box are the no, which is the default button: a hurried Enter throws nothing away.
class AskDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit AskDialog(QWidget* parent);

    /// Asks `text`; true for yes.
    bool Ask(const QString& text);
    /// Tells `text`, with one button.
    void Tell(const QString& text);

    QString Text() const;
    QPushButton& YesButton() const { return *yes_; }
    QPushButton& NoButton() const { return *no_; }

  private:
    QLabel* text_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
};

}  // namespace tazkova::ui
