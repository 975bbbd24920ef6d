// Helpers for driving the real window in tests: the sheet, message boxes, controls.
#pragma once

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "toolkit/PropertyPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace hydrolofter::test {

/// The whole sheet, shown and active, as the program builds it.
class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<CMainApp>();
        app->createSheet();
        sheet = app->sheet();
        sheet->show();
        sheet->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
    }
    void TearDown() override {
        sheet = nullptr;
        app.reset();
    }

    QString editText(PropertyPage* page, std::string_view name) {
        return page->control<QLineEdit>(name)->text();
    }
    QString unitText(PropertyPage* page, std::string_view name) {
        return page->control<QComboBox>(name)->currentText();
    }
    /// Whether the named control is enabled; the caption that names it must agree.
    bool enabled(PropertyPage* page, std::string_view name) {
        QWidget* w = page->controlWidget(name);
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (label->buddy() == w) {
                EXPECT_EQ(label->isEnabled(), w->isEnabled()) << label->text().toStdString();
            }
        }
        return w->isEnabled();
    }
    void setText(PropertyPage* page, std::string_view name, const QString& text) {
        page->control<QLineEdit>(name)->setText(text);
    }

    std::unique_ptr<CMainApp> app;
    CMainDlg* sheet = nullptr;
};

/// Waits, answering events (timers, the worker's signals), until the page's run has ended;
/// at most a minute, so that a run that never ends fails instead of hanging.
inline void waitForRun(CSimulatePage* page) {
    QElapsedTimer clock;
    clock.start();
    while (page->isRunning() && clock.elapsed() < 60000)
        QTest::qWait(2);
    EXPECT_FALSE(page->isRunning()) << "the run did not end within a minute";
}

/// Answers the next message box with one of its buttons, keeping its text.
class AnswerNextBox : public QObject {
public:
    explicit AnswerNextBox(QMessageBox::StandardButton button) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                timer_.stop();
                box->button(button)->click();
            } else if (++ticks_ > 1000) {
                timer_.stop();
            }
        });
        timer_.start();
    }
    QString text;

private:
    QTimer timer_;
    int ticks_ = 0;
};

/// Answers the next message box when it appears and keeps its text; times out after a few
/// seconds so that a test can never hang on one.
class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                ++seen;
                box->accept();
            } else if (++ticks_ > 1000) {
                timer_.stop();
            }
        });
        timer_.start();
    }
    QString text;
    int seen = 0;

private:
    QTimer timer_;
    int ticks_ = 0;
};

} // namespace hydrolofter::test
