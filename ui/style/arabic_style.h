/// The game's Arabic look: the application style that draws Arabic captions with their
/// accelerators whole, and the two Arabic faces every window writes in.
#pragma once

#include <QFont>
#include <QProxyStyle>
#include <QString>

namespace tazkova::ui {

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

/// The two Arabic faces of the game: a plain one for the table and its buttons, a script
/// one for the dialogs' texts. Both join and shape the letters.
enum class FontFace { Sans, Naskh };

/// An Arabic font at a pixel height; `stretch` narrows it (100 is the face's own width).
QFont ArabicFont(FontFace face, int pixelSize, bool bold = false, int stretch = 100);

}  // namespace tazkova::ui
