#include "ui/table/pause_loop.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace tazkova::ui {

namespace {

bool IsPlayerInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

PauseLoop::PauseLoop(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

PauseLoop::~PauseLoop() {
    qApp->removeEventFilter(this);
}

void PauseLoop::Wait(int n) {
    // The pause sleeps in an event loop of its own and wakes when its time is up, or when the
    // window is closed.
    const int ms = static_cast<int>(static_cast<qint64>(n) * 864 / 1000);
    ++busy_;
    if (ms > 0 && !quitting_) {
        QEventLoop pause;
        QTimer::singleShot(ms, Qt::PreciseTimer, &pause, &QEventLoop::quit);
        loop_ = &pause;
        pause.exec();
        loop_ = nullptr;
    } else {
        QApplication::processEvents(QEventLoop::AllEvents);
    }
    --busy_;
}

void PauseLoop::Think(const std::function<void()>& work) {
    ++busy_;
    QEventLoop thinking;
    QThread* thread = QThread::create([&work] { work(); });
    connect(thread, &QThread::finished, &thinking, &QEventLoop::quit);
    thread->start();
    thinking.exec();
    thread->wait();
    delete thread;
    --busy_;
}

void PauseLoop::DropPendingInput() {
    ++busy_;
    QApplication::processEvents(QEventLoop::AllEvents);
    --busy_;
}

void PauseLoop::Quit() {
    quitting_ = true;
    if (loop_) loop_->quit();
}

bool PauseLoop::eventFilter(QObject* watched, QEvent* event) {
    if (busy_ > 0 && IsPlayerInput(event->type())) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace tazkova::ui
