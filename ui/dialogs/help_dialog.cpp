#include "ui/dialogs/help_dialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHideEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTextEdit>
#include <QTextOption>

#include "store/user_folders.h"
#include "ui/dialogs/desktop_shortcut.h"
#include "ui/style/arabic_style.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"
#include "ui/style/memos.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {
constexpr int kWidth = 491;
// The rules above, the keys of the game below them, the buttons at the foot.
constexpr int kKeysTop = 106;
constexpr int kKeysHeight = 182;
constexpr int kButtonsTop = kKeysTop + kKeysHeight + 7;
constexpr int kHeight = kButtonsTop + 33;
constexpr int kLineHeight = 17;  // the five rules fill the memo without a scroll bar
}  // namespace

HelpDialog::HelpDialog(game::Game& game, QWidget* parent) : GameDialog(parent), game_(game) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QString::fromStdString(game::Game::Banner()));
    setFixedSize(kWidth, kHeight);
    setFont(ArabicFont(FontFace::Naskh, 13));

    panel_ = MakePanel(this, "Panel1", QRect(0, 0, kWidth, kHeight), QFrame::Sunken, 1,
                       QString::fromUtf8(kMenuHelp));

    rulesMemo_ = new QTextEdit(panel_);
    rulesMemo_->setObjectName(QStringLiteral("Memo1"));
    rulesMemo_->setGeometry(8, 9, 474, 93);
    MakeDisplayMemo(*rulesMemo_, palette().color(QPalette::Window), QString::fromUtf8(kRulesName));
    rulesMemo_->setFont(ArabicFont(FontFace::Naskh, 12, true));
    rulesMemo_->setLineWrapMode(QTextEdit::NoWrap);
    rulesMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rulesMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rulesMemo_->document()->setDocumentMargin(2);
    QStringList lines;
    for (const char* line : kHelpLines) lines << QString::fromUtf8(line);
    SetMemoText(*rulesMemo_, lines.join(u'\n'), Qt::AlignRight | Qt::AlignAbsolute, kLineHeight);
    // Read aloud line by line, without the drawn-out letters and the Latin names.
    QStringList spoken;
    for (const QString& line : lines) spoken << SpokenText(line);
    rulesMemo_->setAccessibleDescription(spoken.join(QStringLiteral(". ")));

    shortcutButton_ = new QPushButton(QString::fromUtf8(kShortcutCaption), panel_);
    shortcutButton_->setObjectName(QStringLiteral("BitBtn1"));
    keysMemo_ = new QTextEdit(panel_);
    keysMemo_->setObjectName(QStringLiteral("KeysMemo"));
    keysMemo_->setGeometry(8, kKeysTop, 474, kKeysHeight);
    MakeDisplayMemo(*keysMemo_, palette().color(QPalette::Window), QString::fromUtf8(kKeysName));
    keysMemo_->setFont(ArabicFont(FontFace::Sans, 11));
    keysMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keysMemo_->document()->setDocumentMargin(2);

    shortcutButton_->setGeometry(11, kButtonsTop + 2, 162, 25);
    shortcutButton_->setLayoutDirection(Qt::RightToLeft);
    shortcutButton_->setAutoDefault(false);
    // The button also carries the OK result: the dialog closes once the shortcut is made.
    connect(shortcutButton_, &QPushButton::clicked, this, [this] {
        CreateDesktopShortcut();
        accept();
    });

    okButton_ = MakeContinueButton(*this, panel_, "BitBtn2", kHelpOkCaption,
                                   QRect(395, kButtonsTop, 77, 25));
}

void HelpDialog::SetKeys(const std::vector<std::pair<QString, QString>>& keys) {
    // Three commands a line, each followed by its key, read from right to left: the table's
    // columns are laid out from the left, so each line lists its cells from the last.
    constexpr std::size_t kPerLine = 3;
    QString html = QStringLiteral("<table width=\"100%\" cellpadding=\"1\">");
    for (std::size_t i = 0; i < keys.size(); i += kPerLine) {
        html += QStringLiteral("<tr>");
        for (std::size_t j = i + kPerLine; j-- > i;) {
            // A key is embedded as a left-to-right run, so that signs such as the "+" of
            // "Ctrl++" stay in their places when the line reads from the right, and is never
            // broken across lines.
            html += j < keys.size()
                        ? QStringLiteral("<td align=\"right\">%1: <b>\u202a%2\u202c</b></td>")
                              .arg(keys[j].first.toHtmlEscaped(),
                                   keys[j].second.toHtmlEscaped().replace(u' ',
                                                                          QStringLiteral("&nbsp;")))
                        : QStringLiteral("<td></td>");
        }
        html += QStringLiteral("</tr>");
    }
    QTextOption rightToLeft(Qt::AlignRight);
    rightToLeft.setTextDirection(Qt::RightToLeft);
    keysMemo_->document()->setDefaultTextOption(rightToLeft);
    keysMemo_->setHtml(html + QStringLiteral("</table>"));
}

QString HelpDialog::KeysText() const {
    return keysMemo_->toPlainText();
}

QString HelpDialog::Text() const {
    return rulesMemo_->toPlainText();
}

void HelpDialog::CreateDesktopShortcut() {
    const QString folder = desktopFolder_.isEmpty() ? UserDesktopFolder() : desktopFolder_;
    const QString dataHome = store::DataHome();
    const QString icon =
        ShortcutIcon(store::DataDirs(),
                     dataHome.isEmpty() ? QString() : dataHome + QStringLiteral("/Qorvel/Tazkova"));
    const ShortcutResult result = CreateShortcut(QStringLiteral("Tazkova"), false, folder,
                                                 QCoreApplication::applicationFilePath(), icon);
    if (!result.ok) ShowNote(this, QMessageBox::Warning, QStringLiteral("Tazkova"), result.reason);
}

void HelpDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        okButton_->setFocus();
        game_.PlayWave(game::Wave::Applause);
    }
    GameDialog::showEvent(event);
}

void HelpDialog::hideEvent(QHideEvent* event) {
    // However the dialog is closed (either button, Escape, the close box), the applause ends.
    if (!event->spontaneous()) game_.StopWave(game::Wave::Applause);
    GameDialog::hideEvent(event);
}

}  // namespace tazkova::ui
