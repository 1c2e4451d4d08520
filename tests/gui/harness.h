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
#include <utility>

// Answers and records every dialog instead of showing it. Strict: a question or file dialog
// without a queued answer fails the test, and the fixture's teardown fails when a queued answer
// was not used or a message was shown that the test did not take.
class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        Kind kind;
    };
    std::vector<Shown> messages;
    std::vector<QString> confirmations;
    std::deque<bool> confirmAnswers;
    std::deque<QString> fileAnswers; // "" answers as a cancelled dialog

    void message(const QString& text, Kind kind) override { messages.push_back({text, kind}); }
    bool confirm(const QString& text) override {
        confirmations.push_back(text);
        return take(confirmAnswers, false, text);
    }
    // The next confirmOrOptOut answers with its box ticked when this is set.
    bool tickOptOut = false;
    bool confirmOrOptOut(const QString& text, const QString&, bool& optedOut) override {
        optedOut = tickOptOut;
        return confirm(text);
    }
    QString openFile(const QString& title, const QString&, const QString&) override {
        return take(fileAnswers, QString(), title);
    }
    QString saveFile(const QString& title, const QString&, const QString&) override {
        return take(fileAnswers, QString(), title);
    }
    QString folder(const QString& title, const QString&) override {
        return take(fileAnswers, QString(), title);
    }
    // The messages shown so far; the test has seen them.
    std::vector<Shown> takeMessages() { return std::exchange(messages, {}); }

private:
    template <typename T> static T take(std::deque<T>& queue, T fallback, const QString& what) {
        if (queue.empty()) {
            ADD_FAILURE() << "a dialog asked without a queued answer: " << what.toStdString();
            return fallback;
        }
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

// Writes a file in the test's working folder; returns its absolute path.
QString fixture(const QString& name, const QByteArray& bytes);
// The object's member; throws (failing the test, not crashing it) when there is none.
const json::JsonValue& member(const json::JsonValue& object, std::string_view key);

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
    // The "Dados" of an enveloped request as wire text, after checking its signature with the
    // company key of company 0.
    std::string dadosOf(const sim::Request& request) const;
    // dadosOf the last request received ("(nothing sent)" when none was).
    std::string lastDados() const;
    // The "Dados" of the last request, parsed. Throws when nothing was sent or it is not JSON,
    // so a test that expected a request fails there instead of reading a value that is not
    // there (GoogleTest reports the exception and goes on with the next test).
    json::JsonValue sentDados() const;
    // Messages shown so far, joined; they count as taken.
    QString shownMessages() const;
    // Takes the messages shown so far and expects exactly one, containing the text.
    void expectMessage(const QString& part);
    // Every message the test has taken so far, the ones shown since the last call included.
    std::vector<RecordingDialogs::Shown>& seen();

    QTemporaryDir workDir;
    QString previousDir;
    sim::MiddlewareSim sim;
    RecordingDialogs* recorded = nullptr; // owned by the dialogs seam
    std::vector<RecordingDialogs::Shown> seenMessages;
    std::unique_ptr<TdmPrincipal> dm;
    std::unique_ptr<TfrmPrincipal> window;
};
