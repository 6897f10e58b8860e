/// The options dialog: game type, the computer's level and the four switches.
#pragma once

#include <QDialog>

#include "Arabic32.h"
#include "ports.h"

class QPushButton;

/// The options dialog, created once and shown modally from the main window's options button.
/// Its controls keep their states between showings; the options routine of the game sets the
/// two groups before each showing and reads every control after it. The OK button and the
/// window's close box both just close it.
class TFrmOptn : public QDialog, public tazkova::OptionsControls {
    Q_OBJECT

  public:
    explicit TFrmOptn(QWidget* parent = nullptr);

    // The controls as the options routine sees them.
    int GmTypeIndex() const override { return GmType_->ItemIndex(); }
    void SetGmTypeIndex(int index) override { GmType_->SetItemIndex(index); }
    int GmLevelIndex() const override { return GmLevel_->ItemIndex(); }
    void SetGmLevelIndex(int index) override { GmLevel_->SetItemIndex(index); }
    tazkova::CheckState Dnry() const override { return Dnry_->State(); }
    tazkova::CheckState MakShoof() const override { return MakShoof_->State(); }
    tazkova::CheckState Strt() const override { return Strt_->State(); }
    tazkova::CheckState Rvrs() const override { return Rvrs_->State(); }
    /// Runs the dialog modally until it is closed.
    void ShowModal() override;

    // The controls themselves, for the window and the tests.
    TRadioGroupA& GmTypeGroup() const { return *GmType_; }
    TRadioGroupA& GmLevelGroup() const { return *GmLevel_; }
    TCheckBoxA& DnryBox() const { return *Dnry_; }
    TCheckBoxA& MakShoofBox() const { return *MakShoof_; }
    TCheckBoxA& StrtBox() const { return *Strt_; }
    TCheckBoxA& RvrsBox() const { return *Rvrs_; }
    QPushButton& OKButton() const { return *OKButton_; }

    void setVisible(bool visible) override;

  private:
    TRadioGroupA* GmType_ = nullptr;
    TRadioGroupA* GmLevel_ = nullptr;
    TCheckBoxA* Dnry_ = nullptr;
    TCheckBoxA* MakShoof_ = nullptr;
    TCheckBoxA* Strt_ = nullptr;
    TCheckBoxA* Rvrs_ = nullptr;
    QPushButton* OKButton_ = nullptr;
};
