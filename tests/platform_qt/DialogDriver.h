#pragma once

#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTimer>

#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace pickwell {

// The test program's one QApplication: offscreen unless told otherwise, with Qt's own dialogs,
// which the tests can drive, and Qt's remembered dialog state kept out of the user's settings.
// Never destroyed: Qt's list of input devices, made after it, is torn down first at exit.
inline QApplication& App() {
    static QApplication& app = []() -> QApplication& {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QStandardPaths::setTestModeEnabled(true);
        static int argc = 1;
        static char name[] = "test_platform_qt";
        static char* argv[] = {name, nullptr};
        return *new QApplication(argc, argv);
    }();
    return app;
}

// Acts on modal dialogs from inside their own event loops: each step waits until a dialog of its
// type is the modal widget on top, then runs. A step that never ran fails the test; so does a
// dialog that no step takes, which is then rejected so that the test cannot hang on it.
class DialogDriver : public QObject {
public:
    DialogDriver() {
        App();
        Poll();
    }
    ~DialogDriver() override {
        EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " dialog step(s) never ran";
    }

    template <typename Dialog> DialogDriver& Then(std::function<void(Dialog&)> step) {
        m_steps.push_back([step = std::move(step)](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (dialog) {
                step(*dialog);
            }
            return dialog != nullptr;
        });
        return *this;
    }

private:
    void Poll() { QTimer::singleShot(10, this, &DialogDriver::Check); }

    void Check() {
        // First, so that a dialog opened by a step is driven while that step waits on it.
        Poll();
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            m_polls = 0;
            return;
        }
        if (!m_steps.empty()) {
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            if (step(modal)) {
                m_polls = 0;
                return;
            }
            m_steps.push_front(std::move(step));
        }
        if (++m_polls == 500) {
            ADD_FAILURE() << "no step for " << modal->metaObject()->className() << " \""
                          << modal->windowTitle().toStdString() << '"';
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
            m_polls = 0;
        }
    }

    std::deque<std::function<bool(QWidget*)>> m_steps;
    int m_polls = 0;
};

} // namespace pickwell
