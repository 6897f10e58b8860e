#include "ui/dialogs/review_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/dialogs/coach_texts.h"
#include "ui/style/arabic_style.h"
#include "ui/style/pictures.h"

namespace tazkova::ui {

namespace {
constexpr int kWidth = 460;
constexpr int kHeight = 420;
constexpr QSize kCardIcon(24, 34);
const QColor kMarked(0xff, 0xe8, 0xb0);
}  // namespace

ReviewDialog::ReviewDialog(QWidget* parent) : GameDialog(parent) {
    SetUp("frmReview", kReviewCaption, QSize(kWidth, kHeight), ArabicFont(FontFace::Sans, 13));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ReviewSummary"));
    summary_->setGeometry(12, 8, kWidth - 24, 78);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    summary_->setTextFormat(Qt::PlainText);

    entries_ = new QListWidget(this);
    entries_->setObjectName(QStringLiteral("ReviewPlays"));
    entries_->setGeometry(12, 90, kWidth - 24, kHeight - 140);
    entries_->setLayoutDirection(Qt::RightToLeft);
    entries_->setWordWrap(true);
    entries_->setIconSize(kCardIcon);
    entries_->setAccessibleName(QString::fromUtf8(kReviewListName));
    entries_->setSelectionMode(QAbstractItemView::SingleSelection);

    closeButton_ = MakeContinueButton(*this, this, "ReviewClose", kReviewCloseCaption,
                                      QRect(kWidth - 112, kHeight - 42, 100, 30));
    ShowNoHand();
}

void ReviewDialog::ShowWaiting() {
    entries_->clear();
    summary_->setText(QString::fromUtf8(kReviewWaiting));
    setAccessibleDescription(summary_->text());
}

void ReviewDialog::ShowNoHand() {
    entries_->clear();
    summary_->setText(QString::fromUtf8(kReviewNoHand));
    setAccessibleDescription(summary_->text());
}

void ReviewDialog::ShowReview(const std::vector<game::HumanPlayRecord>& plays,
                              const std::vector<coach::Judgement>& review) {
    entries_->clear();
    for (std::size_t i = 0; i < review.size() && i < plays.size(); ++i) {
        const coach::Judgement& j = review[i];
        auto* item =
            new QListWidgetItem(ReviewEntry(static_cast<int>(i) + 1, j, plays[i].before), entries_);
        if (j.Marked()) {
            // The better play's card, shown beside its name.
            item->setIcon(
                QIcon(Picture(QStringLiteral("card%1").arg(j.best.card, 2, 10, QLatin1Char('0')),
                              kCardIcon.width(), kCardIcon.height(), devicePixelRatioF())));
            item->setBackground(kMarked);
        }
    }
    summary_->setText(ReviewSummary(review) + u'\n' + QString::fromUtf8(kReviewEstimate));
    // Read as the dialog opens: the summary; the plays are read one by one in the list.
    setAccessibleDescription(summary_->text());
    if (entries_->count() > 0) entries_->setCurrentRow(0);
    entries_->setFocus();
}

}  // namespace tazkova::ui
