/// The help dialog: the scoring rules in five lines, and a button that puts the game on the
/// player's desktop.
#pragma once

#include <utility>
#include <vector>

#include "game/game.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"

class QPushButton;
class QTextEdit;

namespace tazkova::ui {

/// Plays the applause while it is open; the game's sound switch decides whether it is heard.
class HelpDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit HelpDialog(game::Game& game, QWidget* parent = nullptr);

    /// The rules as the memo shows them.
    QString Text() const;

    /// The keys of the game, as (what it does, its key) pairs, listed below the rules.
    void SetKeys(const std::vector<std::pair<QString, QString>>& keys);
    QString KeysText() const;

    /// Where the shortcut button writes. Empty, as at start, means the player's desktop
    /// folder, looked up anew at each press.
    void SetDesktopFolder(const QString& folder) { desktopFolder_ = folder; }

    /// Makes the desktop shortcut "Tazkova"; a shortcut that cannot be made is reported in
    /// a message box.
    void CreateDesktopShortcut();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    game::Game& game_;
    BevelPanel* panel_ = nullptr;
    QTextEdit* rulesMemo_ = nullptr;
    QTextEdit* keysMemo_ = nullptr;
    QString desktopFolder_;  // where the shortcut goes, found once
    QPushButton* shortcutButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tazkova::ui
