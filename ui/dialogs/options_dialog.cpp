#include "ui/dialogs/options_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <utility>

#include "game/texts.h"
#include "ui/dialogs/kept_texts.h"
#include "ui/style/arabic_style.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {

QLabel* MakeHeading(QWidget* parent, const char* text, int left, int top) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAccessibleName(SpokenText(label->text()));
    label->setLayoutDirection(Qt::RightToLeft);
    label->move(left, top);
    label->adjustSize();
    return label;
}

/// A radio group filled with its design-time items and selection.
RtlRadioGroup* MakeGroup(QWidget* parent, const char* name, const QRect& geometry,
                         const QStringList& items, int itemIndex) {
    auto* group = new RtlRadioGroup(parent);
    group->setObjectName(QLatin1String(name));
    group->BeginReading();
    group->setGeometry(geometry);
    group->SetItems(items);
    group->SetItemIndex(itemIndex);
    group->EndReading();
    return group;
}

/// An empty frame lying behind a check box (a sibling, not its parent), read out as the box.
void MakeFrame(QWidget* parent, const char* name, const QRect& geometry, const char* spoken) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setAccessibleName(SpokenText(QString::fromUtf8(spoken)));
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
}

RtlCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* text,
                          const QRect& geometry, bool checked) {
    auto* box = new RtlCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

QStringList Utf8List(const auto& texts) {
    QStringList list;
    for (const auto& text : texts) list << QString::fromUtf8(std::string_view(text));
    return list;
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : GameDialog(parent) {
    // The level group holds a fifth item, the expert, one item's height below the fourth:
    // the two upper bevels grow by that much, and everything under them moves down by it.
    constexpr int kFifth = 19;
    setObjectName(QStringLiteral("FrmOptn"));
    setWindowTitle(QString::fromUtf8(kOptionsDialogCaption));
    setFixedSize(287, 266 + kFifth);
    // Slightly condensed, so that the longest game-type item fits beside its button within
    // the group's fixed width.
    setFont(ArabicFont(FontFace::Naskh, 11, false, 93));

    // The panel carries every control but the OK button, inside a lowered outer and a raised
    // inner edge.
    BevelPanel* panel = MakePanel(this, "Panel1", rect(), QFrame::Plain, 0,
                                  QString::fromUtf8(kOptionsDialogCaption));
    panel->AddBevel(panel->rect(), BevelStyle::LoweredBox);
    panel->AddBevel(QRect(143, 9, 129, 135 + kFifth), BevelStyle::Raised);  // Bevel1: game type
    panel->AddBevel(QRect(13, 9, 120, 135 + kFifth), BevelStyle::Raised);   // Bevel2: level
    panel->AddBevel(QRect(148, 14, 119, 26), BevelStyle::Lowered);          // Bevel3: type heading
    panel->AddBevel(QRect(18, 12, 110, 26), BevelStyle::Lowered);           // Bevel4: level heading
    panel->AddBevel(QRect(13, 147 + kFifth, 261, 81), BevelStyle::Lowered);  // Bevel5: switches
    // Frames first, so that they lie behind the check boxes they surround.
    MakeFrame(panel, "GroupBox1", QRect(148, 152 + kFifth, 119, 38), kDinariCaption);
    MakeFrame(panel, "GroupBox2", QRect(148, 190 + kFifth, 119, 34), kOpenCardsCaption);
    MakeFrame(panel, "GroupBox3", QRect(18, 152 + kFifth, 110, 38), kAlternateCaption);
    MakeFrame(panel, "GroupBox4", QRect(18, 190 + kFifth, 110, 34), kReverseCaption);

    MakeHeading(panel, kTypeHeading, 172, 18)->setObjectName(QStringLiteral("Label9"));
    typeGroup_ =
        MakeGroup(panel, "GmType", QRect(148, 40, 119, 99), Utf8List(game::texts::kGmTypeItems), 2);
    typeGroup_->setAccessibleName(SpokenText(QString::fromUtf8(kTypeHeading)));
    MakeHeading(panel, kLevelHeading, 42, 16)->setObjectName(QStringLiteral("Label10"));
    levelGroup_ =
        MakeGroup(panel, "GmLevel", QRect(18, 40, 110, 99 + kFifth), Utf8List(kLevelItems), 3);
    levelGroup_->setAccessibleName(SpokenText(QString::fromUtf8(kLevelHeading)));

    dinariBox_ =
        MakeCheckBox(panel, "Dnry", kDinariCaption, QRect(154, 161 + kFifth, 95, 22), true);
    openCardsBox_ =
        MakeCheckBox(panel, "MakShoof", kOpenCardsCaption, QRect(158, 196 + kFifth, 91, 17), false);
    alternateBox_ =
        MakeCheckBox(panel, "Strt", kAlternateCaption, QRect(22, 165 + kFifth, 105, 20), false);
    reverseBox_ =
        MakeCheckBox(panel, "Rvrs", kReverseCaption, QRect(20, 196 + kFifth, 105, 19), false);
    // What each switch does, for a newcomer and for a screen reader.
    for (const auto& [box, tip] : {std::pair{dinariBox_, kDinariTip},
                                   {openCardsBox_, kOpenCardsTip},
                                   {alternateBox_, kAlternateTip},
                                   {reverseBox_, kReverseTip}}) {
        box->setToolTip(QString::fromUtf8(tip));
        box->setAccessibleDescription(box->toolTip());
    }

    okButton_ =
        MakeContinueButton(*this, this, "OKButton", kOkCaption, QRect(99, 233 + kFifth, 77, 27));
    okButton_->setFont(ArabicFont(FontFace::Sans, 11, true));
    okButton_->setFocus();
    cancelButton_ = new QPushButton(QString::fromUtf8(kOptionsCancelCaption), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setGeometry(13, 233 + kFifth, 77, 27);
    cancelButton_->setFont(okButton_->font());
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        reject();
    });
}

void OptionsDialog::ShowModal() {
    struct Controls {
        int type, level;
        game::CheckState dinari, open, alternate, reverse;
        bool operator==(const Controls&) const = default;
    };
    const auto read = [this] {
        return Controls{GameTypeIndex(), LevelIndex(),     DinariRule(),
                        OpenCards(),     AlternateStart(), ReverseGame()};
    };
    const Controls before = read();
    cancelled_ = false;
    exec();
    if (!cancelled_ && (read() == before || !changeCheck_ || changeCheck_())) return;
    typeGroup_->SetItemIndex(before.type);
    levelGroup_->SetItemIndex(before.level);
    for (const auto& [box, state] : {std::pair{dinariBox_, before.dinari},
                                     {openCardsBox_, before.open},
                                     {alternateBox_, before.alternate},
                                     {reverseBox_, before.reverse}})
        box->setCheckState(state == game::CheckState::Checked  ? Qt::Checked
                           : state == game::CheckState::Grayed ? Qt::PartiallyChecked
                                                               : Qt::Unchecked);
}

}  // namespace tazkova::ui
