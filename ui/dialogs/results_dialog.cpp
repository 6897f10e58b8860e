#include "ui/dialogs/results_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "game/texts.h"
#include "telling/arabic_plays.h"
#include "ui/access/spoken_texts.h"
#include "ui/style/arabic_style.h"
#include "ui/style/bevel_panel.h"
#include "ui/style/game_dialog.h"
#include "ui/style/memos.h"
#include "ui/style/pictures.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

using game::Face;
using game::kFaceCount;
using game::ResultsSheet;

namespace {

// The row labels end inside the bevels, which run from x 12 to 201.
constexpr int kLabelLeft = 121;
constexpr int kLabelRight = 198;
// The memo holds the longest scoring-suit message in three lines.
constexpr int kMemoFontPixels = 12;
constexpr int kMemoLineHeight = 14;

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

// The results sheet keeps the window manager's usual dialog frame.
ResultsDialog::ResultsDialog(QWidget* parent) : GameDialog(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("frmSmry"));
    setWindowTitle(QString::fromUtf8(game::texts::kResultsCaption));
    setFixedSize(214, 399);
    setFont(ArabicFont(FontFace::Sans, 13));

    // The panel holds every box and is disabled, so nothing on it can be focused or edited.
    panel_ = MakePanel(this, "RsltFrame", QRect(0, 0, 214, 399), QFrame::Sunken, 2,
                       QString::fromUtf8(game::texts::kResultsCaption), QColor(0xc0, 0xc0, 0xc0));
    QPalette panel = panel_->palette();
    // The boxes are disabled but must stay readable.
    panel.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    panel.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
    panel.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    panel_->setPalette(panel);

    // The bevels group rows 1-4, rows 5-7 with a thin rule above row 7, row 8, row 9 and the
    // memo.
    panel_->AddBevel(QRect(12, 52, 190, 112), BevelStyle::LoweredBox);
    panel_->AddBevel(QRect(12, 172, 190, 90), BevelStyle::LoweredBox);
    panel_->AddBevel(QRect(16, 230, 182, 2), BevelStyle::Lowered);
    panel_->AddBevel(QRect(12, 266, 190, 34), BevelStyle::LoweredBox);
    panel_->AddBevel(QRect(12, 308, 190, 34), BevelStyle::LoweredBox);
    panel_->AddBevel(QRect(12, 342, 190, 50), BevelStyle::LoweredBox);

    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const Row& row = kRows[r];
        const int height = r < 4 ? 22 : 24;
        // ": ديناري" reads as it was written, its colon at the phrase's end on the left, and
        // every row's label lies against the bevel's right edge.
        auto* label = new QLabel(ShownText(QString::fromUtf8(row.label)), panel_);
        label->setObjectName(QStringLiteral("Label%1").arg(r + 1));
        // Up to two pixels short of the bevel's right edge, so the text stays inside it.
        label->setGeometry(kLabelLeft, row.top, kLabelRight - kLabelLeft, height);
        label->setLayoutDirection(Qt::RightToLeft);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (const int index : {row.computerBox, row.humanBox}) {
            auto* box = new QLineEdit(panel_);
            box->setObjectName(QStringLiteral("Rslt%1").arg(index));
            box->setGeometry(index == row.computerBox ? 21 : 80, row.top, 40, height);
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            box->setAlignment(Qt::AlignCenter);
            // Read out as the row and the side: "ديناري، الحاسوب".
            box->setAccessibleName(
                SpokenText(label->text()) + QStringLiteral("، ") +
                QString::fromUtf8(index == row.computerBox ? kComputerSide : kPlayerSide));
            boxes_[index] = box;
        }
    }
    boxes_[1]->setToolTip(QString::fromUtf8(kRslt1Hint));

    statusMemo_ = new QTextEdit(panel_);
    statusMemo_->setObjectName(QStringLiteral("Status"));
    statusMemo_->setGeometry(17, 345, 166, 43);
    MakeDisplayMemo(*statusMemo_, Qt::white, QString::fromUtf8(kMessageName));
    statusMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusMemo_->setFont(ArabicFont(FontFace::Sans, kMemoFontPixels));
    statusMemo_->document()->setDocumentMargin(1);

    static constexpr std::array<int, kFaceCount> kFaceLeft{19, 19, 19, 86, 86, 86};
    static constexpr std::array<int, kFaceCount> kFaceTop{13, 13, 13, 15, 15, 15};
    // The faces lie on the form itself, over the panel: a disabled panel takes no input, but
    // it would also grey the pictures on it.
    for (int f = 0; f < kFaceCount; ++f) {
        const QString name = QString::fromLatin1(FaceName(static_cast<Face>(f)));
        auto* face = new QLabel(this);
        face->setObjectName(name);
        face->setAccessibleName(QString::fromUtf8(kFaceNames[f]));
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
    // " 2\3: النتيجـة للعبة" is the hand and its label, read from the left as written.
    setWindowTitle(ShownText(QString::fromStdString(sheet.caption)));
    const std::array<std::string, 18> boxes = sheet.scores.Boxes();
    for (int i = 0; i < 18; ++i) boxes_[i]->setText(QString::fromStdString(boxes[i]));
    SetMemoText(*statusMemo_, QString::fromStdString(sheet.status), Qt::AlignHCenter,
                kMemoLineHeight);
    // Before the first game all six faces lie one over another: none of their moods is meant.
    const bool allFaces =
        std::all_of(sheet.faces.begin(), sheet.faces.end(), [](bool f) { return f; });
    for (int f = 0; f < kFaceCount; ++f) {
        faces_[f]->setVisible(sheet.faces[f]);
        faces_[f]->setAccessibleName(allFaces ? QString() : QString::fromUtf8(kFaceNames[f]));
    }
    // What a screen reader reads as the sheet opens: its message and the match totals, the
    // player's first.
    const auto spokenNumber = [](const QLineEdit* box) {
        bool isNumber = false;
        const int n = box->text().toInt(&isNumber);
        return isNumber ? Utf8(telling::Number(n)) : box->text();
    };
    const QString message = SpokenMessage(statusMemo_->toPlainText());
    setAccessibleDescription((message.isEmpty() ? QString() : message + QStringLiteral(". ")) +
                             QStringLiteral("%1: %2 %3، %4 %5")
                                 .arg(SpokenText(QString::fromUtf8(kLabel7)),
                                      QString::fromUtf8(kPlayerSide), spokenNumber(boxes_[13]),
                                      QString::fromUtf8(kComputerSide), spokenNumber(boxes_[12])));
}

void ResultsDialog::ShowSheet(const ResultsSheet& sheet) {
    Fill(sheet);
    okButton_->setFocus();
    exec();
}

}  // namespace tazkova::ui
