#include "ui/results_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include "game/texts.h"
#include "ui/look.h"
#include "ui/ui_texts.h"

namespace tazkova::ui {

using game::Face;
using game::kFaceCount;
using game::ResultsSheet;

namespace {

struct Row {
    int top;
    const char* label;
    int computerBox;
    int humanBox;
};

// One row per scoring category: the computer's box on the left, the human's on the right.
constexpr std::array<Row, 9> kRows{{
    {57, kLabel1, 0, 1},
    {84, kLabel2, 2, 3},
    {110, kLabel3, 4, 5},
    {137, kLabel4, 6, 7},
    {177, kLabel9, 16, 17},
    {203, kLabel5, 8, 9},
    {235, kLabel6, 10, 11},
    {271, kLabel7, 12, 13},
    {313, kLabel8, 14, 15},
}};

}  // namespace

ResultsDialog::ResultsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSmry"));
    setWindowTitle(QString::fromUtf8(game::texts::kResultsCaption));
    setFixedSize(214, 399);
    setFont(ArabicFont(FontFace::Sans, 13));

    // The panel holds every box and is disabled, so nothing on it can be focused or edited.
    panel_ = MakePanel(this, "RsltFrame", QRect(0, 0, 214, 399), QFrame::Sunken, 2,
                       QColor(0xc0, 0xc0, 0xc0));
    QPalette panel = panel_->palette();
    // The boxes are disabled but must stay readable.
    panel.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    panel.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
    panel.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    panel_->setPalette(panel);

    using Style = Bevel::Style;
    new Bevel(panel_, QRect(12, 52, 190, 112), Style::LoweredBox);
    new Bevel(panel_, QRect(12, 172, 190, 90), Style::LoweredBox);
    auto* rule = new QFrame(panel_);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(16, 230, 182, 2);
    new Bevel(panel_, QRect(12, 266, 190, 34), Style::LoweredBox);
    new Bevel(panel_, QRect(12, 308, 190, 34), Style::LoweredBox);
    new Bevel(panel_, QRect(12, 342, 190, 50), Style::LoweredBox);

    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const Row& row = kRows[r];
        const int height = r < 4 ? 22 : 24;
        auto* label = new QLabel(QString::fromUtf8(row.label), panel_);
        label->setObjectName(QStringLiteral("Label%1").arg(r + 1));
        label->setGeometry(128, row.top, 80, height);
        label->setLayoutDirection(Qt::RightToLeft);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (const int index : {row.computerBox, row.humanBox}) {
            auto* box = new QLineEdit(panel_);
            box->setObjectName(QStringLiteral("Rslt%1").arg(index));
            box->setGeometry(index == row.computerBox ? 21 : 80, row.top, 40, height);
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            box->setAlignment(Qt::AlignCenter);
            boxes_[index] = box;
        }
    }
    boxes_[1]->setToolTip(QString::fromUtf8(kRslt1Hint));

    statusMemo_ = new QPlainTextEdit(panel_);
    statusMemo_->setObjectName(QStringLiteral("Status"));
    statusMemo_->setGeometry(17, 345, 166, 43);
    statusMemo_->setReadOnly(true);
    statusMemo_->setLayoutDirection(Qt::RightToLeft);
    statusMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    static constexpr std::array<int, kFaceCount> kFaceLeft{19, 19, 19, 86, 86, 86};
    static constexpr std::array<int, kFaceCount> kFaceTop{13, 13, 13, 15, 15, 15};
    for (int f = 0; f < kFaceCount; ++f) {
        const QString name = QString::fromLatin1(FaceName(static_cast<Face>(f)));
        auto* face = new QLabel(panel_);
        face->setObjectName(name);
        face->setGeometry(kFaceLeft[f], kFaceTop[f], 32, 32);
        face->setPixmap(Picture(name, 32, 32, devicePixelRatioF()));
        faces_[f] = face;
    }
    panel_->setEnabled(false);

    // The OK button lies on the form itself, over the panel, and stays usable.
    okButton_ = MakeContinueButton(*this, this, "OKButton", kOkCaption, QRect(142, 11, 60, 26));
    okButton_->setFont(ArabicFont(FontFace::Sans, 12, true));
    okButton_->setFocus();
}

void ResultsDialog::Fill(const ResultsSheet& sheet) {
    setWindowTitle(QString::fromStdString(sheet.caption));
    for (int i = 0; i < 18; ++i) boxes_[i]->setText(QString::fromStdString(sheet.boxes[i]));
    statusMemo_->setPlainText(QString::fromStdString(sheet.status));
    // Centre every line of the memo.
    QTextCursor cursor(statusMemo_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    cursor.mergeBlockFormat(centred);
    for (int f = 0; f < kFaceCount; ++f) faces_[f]->setVisible(sheet.faces[f]);
}

void ResultsDialog::ShowSheet(const ResultsSheet& sheet) {
    Fill(sheet);
    okButton_->setFocus();
    exec();
}

}  // namespace tazkova::ui
