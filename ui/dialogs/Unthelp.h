/// The help dialog: the scoring rules in five lines, and a button that puts the game on the
/// player's desktop.
#pragma once

#include <QDialog>

#include "game.h"

class QFrame;
class QPushButton;
class QTextEdit;

/// Plays the applause while it is open; the game's sound switch decides whether it is heard.
class TFrmHelp : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmHelp(tazkova::Game& game, QWidget* parent = nullptr);

    /// The rules as the memo shows them.
    QString Text() const;

    /// Where the shortcut button writes. Empty, as at start, means the player's desktop
    /// folder, looked up anew at each press.
    void SetDesktopFolder(const QString& folder) { desktopFolder_ = folder; }

    /// Makes the desktop shortcut "Tazkova"; a shortcut that cannot be made is reported in
    /// a message box.
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    tazkova::Game& game_;
    QString desktopFolder_;
    QFrame* Panel1 = nullptr;
    QTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};
