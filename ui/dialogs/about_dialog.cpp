#include "ui/dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "tazkova_version.h"
#include "ui/style/arabic_style.h"
#include "ui/style/game_dialog.h"
#include "ui/style/pictures.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {
constexpr int kWidth = 360;
constexpr int kHeight = 190;
}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : GameDialog(parent) {
    SetUp("AboutDialog", kAboutCaption, QSize(kWidth, kHeight), ArabicFont(FontFace::Naskh, 13));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("AboutIcon"));
    icon->setAccessibleName(QStringLiteral("تازكوفا"));
    icon->setGeometry(kWidth - 76, 14, 64, 64);
    icon->setPixmap(Picture(QStringLiteral("tazkova"), 64, 64, devicePixelRatioF()));

    // Every line reads from the right, also the first, which opens with a Latin word.
    QStringList lines = QString::fromUtf8(kAboutText)
                            .arg(QLatin1String(kTazkovaVersion), QLatin1String(qVersion()))
                            .split(u'\n');
    for (QString& line : lines) line.prepend(QChar(0x200f));
    text_ = new QLabel(lines.join(u'\n'), this);
    text_->setObjectName(QStringLiteral("AboutText"));
    text_->setGeometry(12, 10, kWidth - 96, kHeight - 56);
    text_->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    text_->setWordWrap(true);
    text_->setAccessibleName(SpokenText(text_->text()));

    MakeContinueButton(*this, this, "OKButton", kOkCaption, QRect(12, kHeight - 38, 80, 27))
        ->setFocus();
}

QString AboutDialog::Text() const {
    return text_->text();
}

}  // namespace tazkova::ui
