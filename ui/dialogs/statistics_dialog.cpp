#include "ui/dialogs/statistics_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

#include "game/texts.h"
#include "ui/stats/statistics.h"
#include "ui/style/arabic_style.h"
#include "ui/style/game_dialog.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 330;

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

/// A two-word heading over a narrow column, a word a line.
QString TwoLines(QString heading) {
    return heading.replace(u' ', u'\n');
}

/// "41 - 12": a match's totals, the player's first.
QString Totals(int you, int me) {
    return QStringLiteral("%1 - %2").arg(you).arg(me);
}

}  // namespace

StatisticsDialog::StatisticsDialog(Statistics& statistics, QWidget* parent)
    : GameDialog(parent), statistics_(statistics) {
    setObjectName(QStringLiteral("StatisticsDialog"));
    setWindowTitle(Utf8(kStatisticsCaption));
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(kWidth, kHeight);
    setFont(ArabicFont(FontFace::Sans, 13));

    // One line a level, game type and kind of game, as a list of rows (a table would also
    // show an unnamed corner to a screen reader).
    table_ = new QTreeWidget(this);
    table_->setObjectName(QStringLiteral("StatisticsTable"));
    table_->setAccessibleName(Utf8(kStatisticsCaption));
    table_->setGeometry(10, 10, kWidth - 20, 230);
    table_->setColumnCount(9);
    table_->setRootIsDecorated(false);
    table_->setHeaderLabels({Utf8(kStatisticsLevel), Utf8(kStatisticsType), Utf8(kStatisticsGames),
                             TwoLines(Utf8(kStatisticsWon)), TwoLines(Utf8(kStatisticsLost)),
                             Utf8(kStatisticsMatchesWon), Utf8(kStatisticsMatchesLost),
                             Utf8(kStatisticsBest) + u'\n' + Utf8(kStatisticsTotalsOrder),
                             Utf8(kStatisticsWorst) + u'\n' + Utf8(kStatisticsTotalsOrder)});
    // Every column in view at once, each heading clear of the next: the game type wide, the
    // counts narrow.
    static constexpr std::array<int, 9> kColumns{76, 130, 50, 48, 54, 76, 76, 96, 96};
    QHeaderView* header = table_->header();
    header->setMinimumSectionSize(30);
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        header->setSectionResizeMode(int(c), QHeaderView::Fixed);
        header->resizeSection(int(c), kColumns[c]);
    }
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignCenter);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("StatisticsProblem"));
    problem_->setAccessibleName(Utf8(kStatisticsCaption));
    problem_->setGeometry(10, 246, kWidth - 20, 40);
    problem_->setWordWrap(true);
    problem_->setAlignment(Qt::AlignCenter);

    resetButton_ = new QPushButton(Utf8(kStatisticsReset), this);
    resetButton_->setObjectName(QStringLiteral("ResetButton"));
    resetButton_->setGeometry(10, kHeight - 36, 140, 27);
    resetButton_->setAutoDefault(false);
    connect(resetButton_, &QPushButton::clicked, this, [this] { ResetStatistics(); });
    okButton_ = MakeContinueButton(*this, this, "OKButton", kOkCaption,
                                   QRect(kWidth - 90, kHeight - 36, 80, 27));
}

void StatisticsDialog::Fill() {
    table_->clear();
    const QString takenBack = Utf8(kStatisticsTakenBack);
    for (int level = 1; level <= int(kLevelItems.size()); ++level) {
        for (int type = 0; type <= 3; ++type) {
            for (const bool tookBack : {false, true}) {
                const Tally& t = statistics_.Of(level, type, tookBack);
                if (t.GamesPlayed() == 0 && t.Matches() == 0) continue;
                // The type's name as the options name it, without its trailing blank.
                QString typeText =
                    QString::fromUtf8(std::string_view(game::texts::kGmTypeItems[type])).trimmed();
                if (tookBack) typeText += QStringLiteral(" (") + takenBack + u')';
                const QStringList cells = {
                    QString::fromUtf8(kLevelItems[level - 1]),
                    typeText,
                    QString::number(t.GamesPlayed()),
                    QString::number(t.gamesWon),
                    QString::number(t.gamesLost),
                    QString::number(t.matchesWon),
                    QString::number(t.matchesLost),
                    t.Matches() ? Totals(t.bestYou, t.bestMe) : QString(),
                    t.Matches() ? Totals(t.worstYou, t.worstMe) : QString(),
                };
                auto* item = new QTreeWidgetItem(table_, cells);
                for (int c = 0; c < cells.size(); ++c) item->setTextAlignment(c, Qt::AlignCenter);
            }
        }
    }
    QString note = statistics_.Problem();
    if (note.isEmpty() && table_->topLevelItemCount() == 0) note = Utf8(kStatisticsNone);
    problem_->setText(note);
    problem_->setAccessibleName(note.isEmpty() ? Utf8(kStatisticsCaption) : note);
}

void StatisticsDialog::ResetStatistics(bool ask) {
    if (ask) {
        QMessageBox question(QMessageBox::Question, Utf8(kStatisticsCaption),
                             Utf8(kStatisticsResetQuestion), QMessageBox::Yes | QMessageBox::No,
                             this);
        question.setLayoutDirection(Qt::RightToLeft);
        question.setDefaultButton(QMessageBox::No);
        question.button(QMessageBox::Yes)->setText(Utf8(kYes));
        question.button(QMessageBox::No)->setText(Utf8(kNo));
        if (question.exec() != QMessageBox::Yes) return;
    }
    statistics_.Reset();
    Fill();
}

void StatisticsDialog::ShowModal() {
    // Another window may have counted or reset since this one last looked.
    statistics_.Refresh();
    Fill();
    okButton_->setFocus();
    exec();
}

}  // namespace tazkova::ui
