/// The message dialog: the end of a match, the end of a game and the restart after the
/// options have changed.
#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

/// A small modal box with a centred memo, the grinning computer and a continue button.
class TfrmMsg : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmMsg(QWidget* parent = nullptr);

    /// Shows `fullText` exactly as given, modally; the game's own message already ends in
    /// " ....".
    void ShowModalText(const QString& fullText);
    /// Shows `text` followed by " ...." (a blank and four full stops), modally.
    void ShowMessage(const QString& text);

    /// The text of the memo as the player reads it.
    QString Text() const;

    /// The triumphant computer: a grinning screen face with the tongue out, `size` pixels
    /// square at the given device pixel ratio.
    static QPixmap GrinningComputer(int size, qreal devicePixelRatio);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QFrame* Panel1 = nullptr;
    QTextEdit* Msg = nullptr;
    QLabel* MAC3 = nullptr;
    QPushButton* OKBtn = nullptr;
};
