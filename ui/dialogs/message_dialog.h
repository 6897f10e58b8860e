/// The message dialog: the end of a match, the end of a game and the restart after the
/// options have changed.
#pragma once

#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace tazkova::ui {

/// A small modal box with a centred memo, the grinning computer and a continue button.
class MessageDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit MessageDialog(QWidget* parent = nullptr);

    /// Shows `text` exactly as given, modally; the game's own message already ends in
    /// " ....".
    void ShowText(const QString& text);

    /// The text of the memo as the player reads it.
    QString Text() const;

  private:
    BevelPanel* panel_ = nullptr;
    QTextEdit* memo_ = nullptr;
    QLabel* face_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tazkova::ui
