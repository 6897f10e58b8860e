/// The score sheet of the last hand and of the match.
#pragma once

#include <QDialog>
#include <array>

#include "ports.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QFrame;

class TfrmSmry : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmSmry(QWidget* parent = nullptr);

    /// Puts the sheet's caption, boxes, memo and faces on the form.
    void Fill(const tazkova::ResultsSheet& sheet);
    /// Fills the form and shows it modally until the player presses OK.
    void ShowSheet(const tazkova::ResultsSheet& sheet);

    /// Rslt0..Rslt17, by index.
    const std::array<QLineEdit*, 18>& ResultBoxes() const { return ResultBoxes_; }
    QPlainTextEdit* Status() const { return Status_; }
    QPushButton* OKButton() const { return OKButton_; }
    QLabel* FacePicture(tazkova::Face face) const { return faces_[static_cast<int>(face)]; }

  private:
    QFrame* RsltFrame_ = nullptr;
    std::array<QLineEdit*, 18> ResultBoxes_{};
    QPlainTextEdit* Status_ = nullptr;
    QPushButton* OKButton_ = nullptr;
    std::array<QLabel*, tazkova::kFaceCount> faces_{};
};
