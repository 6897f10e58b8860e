/// The look every window of the game shares: its Arabic fonts, its bevels, its pictures drawn
/// from the embedded SVG art, its read-only memos and its place in the middle of the screen.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QProxyStyle>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;
class QPushButton;
class QTextEdit;

namespace tazkova::ui {

// --- Style ----------------------------------------------------------------------------------

/// The application's style: the platform's own, except that a caption whose accelerator
/// mark stands inside an Arabic word ("ل&عبة جديدة") is drawn as the whole word, shaped as
/// the same text without the mark would be, with the accelerator letter underlined beneath
/// its joined form. (Drawn the usual way, the mark splits the word into pieces shaped
/// apart, and the letters lose their joins.)
class ArabicStyle : public QProxyStyle {
    Q_OBJECT
  public:
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

    /// Makes it the application's style, once; every window calls it when it is built.
    static void Install();
};

// --- Fonts ----------------------------------------------------------------------------------

/// The two Arabic faces of the game: a plain one for the table and its buttons, a script
/// one for the dialogs' texts. Both join and shape the letters.
enum class FontFace { Sans, Naskh };

/// An Arabic font at a pixel height; `stretch` narrows it (100 is the face's own width).
QFont ArabicFont(FontFace face, int pixelSize, bool bold = false, int stretch = 100);

// --- Bevels ---------------------------------------------------------------------------------

/// Draws a one-pixel outline just inside `r`: the top and left sides in `topLeft`, then the
/// bottom and right sides in `bottomRight`.
void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

/// How a bevel's outline looks, in the palette's light and dark colours.
enum class BevelStyle {
    Raised,      // light top and left, dark bottom and right
    Lowered,     // the other way round
    LoweredBox,  // a lowered outline with a raised one just inside it
};

/// A panel that carries other controls and draws bevels behind them: outlines that group
/// the controls and are part of the panel's picture, not controls of their own.
class BevelPanel : public QFrame {
  public:
    using QFrame::QFrame;
    void AddBevel(const QRect& place, BevelStyle style);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Outline {
        QRect place;
        BevelStyle style;
    };
    std::vector<Outline> bevels_;
};

// --- Panels and buttons -----------------------------------------------------------------------

/// A panel named `name` (its component name) with a raised or sunken edge of `lineWidth`
/// (none for 0), filled with `background` unless that is invalid; a screen reader calls it
/// `spoken`.
BevelPanel* MakePanel(QWidget* parent, const char* name, const QRect& geometry,
                      QFrame::Shadow shadow, int lineWidth, const QString& spoken,
                      const QColor& background = QColor());

/// The button that closes a dialog and goes on with the game: the dialog's default button.
QPushButton* MakeContinueButton(QDialog& dialog, QWidget* parent, const char* name,
                                const char* caption, const QRect& geometry);

// --- Pictures -------------------------------------------------------------------------------

/// Renders the embedded picture `name` (without ".svg") at `width` x `height` logical
/// pixels, sharp on high-density screens. Pictures are cached.
QPixmap Picture(const QString& name, int width, int height, qreal devicePixelRatio = 1.0);

/// The resource file of the embedded picture `name` (without ".svg"), for reading it whole.
QString PictureFile(const QString& name);

// --- Memos ----------------------------------------------------------------------------------

/// Makes a memo a display only: right to left, no caret, no selection, no focus, no
/// context menu, black text on `background`; a screen reader calls it `spoken`.
void MakeDisplayMemo(QTextEdit& memo, const QColor& background, const QString& spoken);

/// Puts plain text in a display memo, every line right to left, aligned as asked and
/// `lineHeight` pixels apart (Arabic faces ask for far more room than their letters need).
/// The memo's text then reads back exactly as given.
void SetMemoText(QTextEdit& memo, const QString& text, Qt::Alignment alignment, int lineHeight);

// --- Windows --------------------------------------------------------------------------------

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
    void showEvent(QShowEvent* event) override;
};

}  // namespace tazkova::ui
