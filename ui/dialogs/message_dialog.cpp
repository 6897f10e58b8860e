#include "ui/dialogs/message_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "game/ports.h"
#include "ui/access/spoken_texts.h"
#include "ui/style/arabic_style.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"
#include "ui/style/memos.h"
#include "ui/style/pictures.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {
constexpr int kWidth = 247;
constexpr int kHeight = 122;
constexpr int kLineHeight = 17;  // two lines of the memo show at once
const QColor kSilver(0xc0, 0xc0, 0xc0);
}  // namespace

MessageDialog::MessageDialog(QWidget* parent) : GameDialog(parent) {
    setObjectName(QStringLiteral("frmMsg"));
    setWindowTitle(QString::fromUtf8(kMessageDialogCaption));
    setFixedSize(kWidth, kHeight);
    setFont(ArabicFont(FontFace::Naskh, 12, true));

    panel_ = MakePanel(this, "Panel1", QRect(0, 0, kWidth, kHeight), QFrame::Sunken, 2,
                       QString::fromUtf8(kMessageDialogCaption));

    memo_ = new QTextEdit(panel_);
    memo_->setObjectName(QStringLiteral("Msg"));
    memo_->setGeometry(26, 18, 197, 43);
    MakeDisplayMemo(*memo_, kSilver, QString::fromUtf8(kMessageName));
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A long announcement still shows all of its words: the bar appears only then.
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo_->document()->setDocumentMargin(2);

    // The triumphant computer of the score sheet, named by its look: it shows whoever won.
    face_ = new QLabel(panel_);
    face_->setObjectName(QStringLiteral("MAC3"));
    face_->setAccessibleName(QString::fromUtf8(kMessageFaceName));
    face_->setGeometry(48, 77, 32, 32);
    face_->setPixmap(Picture(QStringLiteral("MAC3"), 32, 32, devicePixelRatioF()));

    okButton_ = MakeContinueButton(*this, panel_, "OKBtn", kMsgOkCaption, QRect(134, 78, 77, 27));
}

void MessageDialog::ShowText(const QString& text) {
    SetMemoText(*memo_, text, Qt::AlignHCenter, kLineHeight);
    // A screen reader reads the message as the dialog opens.
    setAccessibleDescription(SpokenMessage(text));
    okButton_->setFocus();
    exec();
}

QString MessageDialog::Text() const {
    return memo_->toPlainText();
}

}  // namespace tazkova::ui
