// Tazkova: the card table in its window.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <optional>

#include "game/random.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    // Answered before any window system is asked for, so that it works without a display.
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(
            "usage: tazkova [N]\n"
            "Tazkova, the fishing card game in Arabic against the computer.\n"
            "A positive N advances the random generator N draws, so that the same N deals the\n"
            "same games; a negative one leaves it alone; none, 0 or anything else seeds it from\n"
            "the clock. Without N, the game under way is kept as it goes and opened again\n"
            "where it stood at the next start; with N, the kept game is left alone.\n"
            "Qt's own options (-platform, -display ...) are taken as well.\n",
            stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Qorvel"));
    QApplication::setApplicationName(QStringLiteral("Tazkova"));
    // No display name: the windowing system would add it to every dialog's title.
    // Wayland shells match the window to the installed desktop entry (its name and icon)
    // by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tazkova.Tazkova"));

    // The first parameter advances or leaves the generator; anything else seeds it.
    const QStringList args = QApplication::arguments();
    std::optional<std::string> first;
    if (args.size() > 1) first = args.at(1).toStdString();
    const tazkova::game::SeedChoice seed = tazkova::game::ParseSeedParameter(
        first ? std::optional<std::string_view>(*first) : std::nullopt);

    // Without a number the game an earlier window kept is opened again, and this one is kept
    // as it goes; a number asks for particular deals and leaves the kept game alone.
    tazkova::ui::MainWindow window(seed, nullptr, nullptr, args.size() <= 1);
    // The table's pictures are registered once the window has drawn its first one.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cards/tazkova.svg")));
    window.show();
    return app.exec();
}
