#pragma once

// The driver that the installation checks load into the installed program,
// so that a test drives the real program as a user would, without any hook
// in the program itself: on Linux preloaded (installed_program_driver.cpp),
// on Windows as a Qt plugin (installed_program_driver_plugin.cpp).
// Once the application object exists it waits for the main window, opens
// the base-amount dialog with SpeedButtonjishu, types the two amounts given
// in PELLUMO_DRIVER_AMOUNTS ("divorce,personality-rights", e.g. "120,300")
// into Edit1 and Edit2, saves with SpeedButton1, writes what happened to the
// file named by PELLUMO_DRIVER_REPORT and quits the program:
//   "saved"              the dialog closed after saving;
//   "message: <text>"    a message box came up instead (e.g. a failed save);
//   "timed out: <step>"  a step found nothing to act on within 30 s.

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

namespace pellumo::testing {

enum class Step { OpenDialog, FillDialog, AwaitSave };

inline const char *StepName(Step step)
{
    switch (step) {
    case Step::OpenDialog: return "open the base-amount dialog";
    case Step::FillDialog: return "fill the base-amount dialog";
    case Step::AwaitSave: return "await the dialog closing";
    }
    return "";
}

// The visible widget of that class and name, in any window; null when none.
template <typename Widget> inline Widget *VisibleWidget(const char *name)
{
    for (QWidget *widget : QApplication::allWidgets()) {
        auto *match = qobject_cast<Widget *>(widget);
        if (match && match->objectName() == QLatin1String(name) && match->isVisible())
            return match;
    }
    return nullptr;
}

inline QMessageBox *VisibleMessageBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Clicks from the event loop, not from inside the timer: the click opens a
// modal dialog whose own loop must keep the timer running.
inline void ClickLater(QToolButton *button)
{
    QMetaObject::invokeMethod(button, &QToolButton::click, Qt::QueuedConnection);
}

class Driver : public QObject
{
public:
    Driver()
    {
        const QStringList amounts = qEnvironmentVariable("PELLUMO_DRIVER_AMOUNTS").split(QLatin1Char(','));
        m_divorce = amounts.value(0);
        m_personalityRights = amounts.value(1);
        connect(&m_timer, &QTimer::timeout, this, &Driver::act);
        // Started from the event loop: the application object is still
        // being built when this runs.
        QMetaObject::invokeMethod(
            this, [this] { m_clock.start(); m_timer.start(100); }, Qt::QueuedConnection);
    }

private:
    void act()
    {
        if (QMessageBox *box = VisibleMessageBox())
            return finish(QStringLiteral("message: ") + box->text());
        if (m_clock.hasExpired(30000))
            return finish(QStringLiteral("timed out: ") + QLatin1String(StepName(m_step)));
        switch (m_step) {
        case Step::OpenDialog:
            if (auto *button = VisibleWidget<QToolButton>("SpeedButtonjishu")) {
                ClickLater(button);
                m_step = Step::FillDialog;
            }
            break;
        case Step::FillDialog: {
            auto *divorce = VisibleWidget<QLineEdit>("Edit1");
            auto *personalityRights = VisibleWidget<QLineEdit>("Edit2");
            auto *save = VisibleWidget<QToolButton>("SpeedButton1");
            if (divorce && personalityRights && save) {
                divorce->setText(m_divorce);
                personalityRights->setText(m_personalityRights);
                ClickLater(save);
                m_step = Step::AwaitSave;
            }
            break;
        }
        case Step::AwaitSave:
            if (!VisibleWidget<QWidget>("TForm2"))
                finish(QStringLiteral("saved"));
            break;
        }
    }

    void finish(const QString &outcome)
    {
        m_timer.stop();
        QFile report(qEnvironmentVariable("PELLUMO_DRIVER_REPORT"));
        if (report.open(QIODevice::WriteOnly))
            report.write(outcome.toUtf8());
        QCoreApplication::exit(0);  // leaves a modal box's loop as well as the main one
    }

    QString m_divorce;
    QString m_personalityRights;
    Step m_step = Step::OpenDialog;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

// Starts the driver in a running Qt Widgets program, owned by its
// application object; does nothing in any other program.
inline void StartDriver()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    (new Driver)->setParent(QCoreApplication::instance());
}

} // namespace pellumo::testing
