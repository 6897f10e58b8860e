#include "ui/dialogs/hand_story.h"

#include <QListWidget>
#include <QPushButton>

#include "game/game.h"
#include "ui/style/arabic_style.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 420;
}  // namespace

HandStory::HandStory(QWidget* parent, const game::Game& game)
    : GameDialog(parent), teller_(game, [this](const std::string& told) { Add(told); }) {
    SetUp("HandStory", kStoryCaption, QSize(kWidth, kHeight), ArabicFont(FontFace::Sans, 13));
    setModal(false);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("StoryList"));
    list_->setAccessibleName(Utf8(kStoryCaption));
    list_->setLayoutDirection(Qt::RightToLeft);
    list_->setWordWrap(true);
    list_->setGeometry(10, 10, kWidth - 20, kHeight - 58);
    auto* close = MakeContinueButton(*this, this, "OKButton", kStoryCloseCaption,
                                     QRect(10, kHeight - 38, 80, 27));
    close->setDefault(false);
}

void HandStory::Open() {
    show();
    raise();
    activateWindow();
    list_->setFocus();
}

void HandStory::TakenBackTo(int playCount) {
    while (!playsAt_.empty() && playsAt_.back() > playCount) {
        playsAt_.pop_back();
        delete list_->takeItem(list_->count() - 1);
    }
    plays_ = playCount;
}

QStringList HandStory::Entries() const {
    QStringList entries;
    for (int i = 0; i < list_->count(); ++i) entries << list_->item(i)->text();
    return entries;
}

void HandStory::HandStarted(const game::HandStart& start) {
    list_->clear();
    playsAt_.clear();
    plays_ = 0;
    teller_.HandStarted(start);
}

void HandStory::RoundDealt(int round) {
    teller_.RoundDealt(round);
}

void HandStory::PlayMade(const game::Play& play) {
    // A play belongs to the plays after it: taken back, it leaves with them.
    ++plays_;
    teller_.PlayMade(play);
}

void HandStory::RestGathered(const game::Gather& gather) {
    teller_.RestGathered(gather);
}

void HandStory::HandScored(const game::ScoreSheet& sheet) {
    teller_.HandScored(sheet);
}

void HandStory::Add(const std::string& sentence) {
    auto* entry = new QListWidgetItem(Utf8(sentence), list_);
    entry->setTextAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    playsAt_.push_back(plays_);
    // The newest entry is the current one: a screen reader in the list hears it.
    list_->setCurrentItem(entry);
    list_->scrollToItem(entry);
}

}  // namespace tazkova::ui
