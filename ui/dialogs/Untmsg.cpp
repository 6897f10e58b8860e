#include "Untmsg.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>

#include "DialogLook.h"
#include "dialogtexts.h"

using namespace tazkova::ui;

namespace {
constexpr int kWidth = 247;
constexpr int kHeight = 122;
constexpr int kLineHeight = 17;  // two lines of the memo show at once
const QColor kSilver(0xc0, 0xc0, 0xc0);
}  // namespace

TfrmMsg::TfrmMsg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmMsg"));
    setWindowTitle(QStringLiteral("Tazkova"));
    setFixedSize(kWidth, kHeight);
    setFont(DialogFont(12, true));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kWidth, kHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    Msg = new QTextEdit(Panel1);
    Msg->setObjectName(QStringLiteral("Msg"));
    Msg->setGeometry(26, 18, 197, 43);
    MakeDisplayMemo(*Msg, kSilver);
    Msg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A long announcement still shows all of its words: the bar appears only then.
    Msg->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Msg->document()->setDocumentMargin(2);

    MAC3 = new QLabel(Panel1);
    MAC3->setObjectName(QStringLiteral("MAC3"));
    MAC3->setGeometry(48, 77, 32, 32);
    MAC3->setPixmap(GrinningComputer(32, devicePixelRatioF()));

    OKBtn = new QPushButton(QString::fromUtf8(kMsgOkCaption), Panel1);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(134, 78, 77, 27);
    OKBtn->setLayoutDirection(Qt::RightToLeft);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmMsg::ShowModalText(const QString& fullText) {
    SetMemoText(*Msg, fullText, Qt::AlignHCenter, kLineHeight);
    OKBtn->setFocus();
    exec();
}

void TfrmMsg::ShowMessage(const QString& text) {
    ShowModalText(text + QStringLiteral(" ...."));
}

QString TfrmMsg::Text() const {
    return Msg->toPlainText();
}

void TfrmMsg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnScreen(*this);
    QDialog::showEvent(event);
}

QPixmap TfrmMsg::GrinningComputer(int size, qreal devicePixelRatio) {
    QPixmap picture(qRound(size * devicePixelRatio), qRound(size * devicePixelRatio));
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);  // drawn on a 32 x 32 grid
    const QColor outline(0x4a, 0x4f, 0x57);

    // The monitor, its blue screen, the neck, the foot and the power light.
    p.setPen(QPen(outline, 1.0));
    p.setBrush(QColor(0xc9, 0xcc, 0xd1));
    p.drawRoundedRect(QRectF(2, 2, 28, 21.5), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x6f, 0xb8));
    p.drawRoundedRect(QRectF(4.5, 4.5, 23, 16.5), 1, 1);
    p.setBrush(QColor(0x8d, 0x93, 0x9b));
    p.drawRect(QRectF(14, 23.5, 4, 3));
    p.setPen(QPen(outline, 0.8));
    p.setBrush(QColor(0xaa, 0xb0, 0xb8));
    p.drawRoundedRect(QRectF(8.5, 26.5, 15, 3.5), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x43, 0xa0, 0x47));
    p.drawEllipse(QPointF(26.5, 22.3), 0.6, 0.6);

    // The face on the screen: wide eyes, a broad open grin and the tongue out.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 9.5), 1.6, 1.6);
    p.drawEllipse(QPointF(20, 9.5), 1.6, 1.6);
    QPainterPath grin(QPointF(9.5, 12.8));
    grin.lineTo(22.5, 12.8);
    grin.quadTo(22.5, 19.8, 16, 19.8);
    grin.quadTo(9.5, 19.8, 9.5, 12.8);
    grin.closeSubpath();
    p.setPen(QPen(Qt::white, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x1a, 0x1a, 0x1a));
    p.drawPath(grin);
    QPainterPath tongue(QPointF(14.5, 19.3));
    tongue.quadTo(14.5, 16.2, 17.4, 16.2);
    tongue.quadTo(20.3, 16.2, 20.3, 18.2);
    tongue.quadTo(18.5, 19.9, 14.5, 19.3);
    tongue.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawPath(tongue);
    return picture;
}
