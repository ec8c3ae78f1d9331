#include "app/paced_timer.h"

#include <QTimerEvent>

void PacedTimer::Start(int periodMs, QObject* receiver) {
    m_receiver = receiver;
    m_periodMs = periodMs;
    ++m_changes;
    // Never early, so that a period is always the whole period.
    m_timer.start(periodMs, Qt::PreciseTimer, receiver);
}

void PacedTimer::Stop() {
    ++m_changes;
    m_timer.stop();
}

bool PacedTimer::IsTick(const QTimerEvent& event) const {
    // A stopped timer has the id 0, which no event carries.
    return event.timerId() == m_timer.timerId();
}

void PacedTimer::Run(const std::function<void()>& handler) {
    // Stopped meanwhile, the timer keeps no tick due while the handler runs.
    m_timer.stop();
    const int changes = m_changes;
    handler();
    if (m_changes == changes) {
        m_timer.start(m_periodMs, Qt::PreciseTimer, m_receiver);
    }
}
