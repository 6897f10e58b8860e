// The card decks' costs on the table: reading a deck, drawing the table anew from it, and the
// table drawn at twice its size and back, each on the window of a dealt game, against our own
// deck, the median of several runs. Run on the offscreen platform with a screen large enough
// for the table at 200 per cent, on one core:
//
//   export QT_QPA_PLATFORM=offscreen:configfile=tests/ui/screens/1920x1080.json
//   taskset -c 0 build/bench/tazkova_deck_bench [RUNS] [DECK...]
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "game/recording.h"
#include "tests/ui/window_parts.h"
#include "ui/decks/card_deck.h"
#include "ui/decks/deck_catalogue.h"
#include "ui/decks/table_deck.h"
#include "ui/main_window.h"

using namespace tazkova;

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Millis(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QStringList decks{QString::fromLatin1(ui::kOurDeckKey)};
    for (int i = 2; i < argc; ++i) decks << QString::fromLocal8Bit(argv[i]);
    if (argc <= 2) decks << QStringLiteral("svg-dondorf");

    ui::MainWindow window(game::SeedChoice{game::SeedChoice::Kind::Advance, 5},
                          std::make_unique<game::RecordingTable>());
    window.show();
    window.findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
    testing::ActionsOf(window).newGame->trigger();
    app.processEvents();
    ui::CardTableView& view = testing::ViewOf(window);

    // Every event the table has waiting, run to the last: the longest of them, in ms.
    const auto settle = [&] {
        double longest = 0;
        for (bool ran = true; ran;) {
            QElapsedTimer step;
            step.start();
            ran = QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents);
            longest = std::max(longest, Millis(step));
        }
        return longest;
    };
    settle();
    std::printf("%-28s %8s %8s %8s %8s %8s %8s %8s\n", "deck (ms)", "read", "switch", "sharp",
                "to 200%", "sharp", "longest", "to 100%");
    for (const QString& key : decks) {
        const auto entry = ui::FindDeck(key);
        std::vector<double> read, change, sharp, larger, sharpLarger, longest, smaller;
        for (int run = 0; run < runs; ++run) {
            ui::UseDeck(nullptr, {});  // nothing of the deck kept from the run before
            view.RedrawDeck();
            testing::ChooseZoom(window, 100);
            window.repaint();
            settle();
            // Read while the player looks at the deck in the choice.
            QElapsedTimer timer;
            timer.start();
            std::shared_ptr<const ui::CardDeck> deck;
            if (entry) deck = ui::CardDeck::Load(entry->file);
            read.push_back(Millis(timer));
            if (key != QLatin1String(ui::kOurDeckKey) && !deck) {
                std::printf("%s: cannot be drawn\n", qPrintable(key));
                return 1;
            }
            // Chosen: the table drawn from it, then every card sharp.
            timer.restart();
            ui::UseDeck(deck, key);
            view.RedrawDeck();
            window.repaint();
            change.push_back(Millis(timer));
            timer.restart();
            double step = settle();
            sharp.push_back(Millis(timer));
            timer.restart();
            testing::ChooseZoom(window, 200);
            window.repaint();
            larger.push_back(Millis(timer));
            timer.restart();
            step = std::max(step, settle());
            sharpLarger.push_back(Millis(timer));
            longest.push_back(step);
            timer.restart();
            testing::ChooseZoom(window, 100);
            window.repaint();
            settle();
            smaller.push_back(Millis(timer));
        }
        std::printf("%-28s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f\n", qPrintable(key),
                    Median(read), Median(change), Median(sharp), Median(larger),
                    Median(sharpLarger), Median(longest), Median(smaller));
    }
    // One card drawn alone, every card of the deck, at the table's sizes.
    std::printf("\n%-28s %6s %14s %14s\n", "deck", "size", "card ms median", "card ms max");
    for (const QString& key : decks) {
        const auto entry = ui::FindDeck(key);
        const auto deck = entry ? ui::CardDeck::Load(entry->file) : nullptr;
        if (!deck) continue;
        for (const int percent : {100, 200, 300}) {
            std::vector<double> each;
            for (int card = 0; card <= game::kDeckSize; ++card) {
                QElapsedTimer timer;
                timer.start();
                deck->Draw(card, QSize(71, 96) * percent / 100);
                each.push_back(Millis(timer));
            }
            std::printf("%-28s %5d%% %14.1f %14.1f\n", qPrintable(key), percent, Median(each),
                        *std::max_element(each.begin(), each.end()));
        }
    }
    return 0;
}
