#pragma once

// Answers message boxes as a user would, and records what they said. While
// one exists, a modal box that nobody expected cannot hang a test: it is
// dismissed and shows up in texts().

#include <QObject>
#include <QStringList>
#include <QTimer>

class ModalResponder : public QObject {
    Q_OBJECT
public:
    ModalResponder();

    // The texts of the boxes dismissed so far, with the title each had.
    const QStringList& texts() const { return m_texts; }
    const QStringList& titles() const { return m_titles; }
    void clear() { m_texts.clear(), m_titles.clear(); }

private:
    void poll();

    QTimer m_timer;
    QStringList m_texts;
    QStringList m_titles;
};
