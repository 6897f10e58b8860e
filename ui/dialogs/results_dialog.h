/// The score sheet of the last hand and of the match.
#pragma once

#include <array>

#include "game/ports.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"

class QLabel;
class QLineEdit;
class QTextEdit;
class QPushButton;

namespace tazkova::ui {

/// Two columns of read-only boxes, the computer's on the left and the human's on the right,
/// one row per scoring category, the two sides' faces and a message memo. It keeps its
/// contents between showings.
class ResultsDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit ResultsDialog(QWidget* parent = nullptr);

    /// Puts the sheet's caption, boxes, memo and faces on the form.
    void Fill(const game::ResultsSheet& sheet);
    /// Fills the form and shows it modally until the player presses OK.
    void ShowSheet(const game::ResultsSheet& sheet);

    /// Rslt0..Rslt17, by index.
    const std::array<QLineEdit*, 18>& Boxes() const { return boxes_; }
    QTextEdit* StatusMemo() const { return statusMemo_; }
    QPushButton* OkButton() const { return okButton_; }

  private:
    BevelPanel* panel_ = nullptr;
    std::array<QLineEdit*, 18> boxes_{};
    QTextEdit* statusMemo_ = nullptr;
    QPushButton* okButton_ = nullptr;
    std::array<QLabel*, game::kFaceCount> faces_{};
};

}  // namespace tazkova::ui
