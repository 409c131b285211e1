#include "modal_responder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

ModalResponder::ModalResponder() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalResponder::poll);
    m_timer.start();
}

void ModalResponder::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_texts << box->text();
    m_titles << box->windowTitle();
    // Press the box's only button the way a user would.
    const auto buttons = box->buttons();
    if (buttons.size() == 1)
        QTest::mouseClick(buttons.front(), Qt::LeftButton);
    else
        box->reject();
}
