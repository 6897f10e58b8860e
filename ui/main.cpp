// Tazkova: the card table in its window.
#include <QApplication>
#include <optional>

#include "game/random.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
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

    tazkova::ui::MainWindow window(seed);
    // The table's pictures are registered once the window has drawn its first one.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cards/tazkova.svg")));
    window.show();
    return app.exec();
}
