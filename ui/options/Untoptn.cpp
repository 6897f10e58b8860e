#include "Untoptn.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "texts.h"

namespace {

// The dialog's own texts.
const QString kCaption = QStringLiteral("إختيارات Tazkova");
const QString kTypeHeading = QStringLiteral("نـوع اللعبة");
const QStringList kTypeItems = [] {
    QStringList items;
    for (const std::string_view item : tazkova::texts::kGmTypeItems)
        items << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    return items;
}();
const QString kLevelHeading = QStringLiteral("الـمـســتوى");
const QStringList kLevelItems = {QStringLiteral("مستوى أول"), QStringLiteral("مستوى ثاني"),
                                 QStringLiteral("مستوى ثالث"), QStringLiteral("مستوى رابع")};
const QString kDnry = QStringLiteral("Tazkova الديناري");
const QString kMakShoof = QStringLiteral("كشـف الاوراق");
const QString kStrt = QStringLiteral("بدأ اللعب بالتبادل");
const QString kRvrs = QStringLiteral("Tazkova عكســية");
const QString kOK = QStringLiteral("اسـتمر");

/// Draws a one-pixel three-dimensional outline just inside `r`.
void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

/// A raised or lowered outline drawn behind other controls; it takes no clicks.
class Bevel : public QWidget {
  public:
    enum class Style { Lowered, Raised };

    Bevel(QWidget* parent, const QRect& geometry, Style style) : QWidget(parent), style_(style) {
        setGeometry(geometry);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        if (style_ == Style::Raised)
            DrawBevel(painter, rect(), light, dark);
        else
            DrawBevel(painter, rect(), dark, light);
    }

  private:
    Style style_;
};

/// The panel that carries every control but the OK button: a lowered outer and a raised
/// inner edge.
class Panel : public QWidget {
  public:
    explicit Panel(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        DrawBevel(painter, rect(), dark, light);
        DrawBevel(painter, rect().adjusted(1, 1, -1, -1), light, dark);
    }
};

/// The dialog's Arabic font. Slightly condensed, so that the longest game-type item fits
/// beside its button within the group's fixed width.
QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Noto Sans Arabic")});
    font.setPixelSize(11);
    font.setStretch(93);
    return font;
}

QFont OKButtonFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Sans")});
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

QLabel* MakeHeading(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setLayoutDirection(Qt::RightToLeft);
    label->move(left, top);
    label->adjustSize();
    return label;
}

/// A radio group filled with its design-time items and selection.
TRadioGroupA* MakeGroup(QWidget* parent, const char* name, const QRect& geometry,
                        const QStringList& items, int itemIndex) {
    auto* group = new TRadioGroupA(parent);
    group->setObjectName(QLatin1String(name));
    group->BeginReading();
    group->setGeometry(geometry);
    group->SetItems(items);
    group->SetItemIndex(itemIndex);
    group->EndReading();
    return group;
}

/// An empty frame lying behind a check box (a sibling, not its parent).
void MakeFrame(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TCheckBoxA* MakeCheckBox(QWidget* parent, const char* name, const QString& text,
                         const QRect& geometry, bool checked) {
    auto* box = new TCheckBoxA(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

}  // namespace

TFrmOptn::TFrmOptn(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmOptn"));
    // A fixed dialog frame with the close box and no other title buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    setFixedSize(287, 266);
    setFont(DialogFont());

    auto* panel = new Panel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(rect());

    // Frames first, so that they lie behind the controls they surround.
    new Bevel(panel, QRect(143, 9, 129, 135), Bevel::Style::Raised);   // Bevel1: game type
    new Bevel(panel, QRect(13, 9, 120, 135), Bevel::Style::Raised);    // Bevel2: level
    new Bevel(panel, QRect(148, 14, 119, 26), Bevel::Style::Lowered);  // Bevel3: type heading
    new Bevel(panel, QRect(18, 12, 110, 26), Bevel::Style::Lowered);   // Bevel4: level heading
    new Bevel(panel, QRect(13, 147, 261, 81), Bevel::Style::Lowered);  // Bevel5: the switches
    MakeFrame(panel, "GroupBox1", QRect(148, 152, 119, 38));
    MakeFrame(panel, "GroupBox2", QRect(148, 190, 119, 34));
    MakeFrame(panel, "GroupBox3", QRect(18, 152, 110, 38));
    MakeFrame(panel, "GroupBox4", QRect(18, 190, 110, 34));

    MakeHeading(panel, kTypeHeading, 172, 18)->setObjectName(QStringLiteral("Label9"));
    GmType_ = MakeGroup(panel, "GmType", QRect(148, 40, 119, 99), kTypeItems, 2);
    MakeHeading(panel, kLevelHeading, 42, 16)->setObjectName(QStringLiteral("Label10"));
    GmLevel_ = MakeGroup(panel, "GmLevel", QRect(18, 40, 110, 99), kLevelItems, 3);

    Dnry_ = MakeCheckBox(panel, "Dnry", kDnry, QRect(154, 161, 95, 22), true);
    MakShoof_ = MakeCheckBox(panel, "MakShoof", kMakShoof, QRect(158, 196, 91, 17), false);
    Strt_ = MakeCheckBox(panel, "Strt", kStrt, QRect(22, 165, 105, 20), false);
    Rvrs_ = MakeCheckBox(panel, "Rvrs", kRvrs, QRect(20, 196, 105, 19), false);

    OKButton_ = new QPushButton(kOK, this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setFont(OKButtonFont());
    OKButton_->setGeometry(99, 233, 77, 27);
    OKButton_->setDefault(true);
    OKButton_->setFocus();
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmOptn::ShowModal() {
    exec();
}

void TFrmOptn::setVisible(bool visible) {
    // Centred on the screen, not over the main window.
    if (visible && !isVisible()) {
        QScreen* where = parentWidget() ? parentWidget()->screen() : screen();
        if (where) {
            QRect frame = frameGeometry();
            frame.moveCenter(where->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::setVisible(visible);
}
