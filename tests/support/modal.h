#pragma once

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Working in the modal windows a test opens: the window's own event loop runs the act.

// Answers the next modal window, which must be a Form, with act as soon as it is shown; any other
// window is a failure and is closed, so the test cannot hang.
template <typename Form> void WhenModal(std::function<void(Form*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        if (!form) {
            ADD_FAILURE() << "expected modal window " << Form::staticMetaObject.className();
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        act(form);
    });
}

// Runs trigger, which must show a modal window of type Form; act works in it, then the modal window
// still open, if any, is closed.
template <typename Form>
void WhileModal(const std::function<void()>& trigger, const std::function<void(Form*)>& act)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* form = qobject_cast<Form*>(QApplication::activeModalWidget())) {
            seen = true;
            act(form);
        }
        if (QWidget* still = QApplication::activeModalWidget())
            still->close();
    });
    trigger();
    EXPECT_TRUE(seen) << "no modal " << Form::staticMetaObject.className();
}
