#include "ui/dialogs/deck_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <vector>

#include "game/table_geometry.h"
#include "ui/decks/card_deck.h"
#include "ui/decks/deck_texts.h"
#include "ui/style/arabic_style.h"
#include "ui/style/pictures.h"

namespace tazkova::ui {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
// The preview's cards, the king of hearts and the ace of spades, drawn at three times the
// table's card so that they stay sharp when the dialog is drawn larger.
constexpr int kCourtCard = 30;
constexpr int kAceCard = 31;
constexpr int kPreviewScale = 3;
const QSize kPreviewPixels(game::kCardWidth* kPreviewScale, game::kCardHeight* kPreviewScale);

constexpr int kKeyRole = Qt::UserRole;
constexpr int kCourtRole = Qt::UserRole + 1;
constexpr int kAceRole = Qt::UserRole + 2;
constexpr int kFileRole = Qt::UserRole + 3;

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QImage OurCard(int card) {
    return Picture(QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0')), game::kCardWidth,
                   game::kCardHeight, kPreviewScale)
        .toImage();
}

QPixmap Preview(const QImage& image) {
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(kPreviewScale);
    return pixmap;
}

}  // namespace

DeckDialog::DeckDialog(QWidget* parent) : GameDialog(parent) {
    SetUp("DeckDialog", kDecksCaption, QSize(kWidth, kHeight), ArabicFont(FontFace::Sans, 13));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("DeckList"));
    list_->setAccessibleName(Utf8(kDecksCaption));
    list_->setGeometry(172, 12, kWidth - 184, 186);
    court_ = new QLabel(this);
    court_->setObjectName(QStringLiteral("DeckPreviewCourt"));
    court_->setGeometry(89, 40, game::kCardWidth, game::kCardHeight);
    ace_ = new QLabel(this);
    ace_->setObjectName(QStringLiteral("DeckPreviewAce"));
    ace_->setGeometry(12, 40, game::kCardWidth, game::kCardHeight);
    for (QLabel* card : {court_, ace_}) card->setAccessibleName(Utf8(kDeckPreviewName));
    note_ = new QLabel(Utf8(kDecksLooking), this);
    note_->setObjectName(QStringLiteral("DeckNote"));
    note_->setGeometry(12, 202, kWidth - 24, 56);
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);

    auto* use = new QPushButton(Utf8(kDeckUse), this);
    use->setObjectName(QStringLiteral("DeckUseButton"));
    use->setGeometry(12, kHeight - 36, 90, 27);
    use->setDefault(true);
    connect(use, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(Utf8(kDeckCancel), this);
    cancel->setObjectName(QStringLiteral("DeckCancelButton"));
    cancel->setGeometry(110, kHeight - 36, 90, 27);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double click or Enter on a deck chooses it.
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this, &DeckDialog::ShowPreview);
    setTabOrder(list_, use);
    setTabOrder(use, cancel);

    AddDeck(QString::fromLatin1(kOurDeckKey), Utf8(kOurDeckName), OurCard(kCourtCard),
            OurCard(kAceCard), {});
}

DeckDialog::~DeckDialog() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void DeckDialog::LookForDecks() {
    if (worker_.joinable()) return;
    // Each deck is read and drawn away from the window's thread (a large deck takes a good
    // part of a second), and listed on it.
    worker_ = std::thread([this, decks = FindDecks()]() mutable { Work(std::move(decks)); });
}

void DeckDialog::Work(std::vector<DeckEntry> decks) {
    std::size_t next = 0;
    for (;;) {
        DeckEntry entry;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stop_ || asked_ || next < decks.size(); });
            if (stop_) return;
            if (asked_) {
                entry = *std::exchange(asked_, std::nullopt);
            } else {
                entry = decks[next++];
            }
        }
        Read read{entry, CardDeck::Load(entry.file), {}, {}};
        if (read.deck) {
            read.court = read.deck->Draw(kCourtCard, kPreviewPixels);
            read.ace = read.deck->Draw(kAceCard, kPreviewPixels);
        }
        const bool last = next == decks.size();
        QMetaObject::invokeMethod(
            this,
            [this, read = std::move(read), last] {
                TakeRead(read);
                if (last && !looked_) {
                    looked_ = true;
                    note_->setText(Utf8(kDecksWhere));
                }
            },
            Qt::QueuedConnection);
    }
}

void DeckDialog::TakeRead(const Read& read) {
    bool listed = false;
    for (int row = 0; row < list_->count(); ++row)
        listed = listed || list_->item(row)->data(kKeyRole).toString() == read.entry.key;
    if (read.deck && !listed) {
        // Listed as the deck to choose, it is kept read at once.
        if (read.entry.key == wanted_) kept_ = {read.entry.key, read.deck};
        AddDeck(read.entry.key, read.entry.name, read.court, read.ace, read.entry.file);
    }
    // The deck chosen, read whole or found broken since it was listed.
    const QListWidgetItem* current = list_->currentItem();
    if (current && current->data(kKeyRole).toString() == read.entry.key)
        kept_ = {read.entry.key, read.deck};
}

void DeckDialog::AddDeck(const QString& key, const QString& name, const QImage& court,
                         const QImage& ace, const QString& file) {
    auto* item = new QListWidgetItem(name, list_);
    item->setData(kKeyRole, key);
    item->setData(kCourtRole, court);
    item->setData(kAceRole, ace);
    item->setData(kFileRole, file);
    if (key == wanted_ || list_->count() == 1) list_->setCurrentItem(item);
}

void DeckDialog::SelectKey(const QString& key) {
    wanted_ = key.isEmpty() ? QString::fromLatin1(kOurDeckKey) : key;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(kKeyRole).toString() == wanted_) list_->setCurrentRow(row);
}

void DeckDialog::ShowPreview() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    court_->setPixmap(Preview(item->data(kCourtRole).value<QImage>()));
    ace_->setPixmap(Preview(item->data(kAceRole).value<QImage>()));
    ReadChosen();
}

void DeckDialog::ReadChosen() {
    const QListWidgetItem* item = list_->currentItem();
    const QString key = item ? item->data(kKeyRole).toString() : QString();
    if (key == kept_.key) return;
    kept_ = {};
    if (!item || key == QLatin1String(kOurDeckKey)) return;
    {
        const std::lock_guard lock(mutex_);
        asked_ = DeckEntry{key, item->text(), item->data(kFileRole).toString()};
    }
    wake_.notify_all();
}

DeckDialog::Choice DeckDialog::Chosen() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return {};
    const QString key = item->data(kKeyRole).toString();
    if (key == QLatin1String(kOurDeckKey)) return {key, nullptr};
    if (kept_.key != key) {
        ReadChosen();
        // The thread reads it next; the window waits as little as it can.
        while (kept_.key != key && worker_.joinable())
            QCoreApplication::processEvents(
                QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return kept_;
}

std::optional<DeckDialog::Choice> DeckDialog::Choose(const QString& inUse) {
    LookForDecks();
    SelectKey(inUse);
    list_->setFocus();
    if (exec() != QDialog::Accepted || !list_->currentItem()) return std::nullopt;
    return Chosen();
}

}  // namespace tazkova::ui
