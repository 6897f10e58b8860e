/// What every dialog of the game shares: its frame, the game's style, its place over the
/// game's window at the table's scale, and the button that closes it and goes on.
#pragma once

#include <QDialog>
#include <QFont>
#include <QMessageBox>
#include <QRect>

class QPushButton;

namespace tazkova::ui {

/// A fixed dialog frame with the close box and no other title buttons.
inline constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                Qt::WindowCloseButtonHint;

/// What every dialog of the game shares: the game's style, and opening in the middle of the
/// screen it is shown on.
class GameDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GameDialog(QWidget* parent, Qt::WindowFlags flags = kDialogFrame);

  protected:
    /// Names the dialog (its component name), gives it its caption, reading from the right,
    /// its fixed size at the table's first scale and the font of its texts.
    void SetUp(const char* name, const char* caption, QSize size, const QFont& font);
    void showEvent(QShowEvent* event) override;
};

/// A short note in a message box that reads from the right, with an Arabic button.
void ShowNote(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

/// The button that closes a dialog and goes on with the game: the dialog's default button.
QPushButton* MakeContinueButton(QDialog& dialog, QWidget* parent, const char* name,
                                const char* caption, const QRect& geometry);

}  // namespace tazkova::ui
