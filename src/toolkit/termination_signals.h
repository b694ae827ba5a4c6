#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tcm::toolkit {

// Turns SIGTERM and SIGHUP (the desktop ending the session) into a call on
// the main thread: the handler only writes one byte to a pipe, the loop
// reads it and runs `onSignal`.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tcm::toolkit
