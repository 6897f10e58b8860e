#include "ui/style/arabic_style.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

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

}  // namespace tazkova::ui
