// Tazkova: the card table in its window.
#include <QApplication>
#include <optional>

#include "Untform1.h"
#include "random.h"
#include "uitexts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Qorvel"));
    QApplication::setApplicationName(QStringLiteral("Tazkova"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(tazkova::ui::kWindowCaption));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cards/tazkova.svg")));
    // Wayland shells match the window to the installed desktop entry (its name and icon)
    // by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tazkova.Tazkova"));

    // The first parameter advances or leaves the generator; anything else seeds it.
    const QStringList args = QApplication::arguments();
    std::optional<std::string> first;
    if (args.size() > 1) first = args.at(1).toStdString();
    const tazkova::SeedChoice seed =
        tazkova::ParseSeedParameter(first ? std::optional<std::string_view>(*first) : std::nullopt);

    TForm1 form(seed);
    form.show();
    return app.exec();
}
