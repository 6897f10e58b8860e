#include "ui/look.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "ui/dialog_fit.h"

// The pictures live in a static library; their resource must be registered by hand.
static void RegisterPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace tazkova::ui {

namespace {

/// The text without its accelerator marks ("&&" stands for "&"), and where the accelerator
/// letter is in it (-1 for none).
QString WithoutMarks(const QString& text, int* accelerator) {
    QString plain;
    plain.reserve(text.size());
    *accelerator = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && *accelerator < 0) *accelerator = int(plain.size());
        }
        plain += text[i];
    }
    return plain;
}

}  // namespace

void ArabicStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                               const QPalette& palette, bool enabled, const QString& text,
                               QPalette::ColorRole textRole) const {
    int accelerator = -1;
    const QString plain = WithoutMarks(text, &accelerator);
    if (!(flags & Qt::TextShowMnemonic) || accelerator < 0 || (flags & Qt::TextWordWrap)) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    // The caption as one run of text, then the accelerator's line under its letter.
    const int plainFlags = (flags & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic;
    QProxyStyle::drawItemText(painter, rect, plainFlags, palette, enabled, text, textRole);

    QTextLayout layout(plain, painter->font());
    QTextOption option;
    option.setTextDirection(painter->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    const qreal width = line.naturalTextWidth();
    line.setLineWidth(width);
    layout.endLayout();

    const QFontMetricsF metrics(painter->font());
    const Qt::Alignment align = QStyle::visualAlignment(
        painter->layoutDirection(), Qt::Alignment(flags & Qt::AlignHorizontal_Mask));
    qreal left = rect.left() + (rect.width() - width) / 2;
    if (align & Qt::AlignLeft) left = rect.left();
    if (align & Qt::AlignRight) left = rect.right() + 1 - width;
    qreal top = rect.top() + (rect.height() - metrics.height()) / 2;
    if (flags & Qt::AlignTop) top = rect.top();
    if (flags & Qt::AlignBottom) top = rect.bottom() + 1 - metrics.height();

    const qreal a = line.cursorToX(accelerator);
    const qreal b = line.cursorToX(accelerator + 1);
    const qreal y = top + metrics.ascent() + metrics.underlinePos();
    const qreal thickness = std::max<qreal>(1.0, metrics.lineWidth());
    const QColor colour =
        textRole == QPalette::NoRole ? painter->pen().color() : palette.color(textRole);
    painter->fillRect(QRectF(left + std::min(a, b), qRound(y), std::abs(b - a), thickness), colour);
}

void ArabicStyle::Install() {
    if (!qobject_cast<ArabicStyle*>(QApplication::style())) QApplication::setStyle(new ArabicStyle);
}

QFont ArabicFont(FontFace face, int pixelSize, bool bold, int stretch) {
    const QString sans = QStringLiteral("Noto Sans Arabic");
    const QString naskh = QStringLiteral("Noto Naskh Arabic");
    QFont font;
    font.setFamilies({face == FontFace::Sans ? sans : naskh, face == FontFace::Sans ? naskh : sans,
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    if (stretch != 100) font.setStretch(stretch);
    return font;
}

void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    if (r.width() <= 0 || r.height() <= 0) return;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

void BevelPanel::AddBevel(const QRect& place, BevelStyle style) {
    bevels_.push_back({place, style});
    update();
}

void BevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    for (const Outline& bevel : bevels_) {
        const QRect place = AtDialogScale(*this, bevel.place);
        switch (bevel.style) {
            case BevelStyle::Raised:
                DrawBevel(painter, place, light, dark);
                break;
            case BevelStyle::Lowered:
                DrawBevel(painter, place, dark, light);
                break;
            case BevelStyle::LoweredBox:
                DrawBevel(painter, place, dark, light);
                DrawBevel(painter, place.adjusted(1, 1, -1, -1), light, dark);
                break;
        }
    }
}

BevelPanel* MakePanel(QWidget* parent, const char* name, const QRect& geometry,
                      QFrame::Shadow shadow, int lineWidth, const QString& spoken,
                      const QColor& background) {
    auto* panel = new BevelPanel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setAccessibleName(spoken);
    panel->setGeometry(geometry);
    panel->setFrameStyle(lineWidth > 0 ? QFrame::Panel | shadow : QFrame::NoFrame);
    panel->setLineWidth(lineWidth);
    if (background.isValid()) {
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, Qt::black);
        panel->setPalette(palette);
    }
    return panel;
}

QPushButton* MakeContinueButton(QDialog& dialog, QWidget* parent, const char* name,
                                const char* caption, const QRect& geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setLayoutDirection(Qt::RightToLeft);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

QString PictureFile(const QString& name) {
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
    return QStringLiteral(":/cards/%1.svg").arg(name);
}

QPixmap Picture(const QString& name, int width, int height, qreal devicePixelRatio) {
    static QHash<QString, QPixmap> cache;
    const QString key =
        QStringLiteral("%1@%2x%3@%4").arg(name).arg(width).arg(height).arg(devicePixelRatio);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    QPixmap pixmap(qRound(width * devicePixelRatio), qRound(height * devicePixelRatio));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(PictureFile(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

void MakeDisplayMemo(QTextEdit& memo, const QColor& background, const QString& spoken) {
    memo.setAccessibleName(spoken);
    memo.viewport()->setAccessibleName(spoken);
    memo.setReadOnly(true);
    memo.setAcceptRichText(false);
    memo.setTextInteractionFlags(Qt::NoTextInteraction);
    memo.setFocusPolicy(Qt::NoFocus);
    memo.setContextMenuPolicy(Qt::NoContextMenu);
    memo.setLayoutDirection(Qt::RightToLeft);
    memo.viewport()->setCursor(Qt::ArrowCursor);
    QPalette palette = memo.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    memo.setPalette(palette);
}

void SetMemoText(QTextEdit& memo, const QString& text, Qt::Alignment alignment, int lineHeight) {
    memo.setPlainText(text);
    // A line that opens with a Latin word ("Tazkovas : ...") still reads from the right.
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLayoutDirection(Qt::RightToLeft);
    format.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
    QTextCursor cursor(memo.document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

GameDialog::GameDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    ArabicStyle::Install();
}

void GameDialog::showEvent(QShowEvent* event) {
    // Shown by the game (not restored by the window manager): at the table's scale, centred
    // over the game's window, on the screen.
    if (!event->spontaneous()) FitDialog(this);
    QDialog::showEvent(event);
}

}  // namespace tazkova::ui
