#include "Untsmry.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include "Artwork.h"
#include "texts.h"
#include "uitexts.h"

using namespace tazkova;
using namespace tazkova::ui;

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

QFrame* Bevel(QWidget* parent, int x, int y, int w, int h) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(x, y, w, h);
    return bevel;
}

}  // namespace

TfrmSmry::TfrmSmry(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSmry"));
    setWindowTitle(QString::fromUtf8(texts::kResultsCaption.data(), texts::kResultsCaption.size()));
    setFixedSize(214, 399);
    setFont(ArabicFont(13));

    // The panel holds every box and is disabled, so nothing on it can be focused or edited.
    RsltFrame_ = new QFrame(this);
    RsltFrame_->setObjectName(QStringLiteral("RsltFrame"));
    RsltFrame_->setGeometry(0, 0, 214, 399);
    RsltFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RsltFrame_->setLineWidth(2);
    RsltFrame_->setAutoFillBackground(true);
    QPalette panel = RsltFrame_->palette();
    panel.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    // The boxes are disabled but must stay readable.
    panel.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    panel.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
    panel.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    RsltFrame_->setPalette(panel);

    Bevel(RsltFrame_, 12, 52, 190, 112);
    Bevel(RsltFrame_, 12, 172, 190, 90);
    auto* rule = new QFrame(RsltFrame_);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(16, 230, 182, 2);
    Bevel(RsltFrame_, 12, 266, 190, 34);
    Bevel(RsltFrame_, 12, 308, 190, 34);
    Bevel(RsltFrame_, 12, 342, 190, 50);

    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const Row& row = kRows[r];
        const int height = r < 4 ? 22 : 24;
        auto* label = new QLabel(QString::fromUtf8(row.label), RsltFrame_);
        label->setObjectName(QStringLiteral("Label%1").arg(r + 1));
        label->setGeometry(128, row.top, 80, height);
        label->setLayoutDirection(Qt::RightToLeft);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (const int index : {row.computerBox, row.humanBox}) {
            auto* box = new QLineEdit(RsltFrame_);
            box->setObjectName(QStringLiteral("Rslt%1").arg(index));
            box->setGeometry(index == row.computerBox ? 21 : 80, row.top, 40, height);
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            box->setAlignment(Qt::AlignCenter);
            ResultBoxes_[index] = box;
        }
    }
    ResultBoxes_[1]->setToolTip(QString::fromUtf8(kRslt1Hint));

    Status_ = new QPlainTextEdit(RsltFrame_);
    Status_->setObjectName(QStringLiteral("Status"));
    Status_->setGeometry(17, 345, 166, 43);
    Status_->setReadOnly(true);
    Status_->setLayoutDirection(Qt::RightToLeft);
    Status_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Status_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    static constexpr std::array<int, kFaceCount> kFaceLeft{19, 19, 19, 86, 86, 86};
    static constexpr std::array<int, kFaceCount> kFaceTop{13, 13, 13, 15, 15, 15};
    for (int f = 0; f < kFaceCount; ++f) {
        const QString name = QString::fromLatin1(FaceName(static_cast<Face>(f)));
        auto* face = new QLabel(RsltFrame_);
        face->setObjectName(name);
        face->setGeometry(kFaceLeft[f], kFaceTop[f], 32, 32);
        face->setPixmap(Picture(name, 32, 32, devicePixelRatioF()));
        faces_[f] = face;
    }
    RsltFrame_->setEnabled(false);

    // The OK button lies on the form itself, over the panel, and stays usable.
    OKButton_ = new QPushButton(QString::fromUtf8(kOkCaption), this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setGeometry(142, 11, 60, 26);
    OKButton_->setFont(ArabicFont(12, true));
    OKButton_->setDefault(true);
    OKButton_->setFocus();
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmSmry::Fill(const ResultsSheet& sheet) {
    setWindowTitle(QString::fromStdString(sheet.caption));
    for (int i = 0; i < 18; ++i) ResultBoxes_[i]->setText(QString::fromStdString(sheet.boxes[i]));
    Status_->setPlainText(QString::fromStdString(sheet.status));
    // Centre every line of the memo.
    QTextCursor cursor(Status_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    cursor.mergeBlockFormat(centred);
    for (int f = 0; f < kFaceCount; ++f) faces_[f]->setVisible(sheet.faces[f]);
}

void TfrmSmry::ShowSheet(const ResultsSheet& sheet) {
    Fill(sheet);
    OKButton_->setFocus();
    exec();
}
