#include "ui/style/game_dialog.h"

#include <QPushButton>
#include <QShowEvent>

#include "ui/style/arabic_style.h"
#include "ui/style/dialog_fit.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

QPushButton* MakeContinueButton(QDialog& dialog, QWidget* parent, const char* name,
                                const char* caption, const QRect& geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(SpokenText(button->text()));
    button->setGeometry(geometry);
    button->setLayoutDirection(Qt::RightToLeft);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

void ShowNote(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox note(icon, title, text, QMessageBox::Ok, parent);
    note.setLayoutDirection(Qt::RightToLeft);
    note.button(QMessageBox::Ok)->setText(QString::fromUtf8(kOkay));
    note.setAccessibleDescription(SpokenText(text));
    note.exec();
}

GameDialog::GameDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    ArabicStyle::Install();
}

void GameDialog::SetUp(const char* name, const char* caption, QSize size, const QFont& font) {
    setObjectName(QLatin1String(name));
    setWindowTitle(QString::fromUtf8(caption));
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(size);
    setFont(font);
}

void GameDialog::showEvent(QShowEvent* event) {
    // Shown by the game (not restored by the window manager): at the table's scale, centred
    // over the game's window, on the screen.
    if (!event->spontaneous()) FitDialog(this);
    QDialog::showEvent(event);
}

}  // namespace tazkova::ui
