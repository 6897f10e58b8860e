#include "ui/dialogs/rules_manual.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTextTable>

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

/// Where the text layout puts the first cell of a right-to-left table's row: true when on
/// the right, as in a browser. Qt 6.4 sets the table's direction from dir="rtl" but still
/// lays its columns out from the left.
bool TablesReadFromTheRight() {
    QTextDocument probe;
    probe.setHtml(QStringLiteral(
        "<table dir=\"rtl\" width=\"100%\"><tr><td>\u0623</td><td>\u0628</td></tr></table>"));
    probe.setTextWidth(200);
    const QList<QTextFrame*> frames = probe.rootFrame()->childFrames();
    const auto* table = frames.isEmpty() ? nullptr : qobject_cast<QTextTable*>(frames.first());
    if (!table) return false;
    QAbstractTextDocumentLayout* layout = probe.documentLayout();
    const QTextBlock first = table->cellAt(0, 0).firstCursorPosition().block();
    const QTextBlock second = table->cellAt(0, 1).firstCursorPosition().block();
    return layout->blockBoundingRect(first).left() > layout->blockBoundingRect(second).left();
}

/// The page with each table row's cells in the order they are seen from the left, where the
/// text layout does not put a right-to-left table's first column on the right by itself.
QString ColumnsFromTheLeft(const QString& page) {
    static const bool fromTheRight = TablesReadFromTheRight();
    if (fromTheRight) return page;
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<t([hd])>.*?</t\\1>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QString shown;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& found : row.globalMatch(page)) {
        QStringList cells;
        for (const QRegularExpressionMatch& one : cell.globalMatch(found.captured(1)))
            cells.prepend(one.captured(0));
        shown += page.mid(done, found.capturedStart() - done);
        shown += QStringLiteral("<tr>") + cells.join(QString()) + QStringLiteral("</tr>");
        done = found.capturedEnd();
    }
    return shown + page.mid(done);
}
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
    browser_->setHtml(ColumnsFromTheLeft(page));
    // The text layout sets a list item's lines from the left even in a right-to-left block:
    // they are put at the right edge, beside their bullets, as a browser shows them.
    QTextBlockFormat rightEdge;
    rightEdge.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next())
        if (block.textList()) QTextCursor(block).mergeBlockFormat(rightEdge);
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
