#include "harness.h"

#include "exchange/envelope.h"
#include "pages/kit/pagecontext.h"
#include "widgets/textpane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

void WindowTest::SetUp() {
    previousDir = QDir::currentPath();
    ASSERT_TRUE(workDir.isValid());
    QDir::setCurrent(workDir.path());
    sim.start();
    auto dialogsRecorder = std::make_unique<RecordingDialogs>();
    recorded = dialogsRecorder.get();
    setDialogs(std::move(dialogsRecorder));
    dm = std::make_unique<TdmPrincipal>();
    window = std::make_unique<TfrmPrincipal>(*dm);
    window->show();
    setText(QStringLiteral("ed_EnderecoWS"), sim.baseUrl());
}

void WindowTest::TearDown() {
    for (const auto& m : recorded->messages)
        ADD_FAILURE() << "a message no test expected: " << m.text.toStdString();
    EXPECT_TRUE(recorded->confirmAnswers.empty()) << "queued confirmation answers were not used";
    EXPECT_TRUE(recorded->fileAnswers.empty()) << "queued file answers were not used";
    window.reset();
    dm.reset();
    setDialogs(nullptr);
    sim.stop();
    QDir::setCurrent(previousDir);
}

QString WindowTest::text(const QString& name) {
    QWidget* w = window->findControl(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w ? kit::readField(w).text : QString();
}

void WindowTest::setText(const QString& name, const QString& value) {
    QWidget* w = window->findControl(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(value);
    else
        FAIL() << name.toStdString() << " is not a text field";
}

void WindowTest::click(const QString& buttonName) {
    auto* b = find<QPushButton>(buttonName);
    ASSERT_NE(b, nullptr);
    for (QWidget* w = b; w; w = w->parentWidget())
        if (window->selectPage(w->objectName()))
            break;
    b->click();
}

QString WindowTest::paneText(const QString& paneName) {
    auto* pane = window->findChild<TextPane*>(paneName);
    EXPECT_NE(pane, nullptr) << paneName.toStdString();
    return pane ? pane->text() : QString();
}

json::JsonValue WindowTest::body(const sim::Request& request) const {
    auto parsed = json::parse(request.body);
    EXPECT_TRUE(parsed.value) << request.body;
    return parsed.value ? std::move(*parsed.value) : json::JsonValue();
}

QString WindowTest::shownMessages() const {
    QStringList all;
    for (const auto& m : recorded->takeMessages())
        all << m.text;
    return all.join(QStringLiteral(" | "));
}

void WindowTest::expectMessage(const QString& part) {
    const auto shown = recorded->takeMessages();
    ASSERT_EQ(shown.size(), 1u) << "expected one message containing: " << part.toStdString();
    EXPECT_TRUE(shown[0].text.contains(part))
        << shown[0].text.toStdString() << " does not contain " << part.toStdString();
}

std::vector<RecordingDialogs::Shown>& WindowTest::seen() {
    for (auto& m : recorded->takeMessages())
        seenMessages.push_back(std::move(m));
    return seenMessages;
}

std::string WindowTest::dadosOf(const sim::Request& request) const {
    const json::JsonValue envelope = body(request);
    const json::JsonValue* parametros = envelope.find("Parametros");
    const json::JsonValue* assinatura = envelope.find("Assinatura");
    if (!parametros || !assinatura || !parametros->find("Dados")) {
        ADD_FAILURE() << "not an envelope: " << request.body;
        return {};
    }
    EXPECT_EQ(assinatura->toQString(), signParametros(*parametros, 0)) << request.path;
    return json::toWireText(*parametros->find("Dados"));
}

std::string WindowTest::lastDados() const {
    const auto got = received();
    return got.empty() ? std::string("(nothing sent)") : dadosOf(got.back());
}

json::JsonValue WindowTest::sentDados() const {
    const auto got = received();
    if (got.empty())
        throw std::runtime_error("nothing was sent");
    auto parsed = json::parse(dadosOf(got.back()));
    if (!parsed.value)
        throw std::runtime_error("Dados is not JSON: " + parsed.error);
    return std::move(*parsed.value);
}

const json::JsonValue& member(const json::JsonValue& object, std::string_view key) {
    if (const json::JsonValue* found = object.find(key))
        return *found;
    throw std::runtime_error("no member \"" + std::string(key) + "\" in " +
                             json::toWireText(object));
}

QString fixture(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    f.write(bytes);
    return QDir::current().absoluteFilePath(name);
}
