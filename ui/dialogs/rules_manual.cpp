#include "ui/dialogs/rules_manual.h"

#include <QFile>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextOption>

#include "ui/style/arabic_style.h"
#include "ui/style/game_dialog.h"
#include "ui/style/ui_texts.h"

// The manual lives in a static library; its resource must be registered by hand.
static void RegisterManual() {
    Q_INIT_RESOURCE(manual);
}

namespace tazkova::ui {

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 480;
const QString kKeysPlace = QStringLiteral("<!--KEYS-->");
}  // namespace

RulesManual::RulesManual(QWidget* parent) : GameDialog(parent) {
    SetUp("RulesManual", kManualCaption, QSize(kWidth, kHeight), ArabicFont(FontFace::Naskh, 14));

    RegisterManual();
    QFile file(QStringLiteral(":/manual/rules.html"));
    if (file.open(QIODevice::ReadOnly)) page_ = QString::fromUtf8(file.readAll());

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("RulesBrowser"));
    browser_->setAccessibleName(QString::fromUtf8(kManualCaption));
    browser_->setGeometry(10, 10, kWidth - 20, kHeight - 58);
    browser_->setLayoutDirection(Qt::RightToLeft);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    // Every paragraph reads from the right, also one that opens with a Latin word.
    QTextOption rightToLeft(Qt::AlignRight);
    rightToLeft.setTextDirection(Qt::RightToLeft);
    rightToLeft.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    browser_->document()->setDefaultTextOption(rightToLeft);
    SetKeys({});

    okButton_ =
        MakeContinueButton(*this, this, "OKButton", kOkCaption, QRect(10, kHeight - 38, 80, 27));
}

void RulesManual::SetKeys(const std::vector<std::pair<QString, QString>>& keys) {
    QString table = QStringLiteral(
        "<table dir=\"rtl\" align=\"right\" border=\"1\" cellpadding=\"4\" cellspacing=\"0\">");
    for (const auto& [what, key] : keys) {
        // A key is embedded as a left-to-right run, so that "Ctrl++" keeps its signs in place.
        table += QStringLiteral("<tr><td>%1</td><td><b>\u202a%2\u202c</b></td></tr>")
                     .arg(what.toHtmlEscaped(), key.toHtmlEscaped());
    }
    table += QStringLiteral("</table>");
    QString page = page_;
    page.replace(kKeysPlace, table);
    browser_->setHtml(page);
}

QString RulesManual::Text() const {
    return browser_->toPlainText();
}

void RulesManual::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Each opening starts at the top, with the focus in the text for the arrow keys.
        browser_->scrollToAnchor(QStringLiteral("top"));
        browser_->setFocus();
    }
    GameDialog::showEvent(event);
}

}  // namespace tazkova::ui
