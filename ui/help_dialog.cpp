#include "ui/help_dialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHideEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStringList>
#include <QTextEdit>

#include "ui/desktop_shortcut.h"
#include "ui/look.h"
#include "ui/ui_texts.h"

namespace tazkova::ui {

using game::Game;
using game::Wave;

namespace {
constexpr int kWidth = 491;
constexpr int kHeight = 144;
constexpr int kLineHeight = 17;  // the five rules fill the memo without a scroll bar
}  // namespace

HelpDialog::HelpDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_(game) {
    ArabicStyle::Install();
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QString::fromStdString(Game::Banner()));
    setFixedSize(kWidth, kHeight);
    setFont(ArabicFont(FontFace::Naskh, 13));

    panel_ = MakePanel(this, "Panel1", QRect(0, 0, kWidth, kHeight), QFrame::Sunken, 1);

    rulesMemo_ = new QTextEdit(panel_);
    rulesMemo_->setObjectName(QStringLiteral("Memo1"));
    rulesMemo_->setGeometry(8, 9, 474, 93);
    MakeDisplayMemo(*rulesMemo_, palette().color(QPalette::Window));
    rulesMemo_->setFont(ArabicFont(FontFace::Naskh, 12, true));
    rulesMemo_->setLineWrapMode(QTextEdit::NoWrap);
    rulesMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rulesMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rulesMemo_->document()->setDocumentMargin(2);
    QStringList lines;
    for (const char* line : kHelpLines) lines << QString::fromUtf8(line);
    SetMemoText(*rulesMemo_, lines.join(u'\n'), Qt::AlignRight | Qt::AlignAbsolute, kLineHeight);

    shortcutButton_ = new QPushButton(QString::fromUtf8(kShortcutCaption), panel_);
    shortcutButton_->setObjectName(QStringLiteral("BitBtn1"));
    shortcutButton_->setGeometry(11, 113, 162, 25);
    shortcutButton_->setLayoutDirection(Qt::RightToLeft);
    shortcutButton_->setAutoDefault(false);
    // The button also carries the OK result: the dialog closes once the shortcut is made.
    connect(shortcutButton_, &QPushButton::clicked, this, [this] {
        CreateDesktopShortcut();
        accept();
    });

    okButton_ =
        MakeContinueButton(*this, panel_, "BitBtn2", kHelpOkCaption, QRect(395, 111, 77, 25));
}

QString HelpDialog::Text() const {
    return rulesMemo_->toPlainText();
}

void HelpDialog::CreateDesktopShortcut() {
    const QString folder = desktopFolder_.isEmpty() ? UserDesktopFolder() : desktopFolder_;
    const QString icon =
        ShortcutIcon(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const ShortcutResult result = CreateShortcut(QStringLiteral("Tazkova"), false, folder,
                                                 QCoreApplication::applicationFilePath(), icon);
    if (!result.ok) QMessageBox::warning(this, QStringLiteral("Tazkova"), result.reason);
}

void HelpDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        CentreOnScreen(*this);
        okButton_->setFocus();
        game_.PlayWave(Wave::Applause);
    }
    QDialog::showEvent(event);
}

void HelpDialog::hideEvent(QHideEvent* event) {
    // However the dialog is closed (either button, Escape, the close box), the applause ends.
    if (!event->spontaneous()) game_.StopWave(Wave::Applause);
    QDialog::hideEvent(event);
}

}  // namespace tazkova::ui
