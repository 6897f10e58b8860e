/// The options dialog: game type, the computer's level and the four switches.
#pragma once

#include <functional>

#include "game/ports.h"
#include "ui/style/game_dialog.h"
#include "ui/style/rtl_widgets.h"

class QPushButton;

namespace tazkova::ui {

/// The options dialog, created once and shown modally from the main window's options button.
/// Its controls keep their states between showings; the options routine of the game sets the
/// two groups before each showing and reads every control after it. The OK button and the
/// window's close box both just close it; the cancel button puts every control back as it was
/// when the dialog opened, and so does a "no" to the question asked when a change is closed.
class OptionsDialog : public GameDialog, public game::OptionsControls {
    Q_OBJECT

  public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    // The controls as the options routine sees them.
    int GameTypeIndex() const override { return typeGroup_->ItemIndex(); }
    void SetGameTypeIndex(int index) override { typeGroup_->SetItemIndex(index); }
    int LevelIndex() const override { return levelGroup_->ItemIndex(); }
    void SetLevelIndex(int index) override { levelGroup_->SetItemIndex(index); }
    game::CheckState DinariRule() const override { return dinariBox_->State(); }
    game::CheckState OpenCards() const override { return openCardsBox_->State(); }
    game::CheckState AlternateStart() const override { return alternateBox_->State(); }
    game::CheckState ReverseGame() const override { return reverseBox_->State(); }
    /// Runs the dialog modally until it is closed.
    void ShowModal() override;
    /// Asked when the dialog is closed with a control changed, other than by its cancel
    /// button: false puts every control back as it was (a change that would throw away the
    /// game under way, refused). None by default.
    void SetChangeCheck(std::function<bool()> check) { changeCheck_ = std::move(check); }

    // The controls themselves, for the window and the tests.
    RtlRadioGroup& TypeGroup() const { return *typeGroup_; }
    RtlRadioGroup& LevelGroup() const { return *levelGroup_; }
    RtlCheckBox& DinariBox() const { return *dinariBox_; }
    RtlCheckBox& OpenCardsBox() const { return *openCardsBox_; }
    RtlCheckBox& AlternateBox() const { return *alternateBox_; }
    RtlCheckBox& ReverseBox() const { return *reverseBox_; }
    QPushButton& OkButton() const { return *okButton_; }
    QPushButton& CancelButton() const { return *cancelButton_; }

  private:
    RtlRadioGroup* typeGroup_ = nullptr;
    RtlRadioGroup* levelGroup_ = nullptr;
    RtlCheckBox* dinariBox_ = nullptr;
    RtlCheckBox* openCardsBox_ = nullptr;
    RtlCheckBox* alternateBox_ = nullptr;
    RtlCheckBox* reverseBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    std::function<bool()> changeCheck_;
    bool cancelled_ = false;
};

}  // namespace tazkova::ui
