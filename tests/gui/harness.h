#pragma once

#include "app/tfrmprincipal.h"
#include "common/jsonvalue.h"
#include "simserver.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

// Answers and records every dialog instead of showing it.
class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        Kind kind;
    };
    std::vector<Shown> messages;
    std::vector<QString> confirmations;
    std::deque<bool> confirmAnswers; // default: yes
    std::deque<QString> fileAnswers; // default: cancel ("")

    void message(const QString& text, Kind kind) override { messages.push_back({text, kind}); }
    bool confirm(const QString& text) override {
        confirmations.push_back(text);
        return take(confirmAnswers, true);
    }
    QString openFile(const QString&, const QString&, const QString&) override {
        return take(fileAnswers, QString());
    }
    QString saveFile(const QString&, const QString&, const QString&) override {
        return take(fileAnswers, QString());
    }
    QString folder(const QString&, const QString&) override { return take(fileAnswers, QString()); }

private:
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

// The real window, offscreen, in a fresh working folder, talking to a stand-in middleware in
// the same process. Controls are found by objectName, as a person finds them by label.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename T> T* find(const QString& name) {
        QWidget* w = window->findControl(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        T* typed = qobject_cast<T*>(w);
        EXPECT_NE(typed, nullptr) << name.toStdString() << " is not of the expected widget type";
        return typed;
    }
    QString text(const QString& name);
    void setText(const QString& name, const QString& value);
    // Shows the button's page and clicks the button.
    void click(const QString& buttonName);
    QString paneText(const QString& paneName);
    std::vector<sim::Request> received() const { return sim.received(); }
    // The request's body, parsed; fails the test when it is not JSON.
    json::JsonValue body(const sim::Request& request) const;
    // Messages shown so far, joined.
    QString shownMessages() const;

    QTemporaryDir workDir;
    QString previousDir;
    sim::MiddlewareSim sim;
    RecordingDialogs* recorded = nullptr; // owned by the dialogs seam
    std::unique_ptr<TdmPrincipal> dm;
    std::unique_ptr<TfrmPrincipal> window;
};
