// What every window shares: captions with an accelerator mark drawn as whole Arabic words.
#include "ui/style/arabic_style.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "ui/style/ui_texts.h"

using namespace tazkova::ui;

namespace {

/// The rows and columns in which two pictures of the same size differ.
struct Difference {
    int top = -1, bottom = -1, left = -1, right = -1;
    bool Any() const { return top >= 0; }
};

Difference Compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            if (d.top < 0) d.top = y;
            d.bottom = y;
            d.left = d.left < 0 ? x : std::min(d.left, x);
            d.right = std::max(d.right, x);
        }
    }
    return d;
}

QImage Button(const QString& caption) {
    QPushButton button(caption);
    button.setFont(ArabicFont(FontFace::Sans, 12, true));
    button.setGeometry(0, 0, 170, 26);
    return button.grab().toImage();
}

// The captions of the table: each drawn with its accelerator is the same picture as the
// caption without the mark, but for the accelerator's line under one letter. Drawn as two
// pieces, the word's letters would lose their joins all along it.
TEST(ArabicStyleTest, CaptionsWithAnAcceleratorAreShapedAsWholeWords) {
    ArabicStyle::Install();
    for (const char* text : {kNewGameCaption, kOptionsCaption, kResultCaption, kFinishCaption,
                             kMsgOkCaption, kShortcutCaption}) {
        const QString marked = QString::fromUtf8(text);
        QString plain = marked;
        plain.remove(u'&');
        const Difference d = Compare(Button(marked), Button(plain));
        ASSERT_TRUE(d.Any()) << text << ": the accelerator letter is underlined";
        EXPECT_LE(d.bottom - d.top, 1) << text << ": only the underline differs";
        EXPECT_LE(d.right - d.left, 14) << text << ": under one letter";
    }
}

}  // namespace
