// The desktop's card decks: every card drawn from its element, whole and in its proportions;
// the decks found in the data folders, the hostile ones left out without a hang; the deck
// chosen, remembered, and replaced by ours when it can no longer be drawn.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include "store/settings_file.h"
#include "tests/scratch_home.h"
#include "tests/ui/table_setup.h"
#include "ui/decks/card_deck.h"
#include "ui/decks/deck_catalogue.h"
#include "ui/decks/deck_file.h"
#include "ui/decks/table_deck.h"
#include "ui/dialogs/deck_dialog.h"

namespace tazkova::testing {
namespace {

/// A colour of its own for each card, 0 the back.
QColor CardColour(int card) {
    return QColor::fromHsv((card * 37) % 360, 200, 120 + (card % 3) * 60);
}

/// A deck of 41 plain cards, each a rectangle of its own colour with black corner marks, in a
/// grid; the clubs in a group that stretches them twice as wide, the spades each with a
/// transform of its own. `gnomeNames`: elements named "heart_queen" rather than
/// "queen_heart". `without`: one element left out.
QByteArray TestDeck(bool gnomeNames = false, const QString& without = {},
                    const QString& extra = {}) {
    QString svg = QStringLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
        "width='1200' height='600'>");
    for (int card = 0; card <= game::kDeckSize; ++card) {
        const auto names = ui::ElementNames(card);
        const QString id = gnomeNames ? names[1] : names[0];
        if (id == without) continue;
        const int x = (card % 10) * 70, y = (card / 10) * 100;
        const bool clubs = card >= 1 && card <= 10, spades = card >= 31;
        if (clubs) svg += QStringLiteral("<g transform='scale(2,1)'>");
        svg += QStringLiteral("<g id='%1'%2>")
                   .arg(id, spades ? QStringLiteral(" transform='translate(3,4)'") : QString());
        svg += QStringLiteral("<rect x='%1' y='%2' width='60' height='90' fill='%3'/>")
                   .arg(x)
                   .arg(y)
                   .arg(CardColour(card).name());
        svg += QStringLiteral(
                   "<rect x='%1' y='%2' width='6' height='6' fill='black'/>"
                   "<rect x='%3' y='%4' width='6' height='6' fill='black'/></g>")
                   .arg(x)
                   .arg(y)
                   .arg(x + 54)
                   .arg(y + 84);
        if (clubs) svg += QStringLiteral("</g>");
    }
    return (svg + extra + QStringLiteral("</svg>")).toUtf8();
}

QByteArray Gzip(const QByteArray& bytes) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

/// The smallest rectangle holding every pixel of `image` that is not transparent.
QRect DrawnPart(const QImage& image) {
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) drawn |= QRect(x, y, 1, 1);
    return drawn;
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           24;
}

TEST(CardDecks, EveryCardIsDrawnWholeFromItsOwnElementInItsProportions) {
    // The game's ranks as the desktop's decks name them: 8 the queen, 9 the jack, 10 the king.
    using Names = std::array<QString, 2>;
    EXPECT_EQ(ui::ElementNames(1), (Names{QStringLiteral("1_club"), QStringLiteral("club_1")}));
    EXPECT_EQ(ui::ElementNames(17)[0], QStringLiteral("7_diamond"));
    EXPECT_EQ(ui::ElementNames(18)[0], QStringLiteral("queen_diamond"));
    EXPECT_EQ(ui::ElementNames(29)[1], QStringLiteral("heart_jack"));
    EXPECT_EQ(ui::ElementNames(40),
              (Names{QStringLiteral("king_spade"), QStringLiteral("spade_king")}));
    EXPECT_EQ(ui::ElementNames(0)[0], QStringLiteral("back"));
    for (const bool gnome : {false, true}) {
        const auto deck = ui::CardDeck::FromSvg(TestDeck(gnome));
        ASSERT_TRUE(deck);
        ASSERT_TRUE(deck->HasBack());
        for (int card = 0; card <= game::kDeckSize; ++card) {
            SCOPED_TRACE(card);
            // The clubs are stretched twice as wide by their group: 120 x 90, the others 60 x 90.
            const QSizeF box = deck->BoxOf(card).size();
            EXPECT_EQ(box, card >= 1 && card <= 10 ? QSizeF(120, 90) : QSizeF(60, 90));
            const QSize pixels(142, 192);
            const QImage image = deck->Draw(card, pixels);
            const QRect fitted = ui::CardDeck::FittedPlace(deck->BoxOf(card), pixels).toRect();
            // Whole (both corner marks in), proportions kept, centred in the card's place.
            const QRect drawn = DrawnPart(image);
            EXPECT_LE(std::abs(drawn.left() - fitted.left()) +
                          std::abs(drawn.top() - fitted.top()) +
                          std::abs(drawn.right() - fitted.right()) +
                          std::abs(drawn.bottom() - fitted.bottom()),
                      4)
                << "drawn " << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x"
                << drawn.height();
            EXPECT_LE(std::abs((pixels.width() - drawn.width()) - 2 * drawn.left()), 2);
            EXPECT_TRUE(Near(image.pixelColor(drawn.topLeft() + QPoint(1, 1)), Qt::black));
            EXPECT_TRUE(Near(image.pixelColor(drawn.bottomRight() - QPoint(1, 1)), Qt::black));
            // Its own colour: the right rank and suit.
            EXPECT_TRUE(Near(image.pixelColor(drawn.center()), CardColour(card)));
        }
    }
}

TEST(CardDecks, ARealDeckDrawsEachCardAsItsElementLiesInTheWholeDocument) {
    const QString file = QStringLiteral("/usr/share/carddecks/svg-standard/standard.svgz");
    if (!QFile::exists(file)) GTEST_SKIP() << "kdegames-card-data-kf5 is not installed";
    const auto svg = ui::ReadDeckSvg(file);
    ASSERT_TRUE(svg);
    const auto deck = ui::CardDeck::FromSvg(*svg);
    ASSERT_TRUE(deck);
    QSvgRenderer whole(*svg);
    const qreal scale = 1;
    QImage document((whole.viewBoxF().size() * scale).toSize(),
                    QImage::Format_ARGB32_Premultiplied);
    document.fill(Qt::transparent);
    {
        QPainter painter(&document);
        painter.setRenderHint(QPainter::Antialiasing);
        whole.render(&painter);
    }
    // Each card as the document shows it (its box, at the document's scale), and as drawn.
    std::vector<QImage> expected, drawn;
    for (int card = 1; card <= game::kDeckSize; ++card) {
        const QRectF box = deck->BoxOf(card);
        const QRectF at((box.topLeft() - whole.viewBoxF().topLeft()) * scale, box.size() * scale);
        const QSize place = ui::CardDeck::FittedPlace(box, QSize(71, 96)).toRect().size();
        expected.push_back(document.copy(at.toAlignedRect())
                               .scaled(place, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32));
        drawn.push_back(deck->Draw(card, QSize(71, 96))
                            .copy(ui::CardDeck::FittedPlace(box, QSize(71, 96)).toRect())
                            .convertToFormat(QImage::Format_RGB32));
    }
    // The mean difference of two pictures a channel, their edges aside.
    const auto difference = [](const QImage& a, const QImage& b) {
        long sum = 0, count = 0;
        for (int y = 2; y < std::min(a.height(), b.height()) - 2; ++y) {
            const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 2; x < std::min(a.width(), b.width()) - 2; ++x, ++count)
                sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x])) +
                       std::abs(qBlue(p[x]) - qBlue(q[x]));
        }
        return double(sum) / (3 * std::max(1L, count));
    };
    for (int card = 1; card <= game::kDeckSize; ++card) {
        SCOPED_TRACE(card);
        // Close to its own place in the document, and closer to it than to any other card's.
        const double own = difference(drawn[card - 1], expected[card - 1]);
        EXPECT_LT(own, 20);
        for (int other = 1; other <= game::kDeckSize; ++other) {
            if (other == card) continue;
            EXPECT_LT(own, difference(drawn[card - 1], expected[other - 1])) << other;
        }
    }
}

TEST(CardDecks, AnSvgzIsInflatedWithinItsBoundAndOutsideReferencesAreVoided) {
    const QByteArray svg = TestDeck();
    EXPECT_EQ(ui::Inflate(Gzip(svg), svg.size()), svg);
    EXPECT_FALSE(ui::Inflate(Gzip(svg), svg.size() - 1));      // one byte too many
    EXPECT_FALSE(ui::Inflate(Gzip(svg).chopped(9), 1 << 20));  // cut short
    EXPECT_FALSE(ui::Inflate("not compressed at all", 1 << 20));
    QByteArray references(
        "<use xlink:href='#back'/><image xlink:href=\"data:image/png;base64,AA\"/>"
        "<image href = '/dev/zero'/><image xlink:href=\"cards/jack.svg\"/>");
    EXPECT_EQ(ui::VoidOutsideReferences(references), 2);
    EXPECT_EQ(references,
              "<use xlink:href='#back'/><image xlink:href=\"data:image/png;base64,AA\"/>"
              "<image hreF = '/dev/zero'/><image xlink:hreF=\"cards/jack.svg\"/>");
}

/// Data folders of the test's own, with a deck of every kind in them.
class DeckFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.IsValid());
        data_ = home_.Path(QStringLiteral("data"));
        home_.Set("XDG_DATA_HOME", QFile::encodeName(home_.Path(QStringLiteral("nodata"))));
        home_.Set("XDG_DATA_DIRS", QFile::encodeName(data_));
    }
    void TearDown() override { ui::UseDeck(nullptr, {}); }

    /// A KDE deck in folder `key` named `name`, whose SVG file is `svg` with `bytes` in it.
    QString KdeDeck(const QString& key, const QString& svg, const QByteArray& bytes,
                    const QString& name = {}) {
        const QString folder = data_ + QStringLiteral("/carddecks/") + key;
        QDir().mkpath(folder);
        Write(folder + QStringLiteral("/index.desktop"),
              QStringLiteral("[KDE Backdeck]\nName=%1\nName[ar]=%2\nSVG=%3\nBack=x\n")
                  .arg(key, name, svg)
                  .toUtf8());
        if (!bytes.isNull()) Write(folder + u'/' + svg, bytes);
        return folder + u'/' + svg;
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void MakeEveryKindOfDeck() {
        KdeDeck(QStringLiteral("good"), QStringLiteral("good.svg"), TestDeck(),
                QStringLiteral("جيدة"));
        const QString gnome = data_ + QStringLiteral("/aisleriot/cards");
        QDir().mkpath(gnome);
        Write(gnome + QStringLiteral("/packed.svgz"), Gzip(TestDeck(true)));
        // What a hostile deck may be. None of them may stop the search, nor be listed.
        KdeDeck(QStringLiteral("missing-file"), QStringLiteral("none.svg"), QByteArray());
        KdeDeck(QStringLiteral("broken"), QStringLiteral("broken.svg"), TestDeck().left(3000));
        KdeDeck(QStringLiteral("no-king"), QStringLiteral("k.svg"),
                TestDeck(false, QStringLiteral("king_spade")));
        KdeDeck(
            QStringLiteral("bomb"), QStringLiteral("bomb.svgz"),
            Gzip(TestDeck().replace("</svg>", QByteArray(ui::kMaxDeckSvgBytes, ' ') + "</svg>")));
        const QString device =
            KdeDeck(QStringLiteral("device"), QStringLiteral("d.svg"), QByteArray());
        ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(device).constData()), 0);
        const QString fifo = KdeDeck(QStringLiteral("fifo"), QStringLiteral("f.svg"), QByteArray());
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString huge = KdeDeck(QStringLiteral("huge"), QStringLiteral("h.svg"), TestDeck());
        ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), ui::kMaxDeckFileBytes + 1), 0);
        KdeDeck(QStringLiteral("escape"), QStringLiteral("../good/good.svg"), QByteArray());
        // A picture of its own read from a pipe would hang the renderer: the reference is voided
        // and the deck, whole otherwise, is listed.
        KdeDeck(QStringLiteral("outside"), QStringLiteral("o.svg"),
                TestDeck(false, {},
                         QStringLiteral("<image width='9' height='9' xlink:href='%1'/>").arg(fifo)),
                QStringLiteral("خارجية"));
    }
    /// The decks' keys as the choice lists them, once it has looked at every one.
    QStringList Listed(ui::DeckDialog& dialog) {
        dialog.LookForDecks();
        QElapsedTimer waited;
        waited.start();
        while (!dialog.DecksLooked() && waited.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(dialog.DecksLooked()) << "the search for decks did not end";
        QStringList keys;
        for (int row = 0; row < dialog.List()->count(); ++row)
            keys << dialog.List()->item(row)->data(Qt::UserRole).toString();
        return keys;
    }

    ScratchHome home_;
    QString data_;
};

TEST_F(DeckFoldersTest, OnlyTheDecksThatCanBeDrawnAreListedAndNoHostileOneHangsTheSearch) {
    MakeEveryKindOfDeck();
    // Found by their index, without their art read: the hostile ones too, but the one whose
    // file lies outside its folder.
    QStringList found;
    for (const ui::DeckEntry& entry : ui::FindDecks()) found << entry.key;
    EXPECT_FALSE(found.contains(QStringLiteral("escape")));
    EXPECT_TRUE(found.contains(QStringLiteral("fifo")));
    EXPECT_EQ(ui::FindDeck(QStringLiteral("good"))->name, QStringLiteral("جيدة"));
    EXPECT_EQ(ui::FindDeck(QStringLiteral("packed.svgz"))->name, QStringLiteral("Packed"));

    ui::DeckDialog dialog;
    QStringList listed = Listed(dialog);
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.takeFirst(), QStringLiteral("tazkova"));  // ours first, the rest by name
    listed.sort();
    EXPECT_EQ(listed, (QStringList{QStringLiteral("good"), QStringLiteral("outside"),
                                   QStringLiteral("packed.svgz")}));
    for (const char* hostile :
         {"missing-file", "broken", "no-king", "bomb", "device", "fifo", "huge"})
        EXPECT_EQ(ui::ChangeDeck(QLatin1String(hostile)).result, ui::DeckChange::Result::Unreadable)
            << hostile;
    EXPECT_EQ(ui::DeckInUse(), QString());
    EXPECT_EQ(ui::ChangeDeck(QStringLiteral("uninstalled")).result, ui::DeckChange::Result::Gone);
}

TEST_F(DeckFoldersTest, AChosenDeckRedrawsTheTableAtOnceIsRememberedAndReplacedByOursWhenBroken) {
    MakeEveryKindOfDeck();
    auto window = MakeActiveWindow();
    ActionsOf(*window).newGame->trigger();
    const game::GameState before = GameOf(*window).State();
    CardImage* hand = CardOf(*window, before.YouPile.Cards[1] - 1);
    const QImage ours = hand->grab().toImage();
    // The back the deck and the computer's cards are drawn with.
    auto* back = window->findChild<QLabel*>(QStringLiteral("RemainderX"));
    ASSERT_TRUE(back);
    const QImage ourBack = back->pixmap().toImage();

    // The choice, by the keyboard: down to the test's deck, Enter.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ui::DeckDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QElapsedTimer waited;
        waited.start();
        while (!dialog->DecksLooked() && waited.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        while (dialog->List()->currentItem()->data(Qt::UserRole).toString() !=
                   QStringLiteral("good") &&
               dialog->List()->currentRow() + 1 < dialog->List()->count())
            QTest::keyClick(dialog->List(), Qt::Key_Down);
        QTest::keyClick(dialog->List(), Qt::Key_Return);
    });
    ActionsOf(*window).decks->trigger();
    EXPECT_EQ(ui::DeckInUse(), QStringLiteral("good"));
    // The hand card and the computer's backs in the deck's art, the game untouched.
    const QImage theirs = hand->grab().toImage();
    EXPECT_NE(theirs, ours);
    EXPECT_TRUE(
        Near(theirs.pixelColor(theirs.rect().center()), CardColour(before.YouPile.Cards[1])));
    EXPECT_NE(back->pixmap().toImage(), ourBack);
    EXPECT_EQ(GameOf(*window).State().YouPile.Cards, before.YouPile.Cards);
    EXPECT_EQ(GameOf(*window).State().FloorPile.Cards, before.FloorPile.Cards);
    EXPECT_EQ(store::ReadSetting({store::GameSettingsFile()}, QStringLiteral("Table/Deck")),
              QStringLiteral("good"));
    window.reset();

    // Started again: the deck is read as the window opens; broken since, ours with a note; gone,
    // ours without one.
    auto again = MakeActiveWindow();
    EXPECT_EQ(ui::DeckInUse(), QStringLiteral("good"));
    again.reset();
    Write(data_ + QStringLiteral("/carddecks/good/good.svg"), "<svg");
    again = MakeActiveWindow();
    EXPECT_EQ(ui::DeckInUse(), QString());
    EXPECT_TRUE(
        again->findChild<QLabel*>(QStringLiteral("Msg"))->text().contains(QStringLiteral("جيدة")));
    again.reset();
    QDir(data_ + QStringLiteral("/carddecks/good")).removeRecursively();
    again = MakeActiveWindow();
    EXPECT_EQ(ui::DeckInUse(), QString());
    EXPECT_FALSE(
        again->findChild<QLabel*>(QStringLiteral("Msg"))->text().contains(QStringLiteral("جيدة")));
}

}  // namespace
}  // namespace tazkova::testing
