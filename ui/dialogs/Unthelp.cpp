#include "Unthelp.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHideEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTextEdit>

#include "DesktopShortcut.h"
#include "DialogLook.h"
#include "dialogtexts.h"

using namespace tazkova;
using namespace tazkova::ui;

namespace {
constexpr int kWidth = 491;
constexpr int kHeight = 144;
constexpr int kLineHeight = 17;  // the five rules fill the memo without a scroll bar
}  // namespace

TFrmHelp::TFrmHelp(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_(game) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QString::fromStdString(Game::Banner()));
    setFixedSize(kWidth, kHeight);
    setFont(DialogFont(13, false));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kWidth, kHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Memo1 = new QTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 9, 474, 93);
    MakeDisplayMemo(*Memo1, palette().color(QPalette::Window));
    Memo1->setFont(DialogFont(12, true));
    Memo1->setLineWrapMode(QTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(2);
    QStringList lines;
    for (const char* line : kHelpLines) lines << QString::fromUtf8(line);
    SetMemoText(*Memo1, lines.join(u'\n'), Qt::AlignRight | Qt::AlignAbsolute, kLineHeight);

    BitBtn1 = new QPushButton(QString::fromUtf8(kShortcutCaption), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(11, 113, 162, 25);
    BitBtn1->setLayoutDirection(Qt::RightToLeft);
    BitBtn1->setAutoDefault(false);
    // The button also carries the OK result: the dialog closes once the shortcut is made.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });

    BitBtn2 = new QPushButton(QString::fromUtf8(kHelpOkCaption), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(395, 111, 77, 25);
    BitBtn2->setLayoutDirection(Qt::RightToLeft);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

QString TFrmHelp::Text() const {
    return Memo1->toPlainText();
}

void TFrmHelp::BitBtn1Click() {
    const QString folder = desktopFolder_.isEmpty() ? UserDesktopFolder() : desktopFolder_;
    const ShortcutResult result = CreateShortcut(QStringLiteral("Tazkova"), false, folder,
                                                 QCoreApplication::applicationFilePath());
    if (!result.ok) QMessageBox::warning(this, QStringLiteral("Tazkova"), result.reason);
}

void TFrmHelp::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        CentreOnScreen(*this);
        BitBtn2->setFocus();
        game_.PlayWave(Wave::Clap);
    }
    QDialog::showEvent(event);
}

void TFrmHelp::hideEvent(QHideEvent* event) {
    // However the dialog is closed (either button, Escape, the close box), the applause ends.
    if (!event->spontaneous()) game_.StopWave(Wave::Clap);
    QDialog::hideEvent(event);
}
