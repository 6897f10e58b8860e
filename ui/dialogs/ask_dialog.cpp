#include "ui/dialogs/ask_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/kept_texts.h"
#include "ui/style/arabic_style.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

AskDialog::AskDialog(QWidget* parent) : GameDialog(parent) {
    setObjectName(QStringLiteral("frmAsk"));
    setWindowTitle(QString::fromUtf8(kAskCaption));
    setLayoutDirection(Qt::RightToLeft);
    setFont(ArabicFont(FontFace::Naskh, 12, true));
    auto* column = new QVBoxLayout(this);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("AskText"));
    text_->setWordWrap(true);
    text_->setMinimumWidth(300);
    text_->setAlignment(Qt::AlignCenter);
    column->addWidget(text_);
    auto* row = new QHBoxLayout;
    yes_ = new QPushButton(QString::fromUtf8(kYes), this);
    yes_->setObjectName(QStringLiteral("YesButton"));
    no_ = new QPushButton(QString::fromUtf8(kNo), this);
    no_->setObjectName(QStringLiteral("NoButton"));
    row->addStretch();
    row->addWidget(yes_);
    row->addWidget(no_);
    row->addStretch();
    column->addLayout(row);
    connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
}

bool AskDialog::Ask(const QString& text) {
    text_->setText(text);
    setAccessibleDescription(text);
    yes_->setText(QString::fromUtf8(kYes));
    no_->show();
    no_->setDefault(true);
    no_->setFocus();
    adjustSize();
    return exec() == QDialog::Accepted;
}

void AskDialog::Tell(const QString& text) {
    text_->setText(text);
    setAccessibleDescription(text);
    yes_->setText(QString::fromUtf8(kOkay));
    no_->hide();
    yes_->setDefault(true);
    yes_->setFocus();
    adjustSize();
    exec();
}

QString AskDialog::Text() const {
    return text_->text();
}

}  // namespace tazkova::ui
