/// Test helpers for the player's files: a home folder of the test's own, and a watchdog that
/// ends a wait which should never have begun.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace tazkova::testing {

/// While it lives, HOME is the folder "home" inside a temporary folder, with the XDG
/// variables of the player's folders unset and the system-wide settings folder in "etc/xdg"
/// beside it; every variable it touches is put back afterwards.
class ScratchHome {
  public:
    ScratchHome() {
        QDir(root_.path()).mkpath(QStringLiteral("home"));
        Set("HOME", QFile::encodeName(Path(QStringLiteral("home"))));
        Unset("XDG_CONFIG_HOME");
        Unset("XDG_DATA_HOME");
        Set("XDG_CONFIG_DIRS", QFile::encodeName(Path(QStringLiteral("etc/xdg"))));
    }
    ~ScratchHome() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                qputenv(it->first.constData(), *it->second);
            } else {
                qunsetenv(it->first.constData());
            }
        }
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    bool IsValid() const { return root_.isValid(); }
    /// A path inside the temporary folder ("home/.config" and so on).
    QString Path(const QString& relative) const { return root_.filePath(relative); }

    void Set(const char* name, const QByteArray& value) {
        Remember(name);
        qputenv(name, value);
    }
    void Unset(const char* name) {
        Remember(name);
        qunsetenv(name);
    }

  private:
    void Remember(const char* name) {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                      ? std::optional<QByteArray>(qgetenv(name))
                                      : std::nullopt);
    }

    QTemporaryDir root_;
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> saved_;
};

/// Runs `rescue` after `wait` unless destroyed first: the rescue ends what a blocked call
/// waits for (it writes into the pipe, it takes away the locked folder), so that a test of
/// something that must not block fails instead of hanging.
class Watchdog {
  public:
    Watchdog(std::chrono::milliseconds wait, std::function<void()> rescue)
        : thread_([this, wait, rescue = std::move(rescue)] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!done_.wait_for(lock, wait, [this] { return finished_; })) rescue();
          }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;  // last: it starts once the rest is made
};

}  // namespace tazkova::testing
